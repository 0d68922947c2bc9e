#include "app/port_controls.h"

PortControlRule PortControlsFor(int portType) {
    switch (portType) {
        case 0:
            return {true, false, false, false, std::nullopt};
        case 1:
            return {false, true, true, true, std::nullopt};
        case 2:
            return {false, false, false, false, std::nullopt};
        case 3:
            return {false, false, false, false, true};
        default:
            return {};
    }
}

int FindItemWithPrefix(const QStringList& items, const QString& text) {
    for (int i = 0; i < items.size(); ++i) {
        if (items[i].startsWith(text, Qt::CaseInsensitive)) {
            return i;
        }
    }
    return -1;
}

QString PortRadioStatus(int portType) {
    static const char* const kTexts[] = {"LPT:", "COM:", "USB:", "NET:"};
    if (portType < 0 || portType > 3) {
        return QString();
    }
    return QString::fromLatin1(kTexts[portType]);
}
