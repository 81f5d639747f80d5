// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace tallisk::test {

// An RFC 4180 reader, strict: every row ends with CR LF, a quote only opens a cell or is
// doubled inside a quoted one, and no bare CR or LF outside quotes. On a fault, no rows and
// the fault in `problem`.
inline QList<QStringList> readCsv(const QByteArray& bytes, QString* problem)
{
    QList<QStringList> rows;
    QStringList row;
    QByteArray cell;
    qsizetype i = 0;
    const auto fail = [&](const char* what) {
        *problem = QStringLiteral("%1 at byte %2").arg(QLatin1StringView(what)).arg(i);
        return QList<QStringList>();
    };
    while (i < bytes.size()) {
        cell.clear();
        if (bytes[i] == '"') {
            for (++i;; ++i) {
                if (i >= bytes.size())
                    return fail("unterminated quoted cell");
                if (bytes[i] != '"') {
                    cell += bytes[i];
                } else if (i + 1 < bytes.size() && bytes[i + 1] == '"') {
                    cell += '"';
                    ++i;
                } else {
                    ++i;
                    break;
                }
            }
        } else {
            while (i < bytes.size() && bytes[i] != ',' && bytes[i] != '\r' && bytes[i] != '\n') {
                if (bytes[i] == '"')
                    return fail("quote inside an unquoted cell");
                cell += bytes[i++];
            }
        }
        row << QString::fromUtf8(cell);
        if (i < bytes.size() && bytes[i] == ',') {
            ++i;
            continue;
        }
        if (i + 1 >= bytes.size() || bytes[i] != '\r' || bytes[i + 1] != '\n')
            return fail("row not ended by CR LF");
        i += 2;
        rows << row;
        row.clear();
    }
    problem->clear();
    return rows;
}

// The text a cell stands for: one apostrophe the writer put in front is dropped.
inline QString cellValue(const QString& cell)
{
    return cell.startsWith(u'\'') ? cell.sliced(1) : cell;
}

} // namespace tallisk::test
