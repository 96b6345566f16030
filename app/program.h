#pragma once
// Program-wide set-up, the program's start and the end command.
#include <string>

class QApplication;

namespace ayat {

// What the program is short of to start, file handles or threads, as a sentence;
// empty when it has enough. Short of either, it would crash or freeze on its way up.
std::string shortOfResources();

// The first thing main() calls, before the application object is made. The font
// configuration, which the first text drawn needs and which takes longer to
// read than anything else before the first frame, is read on a thread of its own
// meanwhile, while the toolkit connects to the display.
void prepareStart();

// The looks every window shares: the classic face palette and the default font.
void setUpApplication(QApplication& app);

// The program's start: the shared looks, then the splash window, which loads
// (and asks for the opening recitation) and shows; it deletes itself when it
// closes. The sound service's worker, which loads the audio library, starts
// once the splash window's first frame is out, so nothing of the audio delays it.
void startProgram(QApplication& app);

// Ends the program at once: every window closes, nothing is waited for.
void endProgram();

}  // namespace ayat
