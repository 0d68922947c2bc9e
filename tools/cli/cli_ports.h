#pragma once

// Prints the serial and parallel devices present and the USB printers with a known vendor ID.
void PrintPresentPorts();
