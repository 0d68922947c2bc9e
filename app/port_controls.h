#pragma once

// Rules of the main window's port area that need no window: which controls each port type
// enables, how a stored name selects a list item, and the status text of a port radio.

#include <QString>
#include <QStringList>
#include <optional>

// Enable state per control group for a port type; an empty optional leaves the group as it is.
struct PortControlRule {
    std::optional<bool> lptList;     // 1007
    std::optional<bool> comList;     // 1008
    std::optional<bool> baudList;    // 1009
    std::optional<bool> flowList;    // 1021
    std::optional<bool> netButtons;  // 1014..1018
};

// The rule for a port type (0..3); any other value changes nothing. Only the network type
// touches the network buttons, and only to enable them.
PortControlRule PortControlsFor(int portType);

// The index of the first item that begins with `text`, letter case ignored, or -1.
int FindItemWithPrefix(const QStringList& items, const QString& text);

// The status line text of a port radio ("LPT:", "COM:", "USB:", "NET:"), one form for both
// languages; a null QString for any other index.
QString PortRadioStatus(int portType);
