// Timestamps of the start-up's steps, for the start-up benchmark. When the environment
// variable ZYF_STARTUP_TRACE names a file, each step's performance-counter reading is kept in
// memory and written to that file when the program ends; otherwise a step costs one test.
#pragma once

// step must be a literal: only the pointer is kept.
void TraceStartUpStep(const char* step);
// Writes the steps kept so far, one "counter name" line each after a "frequency" line, and
// forgets them. Does nothing when tracing is off.
void WriteStartUpTrace();
