#pragma once
// The program's diagnostics: what goes wrong that the user is not shown (a
// picture that could not be loaded, a start that cannot go on). Qt writes each
// message as one line on standard error, "ayat-explorer: " before it; tests
// collect them through Qt's message handler.
#include <QLoggingCategory>

namespace ayat {

Q_DECLARE_LOGGING_CATEGORY(lcProgram)

}  // namespace ayat
