// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "PartComparison.h"

#include "DecodeTarget.h"
#include "PartIdentity.h"

#include <QLocale>

#include <cmath>
#include <optional>

namespace tallisk {

namespace {

// The core the tables name, without the range the stepping code adds ("High end", "Low end").
QString coreWithoutRange(QString core)
{
    for (const QLatin1StringView range :
         {QLatin1StringView(" High end"), QLatin1StringView(" Low end")}) {
        if (core.endsWith(range))
            core.chop(range.size());
    }
    return core;
}

// Whether the tables' core says the same as the part's, or less of it: "Thoroughbred" agrees
// with "Thoroughbred A or Thoroughbred B", and so does "Thoroughbred B Low end", one of the two.
bool coreAgrees(const QString& tables, const QString& part)
{
    const QString core = coreWithoutRange(tables);
    return part.split(QStringLiteral(" or ")).contains(core) || part.startsWith(core + u' ');
}

// Whether the tables' package is the part's, named as broadly or more so: a 453-pin small
// CPGA (sCPGA, mobile Socket A parts) is a CPGA, and the 563-pin organic micro PGA of the
// Athlon XP-M ("OPGA-563, UOG 563 (FC-µOPGA)", source M4) is the tables' uPGA. A source that
// says only "PGA" agrees with any pin grid array the tables name.
bool packageAgrees(const QString& tables, const QString& package)
{
    if (package == u"PGA")
        return tables.endsWith(package);
    if (package == u"sCPGA")
        return tables == u"CPGA";
    if (package == u"OPGA-563")
        return tables == u"uPGA";
    return tables == package;
}

// A multiplier in tenths, as the tables write one: "11.5" from the rating-to-clock table, or,
// computed for a clock-rated part, with the locale's decimal separator.
bool multiplierAgrees(const QString& tables, int tenths)
{
    const QString whole = QString::number(tenths / 10);
    const QString fraction = QString::number(tenths % 10);
    return tables == whole + u'.' + fraction ||
           tables == whole + QLocale().decimalPoint() + fraction;
}

QStringView withoutLeadingZeros(QStringView text)
{
    while (text.size() > 1 && text.front() == u'0')
        text = text.sliced(1);
    return text;
}

template <typename T> QString withUnit(const std::optional<T>& value, QStringView unit)
{
    return value ? QString::number(*value).append(unit) : QString();
}

} // namespace

QList<RowComparison> PartComparison::rows(const DecodeTarget& tables, const PartIdentity& part)
{
    QList<RowComparison> rows;
    rows.reserve(kFieldCount);
    for (const FieldInfo& info : fieldTable()) {
        RowComparison row;
        row.field = info.field;
        row.tables = tables.field(info.field);
        // What the part states, and whether the tables' text says the same.
        bool agrees = false;
        switch (info.field) {
        case Field::Core:
            row.part = part.core;
            agrees = coreAgrees(row.tables, part.core);
            break;
        case Field::PerfRating:
            row.part = withUnit(part.rating, u"+");
            break;
        case Field::WorkingFreq:
            row.part = withUnit(part.clockMhz, u"");
            // The tables take a clock as the digits were marked: Duron labels pad 800 to 0800.
            agrees = withoutLeadingZeros(row.tables) == row.part;
            break;
        case Field::PackageType:
            row.part = part.package;
            agrees = packageAgrees(row.tables, part.package);
            break;
        case Field::OperatingVoltage:
            if (part.vcore)
                row.part = QString::number(*part.vcore, 'f', 2) + u'v';
            break;
        case Field::OperatingTemperature:
            row.part = withUnit(part.maxTempC, u"\u00B0C");
            break;
        case Field::L1Cache:
            row.part = withUnit(part.l1Kb, u"KB");
            break;
        case Field::L2Cache:
            row.part = withUnit(part.l2Kb, u"KB");
            break;
        case Field::Multiplier:
            if (part.multiplier) {
                const int tenths = static_cast<int>(std::lround(*part.multiplier * 10));
                row.part = QString::number(tenths / 10) + u'.' + QString::number(tenths % 10);
                agrees = multiplierAgrees(row.tables, tenths);
            }
            break;
        case Field::Fsb:
            row.part = withUnit(part.fsbMhz, u"MHz");
            break;
        default: // stepping, date and batch belong to the chip, not to its part number
            break;
        }
        if (row.part.isEmpty())
            row.verdict = RowVerdict::Silent;
        else if (row.tables.isEmpty())
            row.verdict = RowVerdict::TablesBlank;
        else if (agrees || row.tables == row.part)
            row.verdict = RowVerdict::Agrees;
        else
            row.verdict = RowVerdict::Differs;
        rows << row;
    }
    return rows;
}

QList<RowComparison> PartComparison::disagreements(const DecodeTarget& tables,
                                                   const PartIdentity& part)
{
    QList<RowComparison> rows = PartComparison::rows(tables, part);
    rows.removeIf([](const RowComparison& row) { return !row.disagrees(); });
    return rows;
}

} // namespace tallisk
