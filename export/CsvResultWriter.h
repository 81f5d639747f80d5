// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FieldTable.h"
#include "PartIdentity.h"
#include "ResultWriter.h"

#include <QStringList>
#include <QStringView>

#include <array>

namespace tallisk {

// Results as CSV for spreadsheets (RFC 4180): UTF-8, CR LF after every row, a header row, then
// one row per record. The cells hold the JSON output's values: texts as they are, lists joined
// by a line feed, numbers as JSON writes them, true/false, and an empty cell for null. The
// identity's columns are the keys of identityKeys(), as the JSON's identity object has them.
// `tallisk-decode --csv` and the window's Save Result As both write with it.
//
// A cell a spreadsheet would read as a formula, one that starts with =, +, -, @, TAB or CR,
// gets one apostrophe in front so that it stays text; so does a cell that already starts with
// an apostrophe, so that reading it back is always "drop one leading apostrophe".
class CsvResultWriter final : public ResultWriter
{
public:
    // `identify`: the identification's columns follow the decoder's; `citations`: how their
    // sources are written.
    explicit CsvResultWriter(bool identify, Citations citations = Citations::Whole);

    // The header row's cells, in their order.
    QStringList header() const;

    void writeStart(QByteArray& out) override;
    void writeResult(QByteArray& out, const DecodeResult& result, qint64 number) override;
    void writeUnreadable(QByteArray& out, const QString& problem, qint64 number) override;

    // One cell, neutralised and quoted as needed, without a separator.
    static void appendCell(QByteArray& out, QStringView text);

private:
    class Row;

    void writeIdentification(Row& row, const Identification* identification);
    // A cell of lines joined by a line feed, `lineOf` appending each item's line to m_cell.
    template <typename Items, typename LineOf>
    const QString& joined(const Items& items, const LineOf& lineOf);

    bool m_identify;
    Citations m_citations;
    std::array<QString, kFieldCount> m_captions; // the fields' captions, translated
    std::array<QString, 4> m_sentenceTexts;      // by RowVerdict
    QString m_cell; // the text of a cell of lines, its memory reused from record to record
};

} // namespace tallisk
