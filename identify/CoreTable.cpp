// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "CoreTable.h"

#include "ResourceText.h"
#include "SourceList.h"
#include "TsvReader.h"

namespace tallisk {

namespace {

const QStringList kColumns{QStringLiteral("core"), QStringLiteral("l1_kb"),
                           QStringLiteral("source")};

} // namespace

const CoreTable& CoreTable::instance()
{
    static const CoreTable table =
        loadResource<CoreTable>(QStringLiteral(":/tallisk/identify/cores.tsv"));
    return table;
}

std::optional<CoreTable> CoreTable::fromTsv(QStringView text, const QString& sourceName,
                                            QString* errorMessage)
{
    return fromTsv(text, sourceName, SourceList::instance(), errorMessage);
}

std::optional<CoreTable> CoreTable::fromTsv(QStringView text, const QString& sourceName,
                                            const SourceList& sources, QString* errorMessage)
{
    TsvReader read(text, kColumns, sourceName);
    CoreTable table;
    for (qsizetype row = 0; row < read.rowCount(); ++row) {
        const QString name = read.text(row, u"core");
        Core core;
        core.l1Kb = read.whole(row, u"l1_kb").value_or(0);
        core.sources = sources.cite(read, row);
        for (const char16_t* column : {u"core", u"l1_kb"})
            read.require(row, column);
        if (table.m_cores.contains(name))
            read.fail(row, tr("the core '%1' is given twice").arg(name));
        table.m_cores.insert(name, core);
    }
    if (read.ok())
        return table;
    if (errorMessage)
        *errorMessage = read.error();
    return std::nullopt;
}

const CoreTable::Core* CoreTable::find(const QString& core) const
{
    const auto found = m_cores.constFind(core);
    return found == m_cores.cend() ? nullptr : &*found;
}

} // namespace tallisk
