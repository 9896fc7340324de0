#pragma once

#include "win32/screen_metrics.h"

// Reads the primary screen's size and work area from the system.
ScreenMetrics ReadScreenMetrics();

// Pixels per logical inch of the screen, vertically; 96 when it cannot be read.
int ScreenDpiY();
