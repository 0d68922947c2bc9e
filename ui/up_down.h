#pragma once

// The up-down control: two small arrow buttons that step a position through a range, and may
// keep a buddy edit's number in step with it.
//
// The range runs from `lower` (the down arrow's end) to `upper` (the up arrow's end); upper may
// be less than lower, and then the up arrow lowers the position. The range at construction is
// lower 100, upper 0, as the classic control has it, so without setRange() the up arrow reports
// a change of -1. Every press first announces the proposed change (deltaPos), even at the end
// of the range, then moves the position, which stays within the range.

#include <QWidget>

class QLineEdit;
class QToolButton;

class UpDown : public QWidget {
    Q_OBJECT

public:
    explicit UpDown(QWidget* parent = nullptr);

    void setRange(int lower, int upper);
    int lower() const { return m_lower; }
    int upper() const { return m_upper; }

    int position() const { return m_position; }
    // Clamped into the range; shown in the buddy.
    void setPosition(int position);

    // The edit that shows the position; a number typed into it is where the next step starts.
    // With arrowKeys, the Up and Down keys in the buddy press the arrows.
    void setBuddy(QLineEdit* buddy);
    QLineEdit* buddy() const { return m_buddy; }
    void setArrowKeys(bool enabled) { m_arrowKeys = enabled; }
    // Past one end of the range the position wraps to the other.
    void setWrap(bool wrap) { m_wrap = wrap; }

    // What a click on the arrows does.
    void stepUp();
    void stepDown();

signals:
    // Before the position changes: the current position and the proposed change (+1 or -1).
    void deltaPos(int position, int delta);
    void positionChanged(int position);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void step(int delta);
    int clamp(int position) const;

    QToolButton* m_up;
    QToolButton* m_down;
    QLineEdit* m_buddy = nullptr;
    int m_lower = 100;
    int m_upper = 0;
    int m_position = 0;
    bool m_arrowKeys = true;
    bool m_wrap = false;
};
