#pragma once
// The colours and tooltip texts that the screen tables share, each named once.
// Colours are 0xRRGGBB, as the table rows take them.

namespace ayat::style {

inline constexpr int kGreen = 0x008000;    // home and section captions, the information panels' titles
inline constexpr int kDarkRed = 0xC00000;  // section titles
inline constexpr int kWhite = 0xFFFFFF;    // verse box text
inline constexpr int kTeal = 0x00C0C0;     // verse box background

inline constexpr const char* kExitTip = "Exit to main";  // the Exit buttons of the sections and information panels
inline constexpr const char* kPlayTip = "Play Quran recitation";
inline constexpr const char* kStopTip = "Stop Quran recitation";
inline constexpr const char* kAboutTip = "About this program";  // the home screen's title button

}  // namespace ayat::style
