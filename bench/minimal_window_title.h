// The title by which the start-up benchmark finds the minimal window program's window.
#pragma once

inline constexpr char kMinimalWindowTitle[] = "zyf start-up yardstick";
