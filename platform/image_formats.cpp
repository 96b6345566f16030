#include "platform/image_formats.h"

#ifdef _WIN32
#include <QImageReader>
#endif

namespace ayat::platform {

void lookUpImageFormats()
{
#ifdef _WIN32
    // A std::thread that is the first to read a picture, and so the one on
    // which Qt looks its format plugins up, crashes as it ends: under Wine 8, a
    // page fault in the freeing of Qt's thread_local regular-expression stack,
    // called by libstdc++'s thread-exit destructors, in every run of
    // test_info_panels, test_startup and ayat-screenshots (the splash's
    // decoding thread) and of a 20-line program that reads one BMP on a thread.
    // A thread that only matches a regular expression ends cleanly: the fault
    // itself, in MinGW's runtime or Qt's, was not pinned down. Looked up here,
    // on the thread that lives as long as the program, the plugins are not
    // looked up again; this reads their metadata and loads none of them.
    QImageReader::supportedImageFormats();
#endif
    // Linux's runtime ends such a thread cleanly.
}

}  // namespace ayat::platform
