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
        if (list.m_text.contains(id))
            read.fail(row, tr("the id '%1' is given twice").arg(id));
        list.m_ids << id;
        const QString citation = address.isEmpty() ? title : tr("%1, %2").arg(title, address);
        list.m_text.insert(id, citation);
        list.m_cited.insert(citation, Source{title, address});
    }
    if (!read.ok()) {
        if (errorMessage)
            *errorMessage = read.error();
        return std::nullopt;
    }
    return list;
}

std::optional<SourceList::Source> SourceList::cited(const QString& citation) const
{
    const auto found = m_cited.constFind(citation);
    return found == m_cited.constEnd() ? std::nullopt : std::optional<Source>(*found);
}

QStringList SourceList::cite(TsvReader& read, qsizetype row, QStringView column) const
{
    QStringList texts;
    for (const QString& id : read.words(row, column)) {
        if (!contains(id))
            read.fail(row, tr("the source '%1' is not in the list of sources").arg(id));
        else if (!texts.contains(text(id)))
            texts << text(id);
    }
    read.require(row, column);
    return texts;
}

} // namespace tallisk
