// ayat-bench: `ayat-bench run ...` runs the whole benchmark (see report.h); the
// other modes are the in-process figures (figures.h), which the driver starts
// as processes of their own.
#include <cstdio>
#include <cstring>

#include "figures.h"
#include "report.h"

int main(int argc, char** argv)
{
    const char* mode = argc > 1 ? argv[1] : "run";
    struct {
        const char* name;
        int (*run)(int, char**);
    } const modes[] = {
        {"run", bench::runAll},   {"compare", bench::compareStarts}, {"decode", bench::decodeFigures},
        {"ui", bench::uiFigures}, {"sound", bench::soundFigures},    {"sound-raw", bench::rawSoundFigures},
    };
    for (const auto& m : modes)
        if (std::strcmp(mode, m.name) == 0)
            return m.run(argc, argv);
    std::fprintf(stderr,
                 "usage: ayat-bench [run [--out FILE] [--display :N] [--rounds N] | compare [--rounds N] PROGRAM... | "
                 "decode | ui | sound | sound-raw]\n");
    return 2;
}
