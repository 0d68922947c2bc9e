#include "tests/support/status_recorder.h"

#include <QDeadlineTimer>
#include <QTest>

#include "core/program_state.h"

StatusRecorder::StatusRecorder(quint32 printerAddress) : m_printerAddress(printerAddress) {
    g_pMainDlg = this;
}

StatusRecorder::~StatusRecorder() {
    MainWindowPort* self = this;
    g_pMainDlg.compare_exchange_strong(self, nullptr);
}

void StatusRecorder::showStatusText(const QString& text) {
    std::lock_guard lock(m_mutex);
    m_shown.append(text);
}

QStringList StatusRecorder::shown() const {
    std::lock_guard lock(m_mutex);
    return m_shown;
}

QString StatusRecorder::last() const {
    std::lock_guard lock(m_mutex);
    return m_shown.isEmpty() ? QString() : m_shown.last();
}

int StatusRecorder::count() const {
    std::lock_guard lock(m_mutex);
    return static_cast<int>(m_shown.size());
}

void StatusRecorder::clear() {
    std::lock_guard lock(m_mutex);
    m_shown.clear();
}

bool StatusRecorder::waitForCount(int wanted, int timeoutMs) const {
    QDeadlineTimer deadline(timeoutMs);
    while (count() < wanted) {
        if (deadline.hasExpired()) {
            return false;
        }
        QTest::qWait(5);
    }
    return true;
}
