#pragma once
// Qt's picture format plugins, looked up before a thread of ours decodes.

namespace ayat::platform {

// Has Qt look up its picture format plugins on the calling thread, where a
// thread that decodes pictures and then ends must not be the first to do so.
// Does nothing where no such thread needs it.
void lookUpImageFormats();

}  // namespace ayat::platform
