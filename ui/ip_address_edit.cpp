#include "ui/ip_address_edit.h"

#include "core/dotted_quad.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>

namespace {

constexpr int kOctetMax = 255;

}  // namespace

IpAddressEdit::IpAddressEdit(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->setSpacing(0);
    auto* validator =
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,3}")), this);
    for (int i = 0; i < 4; ++i) {
        if (i > 0) {
            auto* dot = new QLabel(QStringLiteral("."), this);
            dot->setBackgroundRole(QPalette::Base);
            dot->setAlignment(Qt::AlignCenter);
            layout->addWidget(dot);
        }
        auto* edit = new QLineEdit(this);
        edit->setFrame(false);
        edit->setAlignment(Qt::AlignCenter);
        edit->setMaxLength(3);
        edit->setValidator(validator);
        edit->setMinimumWidth(8);
        edit->setTextMargins(0, 0, 0, 0);
        edit->installEventFilter(this);
        connect(edit, &QLineEdit::textEdited, this, [this, i] { onEdited(i); });
        connect(edit, &QLineEdit::textChanged, this, [this] { emit addressChanged(); });
        layout->addWidget(edit, 1);
        m_octets[static_cast<size_t>(i)] = edit;
    }
    setFocusProxy(m_octets[0]);
}

quint32 IpAddressEdit::address() const {
    quint32 value = 0;
    for (int i = 0; i < 4; ++i) {
        value = (value << 8) | static_cast<quint32>(qMax(octet(i), 0));
    }
    return value;
}

void IpAddressEdit::setAddress(quint32 address) {
    std::array<QString, 4> texts;
    for (int i = 0; i < 4; ++i) {
        texts[static_cast<size_t>(i)] = QString::number((address >> (24 - 8 * i)) & 0xFF);
    }
    setTexts(texts);
}

bool IpAddressEdit::isBlank() const {
    for (const QLineEdit* edit : m_octets) {
        if (!edit->text().isEmpty()) {
            return false;
        }
    }
    return true;
}

void IpAddressEdit::clear() {
    setTexts({});
}

int IpAddressEdit::octet(int index) const {
    const QString text = m_octets.at(static_cast<size_t>(index))->text();
    return text.isEmpty() ? -1 : qMin(text.toInt(), kOctetMax);
}

void IpAddressEdit::setTexts(const std::array<QString, 4>& texts) {
    bool changed = false;
    for (size_t i = 0; i < 4; ++i) {
        if (m_octets[i]->text() != texts[i]) {
            const QSignalBlocker blocker(m_octets[i]);
            m_octets[i]->setText(texts[i]);
            changed = true;
        }
    }
    if (changed) {
        emit addressChanged();
    }
}

int IpAddressEdit::indexOf(QObject* edit) const {
    for (size_t i = 0; i < 4; ++i) {
        if (m_octets[i] == edit) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void IpAddressEdit::moveTo(int index, bool selectAll, bool cursorAtEnd) {
    if (index < 0 || index > 3) {
        return;
    }
    QLineEdit* edit = m_octets[static_cast<size_t>(index)];
    edit->setFocus(Qt::OtherFocusReason);
    if (selectAll) {
        edit->selectAll();
    } else {
        edit->setCursorPosition(cursorAtEnd ? edit->text().size() : 0);
    }
}

void IpAddressEdit::onEdited(int index) {
    QLineEdit* edit = m_octets[static_cast<size_t>(index)];
    const QString text = edit->text();
    if (text.isEmpty()) {
        return;
    }
    if (text.toInt() > kOctetMax) {
        edit->setText(QString::number(kOctetMax));
        moveTo(index + 1, true, false);
    } else if (text.size() == 3 && edit->cursorPosition() == 3) {
        moveTo(index + 1, true, false);
    }
}

bool IpAddressEdit::pasteAddress(int index) {
    const QString text = QApplication::clipboard()->text();
    const std::optional<std::uint32_t> parsed = ParseDottedQuad(text);
    if (!parsed) {
        return false;
    }
    setAddress(*parsed);
    moveTo(index, false, true);
    return true;
}

bool IpAddressEdit::eventFilter(QObject* watched, QEvent* event) {
    const int index = indexOf(watched);
    if (index < 0) {
        return QFrame::eventFilter(watched, event);
    }
    QLineEdit* edit = m_octets[static_cast<size_t>(index)];
    if (event->type() == QEvent::FocusOut && !edit->text().isEmpty()) {
        // Drop leading zeros the way the classic control does when a box is left.
        const QString tidy = QString::number(edit->text().toInt());
        if (tidy != edit->text()) {
            edit->setText(tidy);
        }
        return false;
    }
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->matches(QKeySequence::Paste)) {
        return pasteAddress(index);
    }
    const bool atStart = edit->cursorPosition() == 0 && !edit->hasSelectedText();
    const bool atEnd = edit->cursorPosition() == edit->text().size() && !edit->hasSelectedText();
    switch (key->key()) {
        case Qt::Key_Period:
            if (!edit->text().isEmpty() && !edit->hasSelectedText()) {
                moveTo(index + 1, true, false);
            }
            return true;
        case Qt::Key_Backspace:
            if (atStart && index > 0) {
                moveTo(index - 1, false, true);
                return true;
            }
            return false;
        case Qt::Key_Left:
            if (atStart && index > 0) {
                moveTo(index - 1, false, true);
                return true;
            }
            return false;
        case Qt::Key_Right:
            if (atEnd && index < 3) {
                moveTo(index + 1, false, false);
                return true;
            }
            return false;
        default:
            return false;
    }
}
