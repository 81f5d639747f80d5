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

class SourceList;

// What holds for every part built on one core, whatever its part number says (cores.tsv,
// compiled in, every row citing its sources): today the size of the L1 cache.
class CoreTable
{
    Q_DECLARE_TR_FUNCTIONS(CoreTable)

public:
    struct Core
    {
        int l1Kb = 0;
        QStringList sources; // as SourceList::cite() gives them
    };

    static const CoreTable& instance();

    // Reads the table; on a fault (a malformed row, a core given twice, a source not in
    // `sources`) nothing, and the fault as a sentence naming the line.
    static std::optional<CoreTable> fromTsv(QStringView text, const QString& sourceName,
                                            const SourceList& sources,
                                            QString* errorMessage = nullptr);
    // The same, citing the compiled-in list of sources.
    static std::optional<CoreTable> fromTsv(QStringView text, const QString& sourceName,
                                            QString* errorMessage = nullptr);

    // The row of one core by its name ("Thoroughbred B"), or nothing.
    const Core* find(const QString& core) const;

private:
    QHash<QString, Core> m_cores;
};

} // namespace tallisk
