// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "LineOneFields.h"

#include "DecodeTarget.h"
#include "TextRules.h"

#include <span>

namespace tallisk {

namespace {

struct Code
{
    char16_t letter;
    QStringView text;
};

constexpr Code kPackages[] = {
    {u'A', u"CPGA"}, {u'B', u"OBGA"}, {u'D', u"OPGA"},
    {u'E', u"uPGA"}, {u'F', u"OPGA"}, {u'G', u"uPGA"},
};

constexpr Code kVoltages[] = {
    {u'Y', u"1.10v"}, {u'C', u"1.15v"}, {u'T', u"1.20v"}, {u'X', u"1.25v"}, {u'W', u"1.30v"},
    {u'J', u"1.35v"}, {u'V', u"1.40v"}, {u'Q', u"1.45v"}, {u'L', u"1.50v"}, {u'H', u"1.55v"},
    {u'U', u"1.60v"}, {u'K', u"1.65v"}, {u'P', u"1.70v"}, {u'M', u"1.75v"}, {u'N', u"1.80v"},
};

constexpr Code kTemperatures[] = {
    {u'R', u"70\u00B0C"}, {u'V', u"85\u00B0C"},  {u'T', u"90\u00B0C"},
    {u'S', u"95\u00B0C"}, {u'Q', u"100\u00B0C"},
};

// The L1 size is the same for every cache digit.
constexpr QStringView kL1Cache = u"128KB";
constexpr Code kL2Caches[] = {
    {u'1', u"64KB"}, {u'2', u"128KB"}, {u'3', u"256KB"}, {u'4', u"512KB"}, {u'5', u"1024KB"},
};

constexpr Code kBuses[] = {
    {u'B', u"200MHz"},
    {u'C', u"266MHz"},
    {u'D', u"333MHz"},
    {u'E', u"400MHz"},
};

// The table's text for a one-character code, or null when the code is not in the table
// (a lower-case letter, any other character, or nothing past the end of the line).
QStringView lookUp(std::span<const Code> table, QStringView code)
{
    if (code.size() != 1)
        return {};
    for (const Code& entry : table) {
        if (code[0] == QChar(entry.letter))
            return entry.text;
    }
    return {};
}

void writeCode(DecodeTarget& target, Field field, std::span<const Code> table, QStringView code)
{
    if (const QStringView text = lookUp(table, code); !text.isNull())
        target.setField(field, text::fixed(text));
}

bool isClockRated(const QString& modelName)
{
    return modelName == u"AMD Athlon" || modelName == u"AMD Duron";
}

} // namespace

void decodeLineOneFields(DecodeTarget& target, const QString& line1, const QString& modelName,
                         int prefixLength)
{
    const qsizetype p = prefixLength;
    const qsizetype r = text::isDigit(text::at(line1, p + 4)) ? 4 : 3;

    const QString ratingDigits = text::mid(line1, p + 1, r).toString();
    target.setField(Field::PerfRating, ratingDigits);
    if (isClockRated(modelName)) {
        target.setField(Field::PerfRating, QStringLiteral("N/A"));
        target.setField(Field::WorkingFreq, ratingDigits);
    } else {
        target.setField(Field::PerfRating, target.field(Field::PerfRating) + u'+');
    }

    // The five code letters follow the rating; taken once, so each is found without walking
    // the line from its start again.
    const QStringView codes = text::mid(line1, p + r + 1, 5);
    writeCode(target, Field::PackageType, kPackages, text::at(codes, 1));
    writeCode(target, Field::OperatingVoltage, kVoltages, text::at(codes, 2));
    writeCode(target, Field::OperatingTemperature, kTemperatures, text::at(codes, 3));
    const QStringView cacheDigit = text::at(codes, 4);
    if (const QStringView l2 = lookUp(kL2Caches, cacheDigit); !l2.isNull()) {
        target.setField(Field::L1Cache, text::fixed(kL1Cache));
        target.setField(Field::L2Cache, text::fixed(l2));
    }
    writeCode(target, Field::Fsb, kBuses, text::at(codes, 5));
}

} // namespace tallisk
