#include "platform/image_formats.h"

#ifdef _WIN32
#include <QImageReader>
#endif

namespace ayat::platform {

void lookUpImageFormats()
{
#ifdef _WIN32
    // The first QImageReader looks for Qt's format plugins, matching their file
    // names with a regular expression, which gives its thread a thread_local
    // match stack. With MinGW's runtime, a thread that has one crashes as it
    // ends, in Qt's freeing of that stack (seen under Wine 8: a page fault in
    // pcre2's JIT stack free called from libstdc++'s thread-exit destructors,
    // the splash's decoding thread, every run of test_info_panels). Looked up
    // here, on the thread that lives as long as the program, the lookup is not
    // made again. It reads the plugins' metadata and loads none of them.
    QImageReader::supportedImageFormats();
#endif
    // Linux's runtime ends such a thread cleanly.
}

}  // namespace ayat::platform
