// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "BenchCodes.h"

#include <array>

namespace tallisk::bench {

namespace {

// Real-looking codes, taken from the decoder's tests; the worked example first.
constexpr std::array kMixed{
    BenchCode{"Barton (worked example)", "AXDA2500DKV4D", "ABCDEFG18HIJ1234", "JIUHB0312XPMW"},
    BenchCode{"Thoroughbred B", "AXDA2200DKV3C", "ABCDEFG18HIJ1234", "JIUHB0312XPMW"},
    BenchCode{"Palomino", "AX1800DMT3C", "AGOGA0227TPDW", ""},
    BenchCode{"Thunderbird", "A1000AMT3C", "AGOGA0227TPDW", "JIUHB0312XPMW"},
    BenchCode{"Morgan (Duron)", "DHD1300AMT1B", "AGOGA0227TPDW", "JIUHB0312XPMW"},
    BenchCode{"Spitfire (Duron)", "D700AUT1B", "", ""},
    BenchCode{"Athlon MP, declined", "AMSN2000DKT3C", "ABCDEFG18HIJ1234", "JIUHB0312XPMW"},
    BenchCode{"Mobile Athlon XP, declined", "AXMS1800", "", ""},
    BenchCode{"lower case, not found", "axda2500dkv4d", "", ""},
    BenchCode{"letter after AX, code error", "AXDB2000", "", ""},
    BenchCode{"Barton, line 2 unreadable", "AXDA2500DKV4D", "ABCDEFG18HIJ12AB", "JIUHB0312XPMW"},
};

constexpr const char* kLine2 = "ABCDEFG18HIJ1234";
constexpr const char* kLine3 = "JIUHB0312XPMW";

// A collector's file as it comes: a third real parts, a third slips of them, and the rest lines
// that are no part number at all. Each group in the order of the families.
constexpr std::array kCollection{
    // Real parts: rows of the known-part table, and parts read from their letters.
    BenchCode{"real: Barton", "AXDA2500DKV4D", kLine2, kLine3},
    BenchCode{"real: Barton whose clock the marking tables lack", "AXDA2600DKV4D", kLine2, kLine3},
    BenchCode{"real: Barton on a 400 MHz bus", "AXDA3200DKV4E", "", ""},
    BenchCode{"real: Thoroughbred told by its stepping", "AXDA2200DKV3C", kLine2, "KIUHB0312XPMW"},
    BenchCode{"real: Palomino", "AX1800DMT3C", "AGOGA0227TPDW", ""},
    BenchCode{"real: Thunderbird", "A1000AMT3C", "AGOGA0227TPDW", kLine3},
    BenchCode{"real: Duron Morgan", "DHD1300AMT1B", "", ""},
    BenchCode{"real: Duron Spitfire", "D700AUT1B", "", ""},
    BenchCode{"real: Athlon MP, declined by the marking tables", "AMSN2000DUT3C", kLine2, kLine3},
    BenchCode{"real: Athlon XP-M in lower case", "axmd2600gjq4d", "", ""},
    BenchCode{"real: Slot A Athlon", "K7600MTR51B", "", ""},
    BenchCode{"real: Sempron", "SDA3000DUT4D", "", ""},
    BenchCode{"real: Thorton", "AXDC2400DKV3C", "", ""},
    // Slips: a character left off, added, swapped or misread, a letter the tables lack.
    BenchCode{"slip: last letter left off", "AXDA2500DKV4", kLine2, kLine3},
    BenchCode{"slip: O for 0", "AXDA25O0DKV4D", kLine2, kLine3},
    BenchCode{"slip: two letters swapped", "AXDA2500DVK4D", "", ""},
    BenchCode{"slip: a letter the tables lack", "AXDA2800DKV4Z", "", ""},
    BenchCode{"slip: O for 0 in a Duron", "D7O0AUT1B", "", ""},
    BenchCode{"slip: a letter added", "DHD1300AAMT1B", "", ""},
    BenchCode{"slip: I for 1", "AI000AMT3C", "", ""},
    BenchCode{"slip: last letter left off a mobile part", "AXMD2600GJQ4", "", ""},
    BenchCode{"slip: 8 for B", "K7600MTR518", "", ""},
    BenchCode{"slip: S for 5", "AXDA2S00DKV4D", kLine2, kLine3},
    BenchCode{"slip: a digit left off", "AX180DMT3C", "", ""},
    BenchCode{"slip: Z for 2", "AMSNZ000DUT3C", "", ""},
    BenchCode{"slip: the model number's digits swapped", "AXDA2300DKV4E", "", ""},
    // Not a part number: empty, words, what belongs in another box, other makers' parts.
    BenchCode{"junk: empty", "", "", ""},
    BenchCode{"junk: n/a", "n/a", "", ""},
    BenchCode{"junk: unknown", "unknown", "", ""},
    BenchCode{"junk: maker only", "AMD", "", ""},
    BenchCode{"junk: a name", "Athlon XP 2500+ Barton", "", ""},
    BenchCode{"junk: a question mark", "?", "", ""},
    BenchCode{"junk: a serial number", "1234567", "", ""},
    BenchCode{"junk: a note", "see photo", "", ""},
    BenchCode{"junk: a letter after AX", "AXDB2000", "", ""},
    BenchCode{"junk: a prefix alone", "axda", "", ""},
    BenchCode{"junk: line 2 in line 1's box", kLine2, kLine3, ""},
    BenchCode{"junk: line 3 in line 1's box", kLine3, "", ""},
    BenchCode{"junk: another maker's part", "BX80526F1000256", "", ""},
    BenchCode{"junk: a Duron by its name", "Duron 800", "", ""},
};

} // namespace

const BenchCode& workedExample()
{
    return kMixed.front();
}

std::span<const BenchCode> mixedCodes()
{
    return kMixed;
}

std::span<const BenchCode> collectionCodes()
{
    return kCollection;
}

} // namespace tallisk::bench
