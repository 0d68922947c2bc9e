#pragma once

// Dialog units: control positions and sizes are given in units of the dialog's font, a quarter
// of the average character width across and an eighth of the character height down, so a
// dialog keeps its proportions with any font.

#include <QRect>
#include <QSize>

class QFont;

// The font's base units: average character width (of the 52 Latin letters, rounded) and
// character height, in pixels.
QSize DialogBaseUnits(const QFont& font);

// a * b / c rounded half away from zero.
int MulDivRound(int a, int b, int c);

// A rectangle in dialog units to pixels for the given base units. Each edge is mapped on its
// own, so neighbouring controls stay flush.
QRect MapDialogRect(const QRect& dialogUnits, QSize baseUnits);
