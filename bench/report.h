#pragma once
// The driver of `make bench`: runs every figure in fresh processes, each beside
// its baseline, and writes the table.

namespace bench {

// ayat-bench run [--out FILE] [--display :N] [--rounds N]
int runAll(int argc, char** argv);

// ayat-bench compare [--rounds N] PROGRAM... : medians of each program's start
// stamps from process start, the programs taking turns (for trying a change).
int compareStarts(int argc, char** argv);

}  // namespace bench
