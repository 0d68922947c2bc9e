#include "ui/field_exchange.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <climits>
#include <vector>

#include "ui/control_lookup.h"
#include "ui/framework_text.h"
#include "ui/ip_address_edit.h"
#include "ui/ui_service.h"

std::optional<int> ParseFieldInteger(const QString& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    const auto blank = [](QChar c) { return c == u' ' || c == u'\t'; };
    while (begin < end && blank(text[begin])) {
        ++begin;
    }
    while (end > begin && blank(text[end - 1])) {
        --end;
    }
    bool negative = false;
    if (begin < end && (text[begin] == u'+' || text[begin] == u'-')) {
        negative = text[begin] == u'-';
        ++begin;
    }
    if (begin == end) {
        return std::nullopt;
    }
    long long value = 0;
    for (qsizetype i = begin; i < end; ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9') {
            return std::nullopt;
        }
        value = value * 10 + (c - u'0');
        if (value > static_cast<long long>(INT_MAX) + 1) {
            return std::nullopt;
        }
    }
    if (negative) {
        value = -value;
    }
    if (value > INT_MAX || value < INT_MIN) {
        return std::nullopt;
    }
    return static_cast<int>(value);
}

QString ToEditLineBreaks(const QString& fieldText) {
    return QString(fieldText).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QString ToFieldLineBreaks(const QString& editText) {
    return QString(editText).replace(u'\n', QStringLiteral("\r\n"));
}

FieldExchange::FieldExchange(QWidget* window, Direction direction)
    : m_window(window), m_direction(direction) {}

QWidget* FieldExchange::control(int id) const {
    QWidget* found = FindControl(m_window, id);
    if (!found) {
        qWarning("field exchange: window %s has no control %d", qPrintable(m_window->objectName()),
                 id);
    }
    return found;
}

bool FieldExchange::fail(QWidget* failed, const QString& message) {
    m_failed = true;
    ShowMessage(m_window, message);
    failed->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(failed)) {
        edit->selectAll();
    }
    return false;
}

bool FieldExchange::text(int id, QString& value) {
    QWidget* widget = target<QWidget>(id);
    if (!widget) {
        return ok();
    }
    // Copies the control's text into the field or the field into the control.
    const auto exchange = [&](auto get, auto set) {
        if (reading()) {
            value = get();
        } else {
            set(value);
        }
    };
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        exchange([edit] { return edit->text(); }, [edit](const QString& v) { edit->setText(v); });
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(widget)) {
        exchange([plain] { return ToFieldLineBreaks(plain->toPlainText()); },
                 [plain](const QString& v) { plain->setPlainText(ToEditLineBreaks(v)); });
    } else if (auto* rich = qobject_cast<QTextEdit*>(widget)) {
        exchange([rich] { return ToFieldLineBreaks(rich->toPlainText()); },
                 [rich](const QString& v) { rich->setPlainText(ToEditLineBreaks(v)); });
    } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        exchange([combo] { return combo->currentText(); },
                 [combo](const QString& v) { combo->setCurrentText(v); });
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        exchange([label] { return label->text(); },
                 [label](const QString& v) { label->setText(v); });
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        exchange([button] { return button->text(); },
                 [button](const QString& v) { button->setText(v); });
    }
    return ok();
}

bool FieldExchange::integer(int id, int& value) {
    return integer(id, value, INT_MIN, INT_MAX);
}

bool FieldExchange::integer(int id, int& value, int minimum, int maximum) {
    QWidget* widget = target<QWidget>(id);
    if (!widget) {
        return ok();
    }
    QString text = QString::number(value);
    if (!reading()) {
        return FieldExchange::text(id, text);
    }
    FieldExchange::text(id, text);
    const std::optional<int> parsed = ParseFieldInteger(text);
    if (!parsed) {
        return fail(widget, QString::fromUtf8(FrameworkText::kNotAnInteger));
    }
    // A number outside the range is refused without being stored.
    if (*parsed < minimum || *parsed > maximum) {
        return fail(widget,
                    QString::fromUtf8(FrameworkText::kIntegerRange).arg(minimum).arg(maximum));
    }
    value = *parsed;
    return true;
}

bool FieldExchange::check(int id, int& value) {
    auto* box = target<QCheckBox>(id);
    if (!box) {
        return ok();
    }
    if (reading()) {
        switch (box->checkState()) {
            case Qt::Checked:
                value = 1;
                break;
            case Qt::PartiallyChecked:
                value = 2;
                break;
            case Qt::Unchecked:
                value = 0;
                break;
        }
    } else if (value == 2 && box->isTristate()) {
        box->setCheckState(Qt::PartiallyChecked);
    } else {
        box->setChecked(value != 0);
    }
    return ok();
}

bool FieldExchange::check(int id, bool& value) {
    int number = value ? 1 : 0;
    check(id, number);
    value = number != 0;
    return ok();
}

bool FieldExchange::radio(std::initializer_list<int> ids, int& index) {
    if (m_failed) {
        return false;
    }
    std::vector<QAbstractButton*> buttons;
    for (int id : ids) {
        if (auto* button = qobject_cast<QAbstractButton*>(control(id))) {
            buttons.push_back(button);
        }
    }
    if (reading()) {
        index = -1;
        for (size_t i = 0; i < buttons.size(); ++i) {
            if (buttons[i]->isChecked()) {
                index = static_cast<int>(i);
                break;
            }
        }
        return true;
    }
    // Exclusive groups refuse to uncheck their last checked button; lift that for the moment.
    for (size_t i = 0; i < buttons.size(); ++i) {
        QAbstractButton* button = buttons[i];
        QButtonGroup* group = button->group();
        const bool groupExclusive = group && group->exclusive();
        const bool autoExclusive = button->autoExclusive();
        if (groupExclusive) {
            group->setExclusive(false);
        }
        button->setAutoExclusive(false);
        button->setChecked(static_cast<int>(i) == index);
        button->setAutoExclusive(autoExclusive);
        if (groupExclusive) {
            group->setExclusive(true);
        }
    }
    return true;
}

bool FieldExchange::comboIndex(int id, int& index) {
    auto* combo = target<QComboBox>(id);
    if (!combo) {
        return ok();
    }
    if (reading()) {
        index = combo->currentIndex();
    } else {
        combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
    }
    return true;
}

bool FieldExchange::comboText(int id, QString& value) {
    auto* combo = target<QComboBox>(id);
    if (!combo) {
        return ok();
    }
    if (reading()) {
        value =
            combo->isEditable() || combo->currentIndex() >= 0 ? combo->currentText() : QString();
        return true;
    }
    // An empty text begins every item, yet names none of them.
    const int found = value.isEmpty() ? -1 : combo->findText(value, Qt::MatchStartsWith);
    combo->setCurrentIndex(found);
    if (found < 0 && combo->isEditable()) {
        combo->setEditText(value);
    }
    return true;
}

bool FieldExchange::address(int id, quint32& value) {
    auto* edit = target<IpAddressEdit>(id);
    if (!edit) {
        return ok();
    }
    if (reading()) {
        value = edit->address();
    } else {
        edit->setAddress(value);
    }
    return true;
}
