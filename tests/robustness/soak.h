#pragma once
// The long run: randomized use of the real windows for a given time, with the
// sounds found and played, sampling the process's resident memory and open file
// descriptors, and judging whether they stay flat.
#include <cstdint>
#include <optional>

#include <QString>

namespace robust {

struct SoakOptions {
    int seconds = 1800;
    QString csv;  // where the samples go; empty: soak.csv in the working directory
    int sampleEverySeconds = 5;
    int rssToleranceKb = 4096;
    int fdTolerance = 2;
};

// "--soak SECONDS [--csv FILE]" (removed from argv), or nothing.
std::optional<SoakOptions> soakOptionsFromArguments(int& argc, char** argv);

// Makes its own application object; returns the process's exit code.
int runSoak(int argc, char** argv, std::uint64_t start, const SoakOptions& options);

}  // namespace robust
