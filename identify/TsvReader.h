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
// columns in their order, then one row per line; an empty cell is an unknown fact. The reader
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
    QString text(qsizetype row, qsizetype column);
    // A whole number of at most six digits, greater than zero; nothing for an empty cell.
    std::optional<int> whole(qsizetype row, qsizetype column);
    // Digits with at most one decimal point between digits, greater than zero.
    std::optional<double> decimal(qsizetype row, qsizetype column);
    // Words separated by single blanks (a list of source names, field names, ...).
    QStringList words(qsizetype row, qsizetype column);
    // Items separated by " | " (a list of cores, for instance).
    QStringList items(qsizetype row, qsizetype column);
    void require(qsizetype row, qsizetype column);

    // Records a fault of a row that the caller found (a duplicate, an unknown name, ...).
    void fail(qsizetype row, const QString& why);
    qsizetype lineNumber(qsizetype row) const { return row + 2; }

private:
    void failCell(qsizetype row, qsizetype column, const QString& why);
    void failLine(qsizetype lineNumber, const QString& why);

    QStringList m_columns;
    QString m_sourceName;
    QList<QStringList> m_rows;
    QString m_error;
};

} // namespace tallisk
