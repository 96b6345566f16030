#pragma once
// The credit and branding texts of the splash window and the About and Help
// panels. Each is written to fit the label that shows it, on the lines that label
// has room for.
#include <QString>

namespace ayat::credits {

// The project's home page. Until the project has one of its own, an address of
// the reserved example domain stands in for it; this is the one place it is kept.
inline constexpr char kWebAddress[] = "https://ayat-explorer.example.org";

inline constexpr char kProductTitle[] = "Ayat Explorer";

// About panel.
inline constexpr char kTitleAndDate[] = "Ayat Explorer, MIT licence, December 2026";
inline constexpr char kMakerLine[] = "A production of the Ayat Explorer team";
inline constexpr char kProgrammerCredit[] = "Programmer and designer: the Ayat Explorer team";
// The terms, as README.md and packaging/copyright give them: the program's code
// under the MIT licence (LICENSE); the Arabic text, and every picture drawn
// from it, under the licence of the package it comes from, with the credit and
// the link to the licence that it asks for wherever the text is shown.
inline constexpr char kDistributionNotice[] =
    "The program's code is free software under the MIT licence, without warranty. "
    "The Arabic text, the King Fahd Complex's Uthmani text from The Noble Qur'an "
    "Encyclopedia, comes from quran-json 3.1.2 by Risan Bagja Pradana; it and the "
    "pictures drawn from it are under CC BY-SA 4.0: "
    "https://creativecommons.org/licenses/by-sa/4.0/ English: Yusuf Ali (1934).";
inline QString webAddressLine() { return QStringLiteral("Visit our web site: ") + QString::fromUtf8(kWebAddress); }

// Splash window: the same credits, in the shorter forms its narrower labels hold.
inline constexpr char kSplashMakerLine[] = "Made by the Ayat Explorer team";
inline constexpr char kSplashProgrammerCredit[] = "By the Ayat Explorer team";
inline constexpr char kSplashDistributionNotice[] =
    "This program is free and may be copied and given to anyone you like. Peace be upon you!";

}  // namespace ayat::credits
