// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QJsonObject>
#include <QStringList>

class QIODevice;

namespace tallisk {

class DecodeRecord;
enum class PassOutcome;

// The `tallisk-decode` command: one decode pass over lines given as arguments, or a batch of
// records read from a file. It reads and writes only the devices it is given, so tests can
// run it in-process.
class DecodeCommand
{
    Q_DECLARE_TR_FUNCTIONS(DecodeCommand)

public:
    // Exit statuses: EXIT_SUCCESS, EXIT_FAILURE when a message ended a single pass early,
    // kUsageError for a bad command line or a file that cannot be opened or written.
    static constexpr int kUsageError = 2;

    DecodeCommand(QIODevice& in, QIODevice& out, QIODevice& err);

    // `arguments` starts with the program's name, as QCoreApplication::arguments() does.
    int run(const QStringList& arguments);

    // One batch line as its code lines: UTF-8, TAB-separated, the line ending not included.
    // Returns the reason when the record cannot be read, or the empty text.
    static QString splitRecord(QByteArray bytes, QStringList* lines);

    // The JSON form of one pass's result.
    static QJsonObject resultJson(const DecodeRecord& record, PassOutcome outcome);

    // Adds what --identify adds to that form: `identity`, the real part that line 1 names (null
    // when it is not known), and `suggestions`, the closest known part numbers for a line that
    // is not known (hints only, never an identification). `stepping` is the decoded stepping
    // code, which tells Thoroughbred A from B where the part number cannot.
    static void addIdentity(QJsonObject& result, const QString& line1,
                            const QString& stepping = QString());

private:
    int runSingle(const QStringList& lines, bool json, bool identify, const QString& htmlFile);
    int runBatch(const QString& source, bool identify);
    void writeOut(const QString& text);
    void writeErr(const QString& text);
    int usageError(const QString& problem);

    QIODevice& m_in;
    QIODevice& m_out;
    QIODevice& m_err;
};

} // namespace tallisk
