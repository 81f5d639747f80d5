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

} // namespace

const BenchCode& workedExample()
{
    return kMixed.front();
}

std::span<const BenchCode> mixedCodes()
{
    return kMixed;
}

QString paddedLine(const char* head, const char* tail, qsizetype characters, bool wide)
{
    const QString start = QString::fromLatin1(head);
    const QString end = QString::fromLatin1(tail);
    const qsizetype fill = characters - start.size() - end.size();
    QString line;
    line.reserve(start.size() + (wide ? 2 : 1) * fill + end.size());
    line += start;
    if (wide) {
        // U+1D7CF MATHEMATICAL BOLD DIGIT ONE: one character, and no digit to the decoder.
        const QString one = QString::fromUcs4(U"\U0001D7CF", 1);
        for (qsizetype i = 0; i < fill; ++i)
            line += one;
    } else {
        line += QString(fill, u'Q');
    }
    line += end;
    return line;
}

} // namespace tallisk::bench
