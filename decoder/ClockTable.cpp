// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClockTable.h"

#include "DecodeTarget.h"
#include "TextRules.h"

#include <QLocale>

#include <algorithm>
#include <limits>
#include <span>

namespace tallisk {

namespace {

struct ClockRow
{
    QStringView rating;
    QStringView frequency;
    QStringView multiplier;
};

constexpr ClockRow kPalomino[] = {
    {u"1500+", u"1333", u"10.0"}, {u"1600+", u"1400", u"10.5"}, {u"1700+", u"1467", u"11.0"},
    {u"1800+", u"1533", u"11.5"}, {u"1900+", u"1600", u"12.0"}, {u"2000+", u"1667", u"12.5"},
    {u"2100+", u"1733", u"13.0"},
};

constexpr ClockRow kThoroughbred266[] = {
    {u"1500+", u"1333", u"10.0"}, {u"1600+", u"1400", u"10.5"}, {u"1700+", u"1467", u"11.0"},
    {u"1800+", u"1533", u"11.5"}, {u"1900+", u"1600", u"12.0"}, {u"2000+", u"1667", u"12.5"},
    {u"2100+", u"1733", u"13.0"}, {u"2200+", u"1800", u"13.5"}, {u"2400+", u"2000", u"15.0"},
    {u"2600+", u"2133", u"16.0"},
};

constexpr ClockRow kThoroughbred333[] = {
    {u"2600+", u"2083", u"12.5"},
    {u"2700+", u"2167", u"13.0"},
    {u"2800+", u"2250", u"13.5"},
};

constexpr ClockRow kBarton333[] = {
    {u"2500+", u"1833", u"11.0"},
    {u"2800+", u"2083", u"12.5"},
    {u"3000+", u"2167", u"13.0"},
};

// A rated chip's sub-table, and whether a rating it lacks is reported as unsupported.
struct SubTable
{
    std::span<const ClockRow> rows;
    bool reportsUnsupported = false;
};

bool chooseSubTable(const QString& core, const QString& fsb, SubTable* table)
{
    if (core == u"Palomino") {
        *table = {kPalomino};
        return true;
    }
    // Prefix tests, so the names that lines 2 and 3 extended still choose their table.
    if (text::startsWith(core, u"Thoroughbred") && fsb == u"266MHz") {
        *table = {kThoroughbred266};
        return true;
    }
    if (text::startsWith(core, u"Thoroughbred") && fsb == u"333MHz") {
        *table = {kThoroughbred333};
        return true;
    }
    if (text::startsWith(core, u"Barton") && fsb == u"333MHz") {
        *table = {kBarton333, true};
        return true;
    }
    return false;
}

void applyRatedTable(DecodeTarget& target)
{
    const QString rating = target.field(Field::PerfRating);
    if (rating.isEmpty()) {
        target.setField(Field::Multiplier, QStringLiteral("Error!"));
        target.setField(Field::WorkingFreq, QStringLiteral("Error!"));
        return;
    }
    SubTable table;
    if (!chooseSubTable(target.field(Field::Core), target.field(Field::Fsb), &table))
        return;
    for (const ClockRow& row : table.rows) {
        if (rating == row.rating) {
            target.setField(Field::WorkingFreq, text::fixed(row.frequency));
            target.setField(Field::Multiplier, text::fixed(row.multiplier));
            return;
        }
    }
    // The Barton 3200+ has no row and is left blank; other unknown Barton ratings are told.
    if (table.reportsUnsupported && rating != u"3200+") {
        target.setField(Field::WorkingFreq, QStringLiteral("Unsupported Chip"));
        target.setField(Field::Multiplier, QStringLiteral("Unsupported Chip"));
    }
}

// Multiplies by 10^n; false on overflow.
bool scaleUp(long long* value, int n)
{
    for (int i = 0; i < n; ++i) {
        if (*value > std::numeric_limits<long long>::max() / 10 ||
            *value < std::numeric_limits<long long>::min() / 10)
            return false;
        *value *= 10;
    }
    return true;
}

} // namespace

QString computeMultiplier(const QString& workingFrequency, const QString& fsb)
{
    const QString error = QStringLiteral("Error!");
    text::Decimal f, b;
    if (!text::parseDecimal(workingFrequency, &f) || !text::parseDecimal(text::left(fsb, 3), &b))
        return error;
    if (b.mantissa == 0)
        return error;

    // F / (B / 2) = 2F / B; over a common scale both are integers, and the value in tenths
    // is 20·F / B, rounded half away from zero with integer arithmetic only.
    const int scale = std::max(f.scale, b.scale);
    long long numerator = f.mantissa, denominator = b.mantissa;
    if (!scaleUp(&numerator, scale - f.scale) || !scaleUp(&denominator, scale - b.scale) ||
        numerator > std::numeric_limits<long long>::max() / 20 ||
        numerator < -(std::numeric_limits<long long>::max() / 20))
        return error;
    numerator *= 20;
    const bool negative = (numerator < 0) != (denominator < 0);
    const unsigned long long magnitude =
        numerator < 0 ? 0ULL - static_cast<unsigned long long>(numerator) : numerator;
    const unsigned long long divisor =
        denominator < 0 ? 0ULL - static_cast<unsigned long long>(denominator) : denominator;
    unsigned long long tenths = magnitude / divisor;
    const unsigned long long remainder = magnitude % divisor;
    if (remainder >= divisor - remainder)
        ++tenths;

    const unsigned long long whole = tenths / 10;
    const int fraction = static_cast<int>(tenths % 10);
    QString result;
    if (negative && tenths != 0)
        result += u'-';
    if (whole != 0)
        result += QString::number(whole);
    result += QLocale().decimalPoint() + QString::number(fraction);
    return result;
}

void applyClockTable(DecodeTarget& target)
{
    const QString model = target.field(Field::CpuModel);
    if (model == u"10" || model == u"8" || model == u"6") {
        applyRatedTable(target);
    } else if (model == u"4") {
        const QString frequency = target.field(Field::WorkingFreq);
        target.setField(Field::Multiplier,
                        frequency.isEmpty()
                            ? QStringLiteral("Error!")
                            : computeMultiplier(frequency, target.field(Field::Fsb)));
    }
}

} // namespace tallisk
