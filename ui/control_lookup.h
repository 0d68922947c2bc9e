#pragma once

// Controls carry their numeric identifier as object name ("1031"), so a window, its handlers
// and the tests find a control by number.

#include <QString>
#include <QWidget>

// The identifier of a control that has none (frames and labels nobody addresses).
inline constexpr int kNoControlId = -1;

// Gives the control its identifier.
inline void SetControlId(QWidget* control, int id) {
    control->setObjectName(id == kNoControlId ? QString() : QString::number(id));
}

// The control's identifier, or kNoControlId.
inline int ControlId(const QObject* control) {
    bool ok = false;
    const int id = control->objectName().toInt(&ok);
    return ok ? id : kNoControlId;
}

// The control with the identifier among root's descendants, as T; nullptr when there is none or
// it is not a T.
template <class T = QWidget>
T* FindControl(const QWidget* root, int id) {
    return root->findChild<T*>(QString::number(id));
}
