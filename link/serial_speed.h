#pragma once

// Line speeds that termios has no constant for (128000 bit/s and the like), set through the
// kernel's termios2 interface. Kept apart because <asm/termbits.h> and <termios.h> cannot be
// included in one file.

// Sets input and output speed of the open terminal fd to rate bit/s; false when refused.
bool SetCustomSpeed(int fd, int rate);

// The output speed of the open terminal fd in bit/s, whatever way it was set; 0 when unknown.
int CurrentLineRate(int fd);
