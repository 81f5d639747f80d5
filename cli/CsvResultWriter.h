// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ResultWriter.h"

#include <QStringList>
#include <QStringView>

class QJsonValue;

namespace tallisk {

// Results as CSV for spreadsheets (RFC 4180): UTF-8, CR LF after every row, a header row, then
// one row per record. The cells hold the JSON output's values: texts as they are, lists joined
// by a line feed, numbers as JSON writes them, true/false, and an empty cell for null.
//
// A cell a spreadsheet would read as a formula, one that starts with =, +, -, @, TAB or CR,
// gets one apostrophe in front so that it stays text; so does a cell that already starts with
// an apostrophe, so that reading it back is always "drop one leading apostrophe".
class CsvResultWriter final : public ResultWriter
{
public:
    explicit CsvResultWriter(bool identify);

    // The header row's cells, in their order.
    QStringList header() const;

    void writeStart(QByteArray& out) override;
    void writeResult(QByteArray& out, const DecodeResult& result, qint64 number) override;
    void writeUnreadable(QByteArray& out, const QString& problem, qint64 number) override;

    // One cell, neutralised and quoted as needed, without a separator.
    static void appendCell(QByteArray& out, QStringView text);
    // The cell text of a JSON value.
    static QString cellText(const QJsonValue& value);

private:
    void endRow(QByteArray& out) const;

    bool m_identify;
    QStringList m_identityKeys;
};

} // namespace tallisk
