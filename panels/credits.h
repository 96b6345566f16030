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
// The program's licence (LICENSE), and the credit that the Arabic text's licence
// asks for where the text is shown.
inline constexpr char kDistributionNotice[] =
    "Ayat Explorer is free software under the MIT licence: you may use, copy, change "
    "and share it, even sell it, provided that this notice goes with it. It comes with "
    "no warranty of any kind. The Arabic text is the Uthmani text of the King Fahd "
    "Complex edition as published by The Noble Qur'an Encyclopedia (quran-json), "
    "under CC BY 4.0. Peace be upon you.";
inline QString webAddressLine()
{
    return QStringLiteral("Visit our web site: ") + QLatin1String(kWebAddress);
}

// Splash window: the same credits, in the shorter forms its narrower labels hold.
inline constexpr char kSplashMakerLine[] = "Made by the Ayat Explorer team";
inline constexpr char kSplashProgrammerCredit[] = "By the Ayat Explorer team";
inline constexpr char kSplashDistributionNotice[] =
    "This program is free and may be copied and given to anyone you like. Peace be upon you!";

} // namespace ayat::credits
