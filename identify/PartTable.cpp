// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "PartTable.h"

#include "ResourceText.h"
#include "SourceList.h"
#include "TsvReader.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <utility>

namespace tallisk {

namespace {

const QString kResourcePath = QStringLiteral(":/tallisk/identify/parts.tsv");

const QStringList kColumns{
    QStringLiteral("part"),       QStringLiteral("name"),       QStringLiteral("family"),
    QStringLiteral("core"),       QStringLiteral("clock_mhz"),  QStringLiteral("fsb_mhz"),
    QStringLiteral("multiplier"), QStringLiteral("l2_kb"),      QStringLiteral("vcore"),
    QStringLiteral("package"),    QStringLiteral("max_temp_c"), QStringLiteral("socket"),
    QStringLiteral("note"),       QStringLiteral("source"),
};

// A rated part's name ends in its rating and a plus ("AMD Athlon XP 3200+"); a part named by
// its clock has none.
std::optional<int> ratingOf(const QString& name)
{
    static const QRegularExpression rated(QStringLiteral(" ([1-9][0-9]{2,3})\\+$"));
    const QRegularExpressionMatch match = rated.match(name);
    return match.hasMatch() ? std::optional<int>(match.captured(1).toInt()) : std::nullopt;
}

} // namespace

const PartTable& PartTable::instance()
{
    static const PartTable table = loadResource<PartTable>(kResourcePath);
    return table;
}

std::optional<PartTable> PartTable::fromTsv(QStringView text, const QString& sourceName,
                                            QString* errorMessage)
{
    return fromTsv(text, sourceName, SourceList::instance(), errorMessage);
}

std::optional<PartTable> PartTable::fromTsv(QStringView text, const QString& sourceName,
                                            const SourceList& sources, QString* errorMessage)
{
    TsvReader read(text, kColumns, sourceName);
    PartTable table;
    for (qsizetype i = 0; i < read.rowCount() && read.ok(); ++i) {
        PartIdentity row;
        row.part = read.text(i, u"part");
        row.name = read.text(i, u"name");
        row.rating = ratingOf(row.name);
        row.family = read.text(i, u"family");
        row.core = read.text(i, u"core");
        row.clockMhz = read.whole(i, u"clock_mhz");
        row.fsbMhz = read.whole(i, u"fsb_mhz");
        row.multiplier = read.decimal(i, u"multiplier");
        row.l2Kb = read.whole(i, u"l2_kb");
        row.vcore = read.decimal(i, u"vcore");
        row.package = read.text(i, u"package");
        row.maxTempC = read.whole(i, u"max_temp_c");
        row.socket = read.text(i, u"socket");
        row.note = read.text(i, u"note");
        row.basis = QLatin1StringView(PartIdentity::kKnownPart);
        row.sources = sources.cite(read, i);
        for (const char16_t* column : {u"part", u"name", u"family"})
            read.require(i, column);
        // Typed lines are looked up in upper case with single blanks (before a Slot A revision
        // letter); a part number written otherwise could never be matched.
        if (row.part != row.part.toUpper() || row.part != row.part.simplified())
            read.fail(
                i, tr("the part number '%1' is not upper case with single blanks").arg(row.part));
        else if (const auto seen = table.m_byPart.constFind(row.part);
                 seen != table.m_byPart.cend())
            read.fail(i, tr("the part number '%1' is already on line %2")
                             .arg(row.part)
                             .arg(read.lineNumber(*seen)));
        table.m_byPart.insert(row.part, table.m_rows.size());
        table.m_rows.append(std::move(row));
    }
    if (!read.ok()) {
        if (errorMessage)
            *errorMessage = read.error();
        return std::nullopt;
    }
    return table;
}

std::optional<PartIdentity> PartTable::identify(const QString& line1) const
{
    const auto found = m_byPart.constFind(line1);
    if (found == m_byPart.cend())
        return std::nullopt;
    return m_rows[*found];
}

} // namespace tallisk
