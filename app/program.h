#pragma once
// Program-wide set-up and the end command.
class QApplication;

namespace ayat {

// The looks every window shares: the classic face palette and the default font.
void setUpApplication(QApplication& app);

// Ends the program at once: every window closes, nothing is waited for.
void endProgram();

} // namespace ayat
