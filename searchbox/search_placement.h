// Where the search window's presets put it, and how transparent a percentage makes it.
#pragma once

#include "win32/screen_metrics.h"

enum class PlacePreset { BottomRight, Centre, BottomMiddle };  // 右下, 居中, 中下

// The new left and top of a w x h window; its size does not change.
ScreenPoint PresetPlace(PlacePreset preset, const ScreenMetrics& screen, int w, int h);

// trunc((100 - p) * 255 / 100); 255 (opaque) when that falls outside 0..255.
int AlphaForTransparency(int percent);
