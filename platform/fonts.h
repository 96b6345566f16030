#pragma once
// The system's font configuration, read ahead of the first text.

namespace ayat::platform {

// Starts reading the system's font configuration on a thread of its own, so
// that the first text laid out finds it read. Returns at once; does nothing
// where there is nothing to read ahead, or no thread to be had.
void prepareFonts();

}  // namespace ayat::platform
