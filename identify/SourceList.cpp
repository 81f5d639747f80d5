// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "SourceList.h"

#include "ResourceText.h"
#include "TsvReader.h"

#include <QCoreApplication>

namespace tallisk {

const SourceList& SourceList::instance()
{
    static const SourceList list =
        loadResource<SourceList>(QStringLiteral(":/tallisk/identify/sources.tsv"));
    return list;
}

std::optional<SourceList> SourceList::fromTsv(QStringView text, const QString& sourceName,
                                              QString* errorMessage)
{
    TsvReader read(text,
                   {QStringLiteral("id"), QStringLiteral("title"), QStringLiteral("address"),
                    QStringLiteral("gave")},
                   sourceName);
    SourceList list;
    for (qsizetype row = 0; row < read.rowCount(); ++row) {
        const QString id = read.text(row, u"id");
        const QString title = read.text(row, u"title");
        const QString address = read.text(row, u"address");
        read.text(row, u"gave");
        for (const char16_t* column : {u"id", u"title", u"gave"})
            read.require(row, column);
        if (id.contains(u' '))
            read.fail(row, tr("the id '%1' holds a blank").arg(id));
        if (list.m_sources.contains(id))
            read.fail(row, tr("the id '%1' is given twice").arg(id));
        list.m_ids << id;
        list.m_sources.insert(id, Source{title, address});
    }
    if (!read.ok()) {
        if (errorMessage)
            *errorMessage = read.error();
        return std::nullopt;
    }
    return list;
}

std::optional<SourceList::Source> SourceList::source(const QString& id) const
{
    const auto found = m_sources.constFind(id);
    return found == m_sources.constEnd() ? std::nullopt : std::optional<Source>(*found);
}

QString SourceList::text(const QString& id) const
{
    const auto found = m_sources.constFind(id);
    if (found == m_sources.constEnd())
        return QString();
    return found->address.isEmpty() ? found->title : tr("%1, %2").arg(found->title, found->address);
}

QStringList SourceList::cite(TsvReader& read, qsizetype row, QStringView column) const
{
    QStringList ids;
    for (const QString& id : read.words(row, column)) {
        if (!contains(id))
            read.fail(row, tr("the source '%1' is not in the list of sources").arg(id));
        else if (!ids.contains(id))
            ids << id;
    }
    read.require(row, column);
    return ids;
}

} // namespace tallisk
