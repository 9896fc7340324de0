#pragma once

#include "win32/screen_metrics.h"

// Reads the primary screen's size and work area from the system.
ScreenMetrics ReadScreenMetrics();
