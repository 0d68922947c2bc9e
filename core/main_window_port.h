#pragma once

#include <QString>
#include <QtGlobal>

// What the links and the workers need from the main window. The window implements it; tests
// implement it with a recorder. Every method may be called from any thread.
class MainWindowPort {
public:
    virtual ~MainWindowPort() = default;

    // Puts the text into the status line (control 1105). Called from a worker, the window
    // posts the text to the interface thread; widgets are never touched from here.
    virtual void showStatusText(const QString& text) = 0;

    // The printer-address field (control 1011) as last edited, first octet most significant;
    // 0 when the field is blank. Kept as a copy so a worker never waits for the window.
    virtual quint32 printerAddressField() const = 0;

    // Shows the busy cursor until the next mouse movement.
    virtual void showBusyCursor() = 0;
};
