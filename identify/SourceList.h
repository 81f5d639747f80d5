// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

namespace tallisk {

class TsvReader;

// The public sources behind identification's tables (sources.tsv, compiled in): each has a
// short id, which the rows of the other tables cite, its title and its address, and what it
// gave. A row citing an id that is not here is a load error of that table. Answers carry the
// ids; this list turns them into titles and addresses where an answer is shown.
class SourceList
{
    Q_DECLARE_TR_FUNCTIONS(SourceList)

public:
    // One source as a reader sees it: what it is, and where to find it (empty when the source
    // has no address of its own, as for a forum post named by its title).
    struct Source
    {
        QString title;
        QString address;
        friend bool operator==(const Source&, const Source&) = default;
    };

    static const SourceList& instance();

    // Reads the list from text; on a fault, nothing and a sentence naming the line.
    static std::optional<SourceList> fromTsv(QStringView text, const QString& sourceName,
                                             QString* errorMessage = nullptr);

    bool contains(const QString& id) const { return m_sources.contains(id); }
    // Every id, in the order of the file.
    const QStringList& ids() const { return m_ids; }
    // The source of an id, for a reader that shows the title and links the address; nothing
    // for an id that is not in the list.
    std::optional<Source> source(const QString& id) const;
    // How a whole citation names the source: its title, then its address; empty for an id
    // that is not in the list.
    QString text(const QString& id) const;

    // The ids a table's cell cites, each once; the cell holds ids separated by blanks and must
    // cite at least one. An unknown id is a fault of that row.
    QStringList cite(TsvReader& read, qsizetype row, QStringView column = u"source") const;

private:
    QStringList m_ids;
    QHash<QString, Source> m_sources;
};

} // namespace tallisk
