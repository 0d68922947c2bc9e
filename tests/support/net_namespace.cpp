#include "tests/support/net_namespace.h"

#include <fcntl.h>
#include <sched.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <exception>
#include <stdexcept>

namespace {

constexpr int kNoNamespace = 77;

void WriteAll(int fd, const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n <= 0) {
            return;
        }
        done += static_cast<std::size_t>(n);
    }
}

[[noreturn]] void RunChild(int out, const std::function<std::string()>& body) {
    if (::unshare(CLONE_NEWNET) != 0) {
        ::_exit(kNoNamespace);
    }
    int code = 0;
    std::string text;
    try {
        text = body();
    } catch (const std::exception& e) {
        text = e.what();
        code = 1;
    }
    WriteAll(out, text);
    ::close(out);
    ::_exit(code);
}

}  // namespace

NamespaceRun RunInNewNetworkNamespace(const std::function<std::string()>& body) {
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0) {
        throw std::runtime_error("pipe failed");
    }
    std::fflush(nullptr);  // buffered output must not be written twice
    const pid_t pid = ::fork();
    if (pid < 0) {
        throw std::runtime_error("fork failed");
    }
    if (pid == 0) {
        ::close(fds[0]);
        RunChild(fds[1], body);
    }
    ::close(fds[1]);
    NamespaceRun run;
    char buffer[4096];
    for (ssize_t n; (n = ::read(fds[0], buffer, sizeof buffer)) > 0;) {
        run.output.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fds[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.available = run.exitCode != kNoNamespace;
    return run;
}

std::string RunCommand(const std::string& command) {
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) {
        throw std::runtime_error("cannot run: " + command);
    }
    std::string output;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
        output.append(buffer, n);
    }
    if (::pclose(pipe) != 0) {
        throw std::runtime_error("failed: " + command);
    }
    return output;
}
