// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "PartComparison.h"

#include "DecodeTarget.h"
#include "PartIdentity.h"

#include <QLocale>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>
#include <utility>

namespace tallisk {

namespace {

// The core the tables name, without the range the stepping code adds ("High end", "Low end").
QStringView coreWithoutRange(QStringView core)
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
bool coreAgrees(QStringView tables, const PartIdentity& part)
{
    const QStringView core = coreWithoutRange(tables);
    if (part.core.startsWith(core) && part.core.size() > core.size() &&
        part.core[core.size()] == u' ')
        return true;
    for (const QStringView name : part.coreNames()) {
        if (name == core)
            return true;
    }
    return false;
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

// A multiplier as the tables write one, `part` being "11.5": from the rating-to-clock table
// with a point, or, computed for a clock-rated part, with the locale's decimal separator.
bool multiplierAgrees(QStringView tables, QStringView part)
{
    if (tables == part)
        return true;
    const qsizetype point = part.indexOf(u'.');
    const QStringView fraction = part.sliced(point + 1);
    if (!tables.startsWith(part.first(point)) || !tables.endsWith(fraction))
        return false;
    const QString separator = QLocale().decimalPoint();
    return tables.size() == point + separator.size() + fraction.size() &&
           tables.sliced(point, separator.size()) == separator;
}

QStringView withoutLeadingZeros(QStringView text)
{
    while (text.size() > 1 && text.front() == u'0')
        text = text.sliced(1);
    return text;
}

// A number and its unit as one text, made in one allocation: "512KB", "266MHz".
QString withUnit(const std::optional<int>& value, QStringView unit)
{
    if (!value)
        return QString();
    char digits[16];
    const auto [end, error] = std::to_chars(digits, digits + sizeof digits, *value);
    const qsizetype count = end - digits;
    QString text(count + unit.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (qsizetype i = 0; i < count; ++i)
        out[i] = QLatin1Char(digits[i]);
    std::copy(unit.begin(), unit.end(), out + count);
    return text;
}

// One row: the part's value in the tables' units, and how the tables' text stands against it.
RowComparison compare(Field field, QString tables, const PartIdentity& part)
{
    RowComparison row;
    row.field = field;
    row.tables = std::move(tables);
    // What the part states, and whether the tables' text says the same.
    bool agrees = false;
    switch (field) {
    case Field::Core:
        row.part = part.core;
        agrees = coreAgrees(row.tables, part);
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
            row.part = QString::number(tenths / 10) + u'.' + QChar(u'0' + tenths % 10);
            agrees = multiplierAgrees(row.tables, row.part);
        }
        break;
    case Field::Fsb:
        row.part = withUnit(part.fsbMhz, u"MHz");
        break;
    default:
        // The chip's own rows (stepping, date, batch) and the tables' alone (CPU model): the
        // part number states nothing of them.
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
    return row;
}

} // namespace

QList<RowComparison> PartComparison::rows(const DecodeTarget& tables, const PartIdentity& part)
{
    QList<RowComparison> rows;
    rows.reserve(kFieldCount);
    for (const FieldInfo& info : fieldTable())
        rows << compare(info.field, tables.field(info.field), part);
    return rows;
}

QList<RowComparison> PartComparison::disagreements(const DecodeTarget& tables,
                                                   const PartIdentity& part)
{
    // The rows() that disagree, without keeping the others: a batch asks this of every record.
    QList<RowComparison> found;
    for (const FieldInfo& info : fieldTable()) {
        RowComparison row = compare(info.field, tables.field(info.field), part);
        if (row.disagrees())
            found << std::move(row);
    }
    return found;
}

} // namespace tallisk
