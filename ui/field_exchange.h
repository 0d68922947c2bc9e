#pragma once

// Moving values between a window's fields and its controls. One exchange function lists the
// window's fields with their controls, in order, and serves both directions:
//
//     void CMyDialog::exchangeFields(FieldExchange& dx) {
//         dx.radio({1000, 1001, 1002, 1003}, m_nPort);
//         dx.text(1019, m_strContent);
//         dx.integer(1082, m_nPeriod, 1, 65535);
//     }
//
// Showing copies every field into its control. Reading copies every control into its field and
// validates; at the first control that does not hold a valid value the framework's message is
// shown, the focus goes to that control, and the exchange stops: later fields keep their values
// and ok() stays false, so the command that asked for the reading is not carried out.

#include <QString>
#include <QWidget>
#include <initializer_list>
#include <optional>

// A decimal 32-bit integer as the framework reads it from an edit: optional spaces or tabs
// around, an optional sign, one or more ASCII digits, nothing else, within the int range.
std::optional<int> ParseFieldInteger(const QString& text);

// Line breaks: fields hold "\r\n" (what the printer and text files expect), edit boxes "\n".
QString ToEditLineBreaks(const QString& fieldText);
QString ToFieldLineBreaks(const QString& editText);

class FieldExchange {
public:
    enum class Direction { Show, Read };

    FieldExchange(QWidget* window, Direction direction);

    bool reading() const { return m_direction == Direction::Read; }
    // False once a read has failed; every later call then does nothing.
    bool ok() const { return !m_failed; }

    // Each returns ok() after its step, so a sequence can also be written with &&.

    // Edit (single or multi-line), editable combo box, label or button text. A multi-line edit
    // reads its line breaks as "\r\n", the form the printer and the text files expect.
    bool text(int id, QString& value);
    // Edit holding a decimal integer: "请输入一个整数。" when it does not.
    bool integer(int id, int& value);
    // As above, then "请输入一个 %1 至 %2 之间的整数。" when outside minimum..maximum; the
    // field keeps its value when the number is refused.
    bool integer(int id, int& value, int minimum, int maximum);
    // Check box: 0 unticked, 1 ticked, 2 partly ticked.
    bool check(int id, int& value);
    bool check(int id, bool& value);
    // Radio group given by its radios' identifiers in order: the index of the checked radio,
    // -1 when none is. Showing an index outside the group unchecks all of them.
    bool radio(std::initializer_list<int> ids, int& index);
    // Combo box: the selected item's index, -1 when none.
    bool comboIndex(int id, int& index);
    // Combo box text. Reading gives the selected item's text (a drop-down list without a
    // selection gives an empty text) or an editable box's text. Showing selects the first item
    // that begins with the text, letter case ignored; when none does, a drop-down list is left
    // without a selection and an editable box shows the text.
    bool comboText(int id, QString& value);
    // IP address control (IpAddressEdit): first octet most significant, blank reads as 0.
    bool address(int id, quint32& value);

private:
    QWidget* control(int id) const;
    // The control as T, or nullptr once a read has failed (or when it is missing or no T).
    template <class T>
    T* target(int id) const {
        return m_failed ? nullptr : qobject_cast<T*>(control(id));
    }
    bool fail(QWidget* control, const QString& message);

    QWidget* m_window;
    Direction m_direction;
    bool m_failed = false;
};
