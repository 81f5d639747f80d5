// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

namespace tallisk {

// One of identification's data files: tab-separated UTF-8 text, a header line naming the
// columns in their order, then one row per line; an empty cell is an unknown fact. Cells are
// asked for by their column's name, so the header list is the one place that names them. The reader
// keeps the first fault it meets, as "file, line N: why"; callers read every row in order and
// then ask error(), so a file with any fault is refused whole, never loaded in part.
class TsvReader
{
    Q_DECLARE_TR_FUNCTIONS(TsvReader)

public:
    TsvReader(QStringView text, const QStringList& columns, const QString& sourceName);

    bool ok() const { return m_error.isEmpty(); }
    QString error() const { return m_error; }
    qsizetype rowCount() const { return m_rows.size(); }

    // The cell as written; one with blanks around it is a fault.
    QString text(qsizetype row, QStringView column);
    // A whole number of at most six digits, greater than zero; nothing for an empty cell.
    std::optional<int> whole(qsizetype row, QStringView column);
    // Digits with at most one decimal point between digits, greater than zero.
    std::optional<double> decimal(qsizetype row, QStringView column);
    // Words separated by single blanks (a list of source names, field names, ...).
    QStringList words(qsizetype row, QStringView column);
    // Items separated by " | " (a list of cores, for instance).
    QStringList items(qsizetype row, QStringView column);
    void require(qsizetype row, QStringView column);

    // Records a fault of a row that the caller found (a duplicate, an unknown name, ...).
    void fail(qsizetype row, const QString& why);
    qsizetype lineNumber(qsizetype row) const { return row + 2; }

private:
    // The cell of a named column; a name the header does not have is a fault of the caller's.
    const QString& cell(qsizetype row, QStringView column);
    void failCell(qsizetype row, QStringView column, const QString& why);
    void failLine(qsizetype lineNumber, const QString& why);

    QStringList m_columns;
    QString m_sourceName;
    QList<QStringList> m_rows;
    QString m_error;
};

} // namespace tallisk
