#pragma once
// The figures that are measured inside one process. Each runs as its own mode of
// ayat-bench, in a fresh process started by the driver, and writes its results
// on standard output as lines "<figure> <value> <value> ...", values in
// nanoseconds unless the figure's name says otherwise.

namespace bench {

// Decoding every picture of the catalogue with a fresh AssetStore: once as the
// first tick does it (only the splash window's pictures decoded before), then
// repeated, and the repeated time split by encoding.
int decodeFigures(int argc, char** argv);

// A shown main window: made, shown and drawn again; section switches from the
// menu; hotspot clicks to the repainted item picture; and the same ways of
// measuring on an empty window of the splash window's size.
int uiFigures(int argc, char** argv);

// RequestSound: how long the call takes, and how long until the requested
// sound's first sample reaches SDL's disk driver (SDL_AUDIODRIVER=disk).
int soundFigures(int argc, char** argv);

// The same first-sample measurement with a bare SDL device of the program's
// format that starts a tone when asked: the floor that the disk driver's pacing
// and file buffering set.
int rawSoundFigures(int argc, char** argv);

}  // namespace bench
