#pragma once
// Start-up timing, for measuring only: with BIORHYTHM_TRACE_STARTUP=1 in the
// environment every step writes one line to standard error, the milliseconds
// since main() began, the resident memory at that moment and its peak so far:
//
//   startup:    41.8 ms   26.1 MiB (peak 26.3 MiB)  first frame
//
// Without the variable every call costs a branch.

class QWidget;

namespace StartupTrace {

// The first statement of main(): the clock starts here.
void Begin();
[[nodiscard]] bool Enabled();
void Mark(const char* step);
// Marks "first frame" once the window's first paint has been handed to the
// screen (after the paint event of the window and all its children).
void MarkFirstFrame(QWidget& window);

}  // namespace StartupTrace
