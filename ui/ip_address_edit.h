#pragma once

// The IPv4 address control: four octet boxes in one frame. Its value is a 32-bit number with
// the first octet most significant; a box left empty counts as 0, so a blank control reads
// 0.0.0.0. Typing behaves like the classic control: three digits or '.' move on to the next
// box, a number above 255 becomes 255 and moves on, Backspace and the arrow keys cross into
// the neighbouring box at its edge, and pasting a dotted address fills all four boxes.

#include <QFrame>
#include <array>

class QLineEdit;

class IpAddressEdit : public QFrame {
    Q_OBJECT

public:
    explicit IpAddressEdit(QWidget* parent = nullptr);

    quint32 address() const;
    // Shows all four octets (0 shows as 0.0.0.0).
    void setAddress(quint32 address);
    // True when all four boxes are empty.
    bool isBlank() const;
    // Empties all four boxes.
    void clear();

    // One octet box (0 = first octet): its value, or -1 when it is empty.
    int octet(int index) const;
    QLineEdit* octetEdit(int index) const { return m_octets.at(index); }

signals:
    // Any octet's text changed, by the user or the program.
    void addressChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int indexOf(QObject* edit) const;
    void onEdited(int index);
    void moveTo(int index, bool selectAll, bool cursorAtEnd);
    bool pasteAddress(int index);
    void setTexts(const std::array<QString, 4>& texts);

    std::array<QLineEdit*, 4> m_octets{};
};

