#pragma once
// The keys the picture fuzz target writes its inputs to: one per encoding, and
// a second icon with two images. The first byte of an input picks one.
namespace fuzzkeys {

struct Key {
    const char* name;
    const char* extension;
};

inline constexpr Key kPictureKeys[] = {
    {"sky", "bmp"}, {"Image1", "gif"}, {"Image10", "gif"}, {"main", "jpg"}, {"exitarrow", "ico"}, {"magnifier", "ico"},
};

}  // namespace fuzzkeys
