#include "ui/dialog_units.h"

#include <QFont>
#include <QFontMetrics>
#include <cstdlib>

QSize DialogBaseUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    const int letters = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return QSize((letters / 26 + 1) / 2, metrics.height());
}

int MulDivRound(int a, int b, int c) {
    const long long product = static_cast<long long>(a) * b;
    const long long half = std::llabs(static_cast<long long>(c)) / 2;
    const bool negative = (product < 0) != (c < 0);
    const long long magnitude =
        (std::llabs(product) + half) / std::llabs(static_cast<long long>(c));
    return static_cast<int>(negative ? -magnitude : magnitude);
}

QRect MapDialogRect(const QRect& dialogUnits, QSize baseUnits) {
    const int left = MulDivRound(dialogUnits.x(), baseUnits.width(), 4);
    const int top = MulDivRound(dialogUnits.y(), baseUnits.height(), 8);
    const int right = MulDivRound(dialogUnits.x() + dialogUnits.width(), baseUnits.width(), 4);
    const int bottom = MulDivRound(dialogUnits.y() + dialogUnits.height(), baseUnits.height(), 8);
    return QRect(left, top, right - left, bottom - top);
}
