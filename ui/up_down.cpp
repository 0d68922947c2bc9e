#include "ui/up_down.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>

#include "ui/field_exchange.h"

UpDown::UpDown(QWidget* parent)
    : QWidget(parent), m_up(new QToolButton(this)), m_down(new QToolButton(this)) {
    for (QToolButton* button : {m_up, m_down}) {
        button->setAutoRepeat(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setArrowType(button == m_up ? Qt::UpArrow : Qt::DownArrow);
        button->setIconSize(QSize(6, 6));
    }
    connect(m_up, &QToolButton::clicked, this, &UpDown::stepUp);
    connect(m_down, &QToolButton::clicked, this, &UpDown::stepDown);
}

void UpDown::resizeEvent(QResizeEvent*) {
    const int half = height() / 2;
    m_up->setGeometry(0, 0, width(), half);
    m_down->setGeometry(0, half, width(), height() - half);
}

void UpDown::setRange(int lower, int upper) {
    m_lower = lower;
    m_upper = upper;
    m_position = clamp(m_position);
}

int UpDown::clamp(int position) const {
    return qBound(qMin(m_lower, m_upper), position, qMax(m_lower, m_upper));
}

void UpDown::setPosition(int position) {
    const int clamped = clamp(position);
    const bool changed = clamped != m_position;
    m_position = clamped;
    if (m_buddy) {
        m_buddy->setText(QString::number(m_position));
    }
    if (changed) {
        emit positionChanged(m_position);
    }
}

void UpDown::setBuddy(QLineEdit* buddy) {
    if (m_buddy) {
        m_buddy->removeEventFilter(this);
    }
    m_buddy = buddy;
    if (m_buddy) {
        m_buddy->installEventFilter(this);
    }
}

void UpDown::stepUp() {
    step(m_upper >= m_lower ? 1 : -1);
}

void UpDown::stepDown() {
    step(m_upper >= m_lower ? -1 : 1);
}

void UpDown::step(int delta) {
    if (m_buddy) {
        // A number typed into the buddy is where this step starts.
        if (const std::optional<int> typed = ParseFieldInteger(m_buddy->text())) {
            m_position = clamp(*typed);
        }
    }
    emit deltaPos(m_position, delta);
    const int low = qMin(m_lower, m_upper);
    const int high = qMax(m_lower, m_upper);
    int next = m_position + delta;
    if (next < low || next > high) {
        next = m_wrap ? (next < low ? high : low) : clamp(next);
    }
    setPosition(next);
}

bool UpDown::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_buddy && m_arrowKeys && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up) {
            stepUp();
            return true;
        }
        if (key == Qt::Key_Down) {
            stepDown();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
