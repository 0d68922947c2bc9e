#pragma once

// The one-click printer actions: cut paper, open the cash drawer, print the traditional sample.
// Each builds its bytes and sends them through the link manager.

#include <QString>

#include "core/bytes.h"

// GS V 66 0 (feed to the cutter, partial cut), two line feeds, a zero byte.
Bytes CutPaperBytes();
// ESC p 0 30 255 (pin 2, 60 ms on, 510 ms off), a zero byte.
Bytes CashDrawerBytes();

// Sends the cut; the link manager's text stays in g_strStatus, unshown.
int CutPaper();

// Sends the drawer pulse and replaces the status text with the drawer's own result text.
int OpenCashDrawer();

// Text_Sample/Traditional_58|76|80.qvd in the application folder for a printer model; empty
// for an unknown model.
QString TraditionalSamplePath(const QString& appDir, int printerModel);

// Sends the sample for the model byte for byte, then the cut whatever the first send gave.
// Returns 1 when both sends succeeded, 0 when one failed, and -1 when the file cannot be read:
// then nothing is sent and `fileError` holds the framework's file-error text.
int SendTraditionalSample(const QString& appDir, int printerModel, QString* fileError);
