// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PartIdentity.h"

#include <QCoreApplication>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

namespace tallisk {

class SourceList;

// The known-part table: real chips by their ordering part number, each row with the public
// sources that state it. The knowledge is the data file parts.tsv, compiled in as a resource;
// this class only reads and looks it up.
//
// The file is tab-separated text in UTF-8: a header line naming the fourteen columns in their
// order (part, name, family, core, clock_mhz, fsb_mhz, multiplier, l2_kb, vcore, package,
// max_temp_c, socket, note, source), then one row per ordering part number, in upper case.
// An empty cell is an unknown fact; `source` holds the ids of sources.tsv that state the row.
// Any row the loader cannot take whole is a load error, never skipped.
class PartTable
{
    Q_DECLARE_TR_FUNCTIONS(PartTable)

public:
    // The compiled-in table. Its data is checked by the tests; a table that fails to load is
    // a broken build, so this stops the program with the loader's message.
    static const PartTable& instance();

    // Reads a table from text. On a malformed header, row or cell, a part number given twice
    // or a source not in `sources`, returns nothing and, if `errorMessage` is given, sets it to
    // a sentence naming `sourceName`, the line and the fault.
    static std::optional<PartTable> fromTsv(QStringView text, const QString& sourceName,
                                            const SourceList& sources,
                                            QString* errorMessage = nullptr);
    // The same, citing the compiled-in list of sources.
    static std::optional<PartTable> fromTsv(QStringView text, const QString& sourceName,
                                            QString* errorMessage = nullptr);

    // The row of a part number, matched exactly (PartIdentifier reads a typed line loosely
    // and asks with the part number alone). Nothing when the table does not know it.
    std::optional<PartIdentity> identify(const QString& line1) const;

    bool contains(const QString& line1) const { return m_byPart.contains(line1); }

    const QList<PartIdentity>& rows() const { return m_rows; }

private:
    QList<PartIdentity> m_rows;
    QHash<QString, qsizetype> m_byPart;
};

} // namespace tallisk
