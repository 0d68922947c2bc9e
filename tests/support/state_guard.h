#pragma once

#include <QTemporaryDir>

#include "core/program_state.h"
#include "tests/support/qt_print.h"

// Gives a test a fresh program state and its own application folder (g_strAppDir), and puts
// both back afterwards.
class StateGuard {
public:
    StateGuard() {
        ResetProgramState();
        g_strAppDir.set(m_dir.path());
    }
    ~StateGuard() {
        ResetProgramState();
        g_pMainDlg = nullptr;
        g_strAppDir.set(QString());
    }
    QString dir() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
};
