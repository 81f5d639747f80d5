// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFile>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QTest>

#include <array>
#include <cstddef>
#include <list>
#include <utility>

namespace tallisk::test {

// QFETCH as an expression, for a value used once.
template <typename T> T fetch(const char* name)
{
    return *static_cast<T*>(QTest::qData(name, qMetaTypeId<T>()));
}

// The bytes of the file at `path`; none when it cannot be read.
inline QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Writes `bytes` to the file at `path`, replacing it; whether all of them reached it.
inline bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size() && file.flush();
}

// A data table's columns in one line: addColumns<QString, int>({"line", "clock"}) declares the
// column "line" of type QString, then "clock" of type int.
template <typename... Types> void addColumns(const std::array<const char*, sizeof...(Types)>& names)
{
    std::size_t column = 0;
    (QTest::addColumn<Types>(names[column++]), ...);
}

// A cell of a test's TSV table as text: \t, \n, \r and \\ stand for a tab, a line feed, a
// carriage return and a backslash, \uXXXX for that UTF-16 unit; everything else as it stands.
inline QString unescapedCell(const QString& cell)
{
    QString text;
    for (qsizetype i = 0; i < cell.size(); ++i) {
        if (cell[i] != u'\\' || i + 1 == cell.size()) {
            text += cell[i];
            continue;
        }
        const QChar next = cell[++i];
        if (next == u'u' && i + 4 < cell.size()) {
            text += QChar(cell.mid(i + 1, 4).toUShort(nullptr, 16));
            i += 4;
        } else {
            text += next == u't' ? u'\t' : next == u'n' ? u'\n' : next == u'r' ? u'\r' : next;
        }
    }
    return text;
}

template <typename T> T cellAs(const QString& cell);
template <> inline QString cellAs<QString>(const QString& cell)
{
    return unescapedCell(cell);
}
template <> inline QByteArray cellAs<QByteArray>(const QString& cell)
{
    return unescapedCell(cell).toUtf8();
}

template <typename... Types, std::size_t... I>
void addTsvRow(const QStringList& cells, std::index_sequence<I...>)
{
    (QTest::newRow(qPrintable(cells[0])) << ... << cellAs<Types>(cells[I + 1]));
}

// The rows of a tab-separated table beside the test (UTF-8): the first line names the tag and
// then each column, of the types given in that order; each further line is one row, its tag
// first. Lines starting with # are comments.
template <typename... Types> void addTsvRows(const char* fileName)
{
    QFile file(QFINDTESTDATA(fileName));
    QVERIFY2(file.open(QIODevice::ReadOnly | QIODevice::Text), fileName);
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
    QVERIFY2(!lines.isEmpty(), fileName);
    const QStringList header = lines.first().split(u'\t');
    QCOMPARE(header.size(), qsizetype(sizeof...(Types) + 1));
    // Qt Test keeps a column's name by its pointer: the names must outlive the test run.
    static std::list<QByteArray> names;
    std::size_t column = 1;
    (QTest::addColumn<Types>(names.emplace_back(header[column++].toUtf8()).constData()), ...);
    for (qsizetype n = 1; n < lines.size(); ++n) {
        if (lines[n].startsWith(u'#'))
            continue;
        const QString where =
            QStringLiteral("%1, line %2").arg(QString::fromLatin1(fileName)).arg(n + 1);
        // A mistyped escape would quietly stand for another text.
        static const QRegularExpression escape(QStringLiteral(R"(\\(u[0-9A-Fa-f]{4}|[tnr\\])?)"));
        for (auto it = escape.globalMatch(lines[n]); it.hasNext();)
            QVERIFY2(it.next().hasCaptured(1),
                     qPrintable(where + QStringLiteral(": unknown escape")));
        const QStringList cells = lines[n].split(u'\t');
        QVERIFY2(cells.size() == header.size(),
                 qPrintable(where + QStringLiteral(": wrong number of cells")));
        addTsvRow<Types...>(cells, std::index_sequence_for<Types...>{});
    }
}

} // namespace tallisk::test
