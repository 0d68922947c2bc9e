#pragma once

// What the main window's four port-setting lists do when their selection changes: the
// parallel-port list 1007, the serial-port list 1008, the baud-rate list 1009 and the
// flow-control list 1021. The window reads its fields and passes the selection; status texts
// go to g_strStatus and are shown in the status line.

#include <QString>

// Closes the parallel port, takes the new name (g_strLptName) and opens it at once; the status
// says whether it opened.
void OnLptListChanged(const QString& selectedName);

// Closes the serial port and takes the new name (g_strComName); the next send opens it.
void OnComListChanged(const QString& selectedName);

// Sets g_nBaudRate from the list position and applies it to the serial port if it is open.
void OnBaudListChanged(int index);

// Applies the flow-control choice to the serial port if it is open; shows and stores nothing.
void OnFlowListChanged(int index);

// The baud-rate list: 0 1200, 1 2400, 2 4800, 3 9600, 4 19200, 5 38400, 6 57600, 7 115200;
// 8, no selection (-1) and any other position 128000.
int BaudRateForIndex(int index);
