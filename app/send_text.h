#pragma once

// The Send button: the content box's text sent a given number of times.

#include <QString>

#include "app/send_content.h"

class PortReleaseTimer;

// Converts the text (text or HEX mode) and sends it `repeat` times through the link manager,
// showing the status line after each send; a failed send does not end the loop. A repeat count
// of 0 or less sends and shows nothing. Over the parallel or serial port the release timer is
// restarted first. On a content error nothing is sent and the error is returned for the caller
// to show in a message box.
ContentError SendText(const QString& text, bool hex, int repeat, PortReleaseTimer* releaseTimer);
