#include "platform/diagnostics.h"

namespace ayat {

Q_LOGGING_CATEGORY(lcProgram, "ayat-explorer")

}  // namespace ayat
