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
// gave. A row citing an id that is not here is a load error of that table.
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

    bool contains(const QString& id) const { return m_text.contains(id); }
    // How an answer names the source: its title, then its address.
    QString text(const QString& id) const { return m_text.value(id); }
    const QStringList& ids() const { return m_ids; }
    // The source behind one of an answer's `sources` texts, as text() gives them, for a reader
    // that shows the title and links the address; nothing for a text no source gives.
    std::optional<Source> cited(const QString& citation) const;

    // The sources a table's cell cites, as texts; the cell holds ids separated by blanks and
    // must cite at least one. An unknown id is a fault of that row.
    QStringList cite(TsvReader& read, qsizetype row, QStringView column = u"source") const;

private:
    QStringList m_ids;
    QHash<QString, QString> m_text;
    QHash<QString, Source> m_cited; // by the text an answer names the source with
};

} // namespace tallisk
