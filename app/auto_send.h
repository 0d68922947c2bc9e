#pragma once

// Auto-send: a worker thread that sends one fixed buffer to the printer, pauses, and sends it
// again until the AutoSend box is cleared or a send fails. Each thread owns its buffer, so
// ticking the box again while an earlier thread is still in its last pause never touches the
// bytes that thread is using; the earlier thread ends after that pause instead of running on
// beside the new one.

#include <QString>
#include <atomic>
#include <chrono>
#include <memory>
#include <thread>
#include <vector>

#include "app/send_content.h"
#include "core/bytes.h"

// The AutoSend box's state: threads keep sending while it is nonzero. Stays set after a failed
// start or a failed send (the box stays ticked) until the box is cleared.
extern std::atomic<int> g_bAutoSendRun;
// Pause between two sends of the running thread, milliseconds.
extern std::atomic<int> g_nAutoSendPeriod;

// GS V 1 (cut), two line feeds: what auto-send repeats when CutPaper is ticked.
Bytes AutoSendCutBytes();

class AutoSend {
public:
    // How long the program waits at exit for a thread that is still inside a send.
    static constexpr std::chrono::milliseconds kExitWait{5000};

    AutoSend();
    // Stops and joins the threads (shutdown(kExitWait)).
    ~AutoSend();
    AutoSend(const AutoSend&) = delete;
    AutoSend& operator=(const AutoSend&) = delete;

    // The AutoSend box was clicked. Ticked: sets g_bAutoSendRun and starts a thread; cleared:
    // clears g_bAutoSendRun, and the running thread ends after its current pause.
    // Returns the content error of a failed start (the caller shows it; the flag stays set).
    ContentError setAutoSend(bool ticked, const QString& content, bool hex, int period);

    // Builds the thread's buffer (the cut command when g_bCutPaperAuto is set, otherwise the
    // content in text or HEX mode) and starts a thread with it and the period. On an error no
    // thread starts.
    ContentError StartAutoSend(const QString& content, bool hex, int period);

    // Ends every thread: wakes them from their pause and waits at most `bound` for them.
    // Returns true when all of them ended; a thread still inside a send after the bound is left
    // to finish by itself (it holds only its own state).
    bool shutdown(std::chrono::milliseconds bound);

    // Threads started and not yet ended.
    int activeThreads() const;

private:
    struct Shared;
    struct Run;
    struct Worker {
        std::thread thread;
        std::shared_ptr<Run> run;
    };

    static void AutoSendThread(std::shared_ptr<Shared> shared, std::shared_ptr<Run> run);
    void reapFinished();

    std::shared_ptr<Shared> m_shared;
    std::vector<Worker> m_workers;
};
