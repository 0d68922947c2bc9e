#include "ui/dialog_base.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPalette>

#include "ui/dialog_units.h"
#include "ui/ui_service.h"

QColor DialogBase::backgroundColor() {
    return QColor(239, 247, 255);
}

DialogBase::DialogBase(QWidget* parent) : QDialog(parent) {
    // Labels, check boxes, radio buttons and group boxes draw on the window colour, so one
    // palette entry paints the dialog and all of them.
    QPalette colours = palette();
    colours.setColor(QPalette::Window, backgroundColor());
    setPalette(colours);
    setAutoFillBackground(true);
}

void DialogBase::registerControl(int id, QWidget* control) {
    if (id != kNoControlId && FindControl(this, id) && FindControl(this, id) != control) {
        qWarning("dialog %s: control %d registered twice", qPrintable(objectName()), id);
    }
    SetControlId(control, id);
}

void DialogBase::setControlText(int id, const QString& text) {
    QWidget* widget = control(id);
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        button->setText(text);
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setText(text);
    } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
        group->setTitle(text);
    }
}

QButtonGroup* DialogBase::radioGroup(std::initializer_list<int> ids) {
    auto* group = new QButtonGroup(this);
    for (int id : ids) {
        if (auto* button = control<QAbstractButton>(id)) {
            group->addButton(button);
        }
    }
    return group;
}

QSize DialogBase::baseUnits() const {
    return DialogBaseUnits(font());
}

QRect DialogBase::mapDialogRect(const QRect& dialogUnits) const {
    const QMargins margins = contentsMargins();
    return MapDialogRect(dialogUnits, baseUnits()).translated(margins.left(), margins.top());
}

void DialogBase::place(QWidget* control, int x, int y, int w, int h) {
    const QRect dialogUnits(x, y, w, h);
    for (auto& placed : m_placed) {
        if (placed.first == control) {
            placed.second = dialogUnits;
            applyPlacement(control, dialogUnits);
            return;
        }
    }
    m_placed.append({QPointer<QWidget>(control), dialogUnits});
    applyPlacement(control, dialogUnits);
}

void DialogBase::applyPlacement(QWidget* control, const QRect& dialogUnits) {
    QRect pixels = mapDialogRect(dialogUnits);
    if (auto* combo = qobject_cast<QComboBox*>(control)) {
        // The height given for a combo box is its dropped list's; the box has its own.
        const int rows = qMax(1, pixels.height() / qMax(1, combo->fontMetrics().height()));
        combo->setMaxVisibleItems(qMax(rows, 1));
        pixels.setHeight(combo->sizeHint().height());
    }
    control->setGeometry(pixels);
}

void DialogBase::setDialogSize(int w, int h) {
    m_dialogSize = QSize(w, h);
    const QRect pixels = MapDialogRect(QRect(0, 0, w, h), baseUnits());
    const QMargins margins = contentsMargins();
    resize(pixels.width() + margins.left() + margins.right(),
           pixels.height() + margins.top() + margins.bottom());
}

void DialogBase::relayout() {
    m_placed.removeIf([](const auto& placed) { return placed.first.isNull(); });
    for (const auto& placed : m_placed) {
        applyPlacement(placed.first, placed.second);
    }
    if (m_dialogSize.isValid()) {
        setDialogSize(m_dialogSize.width(), m_dialogSize.height());
    }
}

void DialogBase::messageBox(const QString& text) {
    ShowMessage(this, text);
}

bool DialogBase::readFields() {
    FieldExchange exchange(this, FieldExchange::Direction::Read);
    exchangeFields(exchange);
    return exchange.ok();
}

void DialogBase::showFields() {
    FieldExchange exchange(this, FieldExchange::Direction::Show);
    exchangeFields(exchange);
}

void DialogBase::exchangeFields(FieldExchange&) {}

bool DialogBase::event(QEvent* event) {
    const bool result = QDialog::event(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::ContentsRectChange) {
        relayout();
    }
    return result;
}
