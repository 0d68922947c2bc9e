#pragma once

// The base of the program's dialogs. It gives each control its numeric identifier, places
// controls in dialog units of the dialog's font, paints the common light-blue background behind
// the dialog and its static-coloured controls (labels, check boxes, radio buttons, group
// boxes), shows message boxes with the program's name, and reads and shows the dialog's fields
// through one exchange function.
//
//     auto* send = addControl<CXPButton>(1031, 266, 187, 66, 18, tr("发送"));
//     auto* repeat = addControl<QLineEdit>(1020, 77, 171, 28, 13);
//     radioGroup({1000, 1001, 1002, 1003});
//
// Positions count from the top-left of the contents rectangle, so a window with painted chrome
// (contents margins) keeps its controls below its caption.

#include <QDialog>
#include <QList>
#include <QPointer>
#include <initializer_list>
#include <utility>

#include "ui/control_lookup.h"
#include "ui/field_exchange.h"

class QButtonGroup;

class DialogBase : public QDialog {
    Q_OBJECT

public:
    // The common dialog background: red 239, green 247, blue 255.
    static QColor backgroundColor();

    explicit DialogBase(QWidget* parent = nullptr);

    // Creates T(args..., this), gives it the identifier (kNoControlId: none) and places it at
    // x, y, w, h dialog units.
    template <class T, class... Args>
    T* addControl(int id, int x, int y, int w, int h, Args&&... args) {
        auto* created = new T(std::forward<Args>(args)..., this);
        registerControl(id, created);
        place(created, x, y, w, h);
        return created;
    }

    // Gives an existing control its identifier (its object name becomes the number).
    void registerControl(int id, QWidget* control);

    // The control with the identifier as T, nullptr when there is none or it is not a T.
    template <class T = QWidget>
    T* control(int id) const {
        return FindControl<T>(this, id);
    }

    // Sets the text of the control: a button's or label's text, a group box's title.
    void setControlText(int id, const QString& text);

    // Joins radio buttons into one exclusive group (radio buttons of one window are otherwise
    // a single group).
    QButtonGroup* radioGroup(std::initializer_list<int> ids);

    // The dialog font's base units and a dialog-unit rectangle in pixels (contents origin).
    QSize baseUnits() const;
    QRect mapDialogRect(const QRect& dialogUnits) const;

    // Places a control at x, y, w, h dialog units; it moves again when the font changes. A combo
    // box keeps its own height: h is the height of its dropped list.
    void place(QWidget* control, int x, int y, int w, int h);

    // Sizes the dialog's contents to w x h dialog units (plus the contents margins).
    void setDialogSize(int w, int h);

    // A message box with the information icon, one OK button and the program's name as title.
    void messageBox(const QString& text);

    // Reads every field from its control (stops at the first invalid one: false) or shows every
    // field in its control, through exchangeFields().
    bool readFields();
    void showFields();

    // Places every control again (after a change of font or contents margins).
    void relayout();

protected:
    // Lists the dialog's fields with their controls; see FieldExchange.
    virtual void exchangeFields(FieldExchange& exchange);

    bool event(QEvent* event) override;

private:
    void applyPlacement(QWidget* control, const QRect& dialogUnits);

    QList<std::pair<QPointer<QWidget>, QRect>> m_placed;
    QSize m_dialogSize;  // dialog units, empty until setDialogSize
};
