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
inline constexpr char kTitleAndDate[] = "Ayat Explorer, freeware, December 2026";
inline constexpr char kMakerLine[] = "A production of the Ayat Explorer team";
inline constexpr char kProgrammerCredit[] = "Programmer and designer: the Ayat Explorer team";
inline constexpr char kDistributionNotice[] =
    "Ayat Explorer is free software. You may copy it, give it to your family and friends "
    "and share it with anyone, as many times as you like, provided that you do not sell it "
    "and that you pass it on whole and unchanged, with this notice. It comes with no "
    "warranty of any kind. We hope that it brings you closer to the words of the Qur'an. "
    "Peace be upon you.";
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
