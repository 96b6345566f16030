#pragma once
// Qt's picture format plugins, looked up before a thread of ours decodes.

namespace ayat::platform {

// Has Qt look up its picture format plugins on the calling thread, so that a
// thread that decodes pictures and then ends is not the first to do it (on
// Windows such a thread crashes as it ends). Does nothing on Linux.
void lookUpImageFormats();

}  // namespace ayat::platform
