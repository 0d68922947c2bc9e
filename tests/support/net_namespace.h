#pragma once

// Network set-ups that must not touch this machine's own interfaces run in a child process
// inside a new network namespace, which disappears with the child.

#include <functional>
#include <string>

struct NamespaceRun {
    bool available = false;  // false: no namespace could be made (no CAP_SYS_ADMIN)
    int exitCode = -1;       // 0 when the body returned normally
    std::string output;      // what the body returned, or why it failed
};

// Forks, moves the child into a new network namespace (only a loopback device, down) and runs
// body there; the text it returns comes back. Commands the body starts (RunCommand) act inside
// the namespace too.
NamespaceRun RunInNewNetworkNamespace(const std::function<std::string()>& body);

// Runs a shell command and returns its standard output; throws std::runtime_error when it
// exits with a failure.
std::string RunCommand(const std::string& command);
