#include "app/auto_send.h"

#include <condition_variable>
#include <mutex>

#include "app/send_messages.h"
#include "core/program_state.h"
#include "link/link_manager.h"

std::atomic<int> g_bAutoSendRun{0};
std::atomic<int> g_nAutoSendPeriod{0};

// What the threads share with the controller. Held by shared pointer, so a thread that
// outlives its controller (see shutdown) still finds it.
struct AutoSend::Shared {
    std::mutex mutex;
    std::condition_variable wake;  // ends a pause early at exit
    std::condition_variable ended;
    std::atomic<bool> exiting{false};
    // Each start takes the next number; a thread whose number is no longer the current one
    // has been replaced and ends.
    std::atomic<unsigned> generation{0};
    int active = 0;  // under mutex

    // Status lines go out under this lock; once the controller has shut down, threads still
    // finishing a send no longer show anything (the window may be gone).
    std::mutex showMutex;
    bool quiet = false;

    // Shows the text the thread has just put into the status, not whatever another thread may
    // have put there since, so no count goes missing from the status line.
    void show(const QString& text) {
        std::lock_guard lock(showMutex);
        if (quiet) {
            return;
        }
        if (MainWindowPort* window = g_pMainDlg.load()) {
            window->showStatusText(text);
        }
    }

    // Sleeps the period; returns early only when the program exits.
    void pause(int milliseconds) {
        std::unique_lock lock(mutex);
        wake.wait_for(lock, std::chrono::milliseconds(milliseconds),
                      [this] { return exiting.load(); });
    }
};

// One thread's own state: its buffer and period never change while it runs.
struct AutoSend::Run {
    Bytes bytes;
    int period = 0;
    unsigned generation = 0;
    std::atomic<bool> finished{false};
};

Bytes AutoSendCutBytes() {
    return {0x1D, 0x56, 0x01, 0x0A, 0x0A};
}

AutoSend::AutoSend() : m_shared(std::make_shared<Shared>()) {}

AutoSend::~AutoSend() {
    shutdown(kExitWait);
}

ContentError AutoSend::setAutoSend(bool ticked, const QString& content, bool hex, int period) {
    g_bAutoSendRun = ticked ? 1 : 0;
    if (!ticked) {
        return ContentError::None;
    }
    return StartAutoSend(content, hex, period);
}

ContentError AutoSend::StartAutoSend(const QString& content, bool hex, int period) {
    auto run = std::make_shared<Run>();
    if (g_bCutPaperAuto) {
        run->bytes = AutoSendCutBytes();
    } else {
        const ContentError error = ContentBytes(content, hex, run->bytes);
        if (error != ContentError::None) {
            return error;
        }
    }
    g_nAutoSendPeriod = period;
    run->period = period;

    reapFinished();
    if (m_shared->exiting) {
        return ContentError::None;
    }
    run->generation = ++m_shared->generation;
    {
        std::lock_guard lock(m_shared->mutex);
        ++m_shared->active;
    }
    m_workers.push_back(Worker{std::thread(&AutoSend::AutoSendThread, m_shared, run), run});
    return ContentError::None;
}

void AutoSend::AutoSendThread(std::shared_ptr<Shared> shared, std::shared_ptr<Run> run) {
    const auto keepRunning = [&] {
        return g_bAutoSendRun.load() != 0 && !shared->exiting.load() &&
               shared->generation.load() == run->generation;
    };
    int count = 0;
    while (keepRunning()) {
        ++count;
        if (SendToPrinter(run->bytes) == 0) {
            break;
        }
        const QString text = Text(send_messages::kSentCount).arg(count);
        SetStatus(text);
        shared->show(text);
        shared->pause(run->period);
    }
    // The exit text goes in front of whatever the last send or another feature left there.
    QString exitText;
    g_strStatus.update([&](QString& status) {
        status = Text(send_messages::kAutoSendExit) + status;
        exitText = status;
    });
    shared->show(exitText);

    run->finished = true;
    std::lock_guard lock(shared->mutex);
    --shared->active;
    shared->ended.notify_all();
}

void AutoSend::reapFinished() {
    for (auto it = m_workers.begin(); it != m_workers.end();) {
        if (it->run->finished) {
            it->thread.join();
            it = m_workers.erase(it);
        } else {
            ++it;
        }
    }
}

bool AutoSend::shutdown(std::chrono::milliseconds bound) {
    bool allEnded = false;
    {
        std::unique_lock lock(m_shared->mutex);
        m_shared->exiting = true;
        m_shared->wake.notify_all();
        allEnded = m_shared->ended.wait_for(lock, bound, [this] { return m_shared->active == 0; });
    }
    {
        std::lock_guard lock(m_shared->showMutex);
        m_shared->quiet = true;
    }
    reapFinished();
    // Whatever is still inside a send keeps its own shared state alive and ends by itself.
    for (Worker& worker : m_workers) {
        worker.thread.detach();
    }
    m_workers.clear();
    return allEnded;
}

int AutoSend::activeThreads() const {
    std::lock_guard lock(m_shared->mutex);
    return m_shared->active;
}
