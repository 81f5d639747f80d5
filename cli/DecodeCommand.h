// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Identification.h"
#include "PartIdentity.h"

#include <QCoreApplication>
#include <QJsonObject>
#include <QStringList>

#include <memory>
#include <optional>

class QIODevice;

namespace tallisk {

class BufferedOutput;
class DecodeRecord;
class ResultWriter;
enum class PassOutcome;

// The `tallisk-decode` command: one decode pass over lines given as arguments, or a batch of
// records read from a file. It reads and writes only the devices it is given, so tests can
// run it in-process. Standard output goes through one buffer, and every write of it and the
// final flush are checked: output that was lost is never a success.
class DecodeCommand
{
    Q_DECLARE_TR_FUNCTIONS(DecodeCommand)

public:
    // Exit statuses, the only ones it ends with: EXIT_SUCCESS; EXIT_FAILURE when a message
    // ended a single pass early or the output could not be written; kUsageError for a bad
    // command line, a file that cannot be read or (--html) written, or memory that ran out
    // during a batch.
    static constexpr int kUsageError = 2;

    DecodeCommand(QIODevice& in, QIODevice& out, QIODevice& err);
    ~DecodeCommand();

    // `arguments` starts with the program's name, as QCoreApplication::arguments() does.
    int run(const QStringList& arguments);

    // One batch line as its code lines: UTF-8, TAB-separated, the line ending not included.
    // Returns the reason when the record cannot be read, or the empty text.
    static QString splitRecord(QByteArrayView bytes, QStringList* lines);

    // The JSON form of one pass's result built with the toolkit, as the command's output reads
    // back: the reference that the command's own writer is checked against.
    static QJsonObject resultJson(const DecodeRecord& record, PassOutcome outcome);

    // Adds what --identify adds to that form, from an identification already made: `identity`,
    // the part that line 1 names (null when not known), its sources written as `citations`
    // says; `disagreements`, the rows the marking tables disagree with it on; `reason`, why a
    // line is not known; `suggestions`, the closest part numbers identification names for a
    // line that is not known (hints only; null when not searched for); and `unread`, the
    // letters not read.
    static void addIdentity(QJsonObject& result, const Identification& identification,
                            Citations citations = Citations::Whole);

private:
    enum class Format
    {
        Text,
        Json,
        Csv
    };

    int runSingle(const QStringList& lines, Format format, bool identify, const QString& htmlFile);
    // `identify` holds whether suggestions are searched for; nothing without --identify.
    int runBatch(const QString& source, Format format,
                 std::optional<Identification::Suggestions> identify);
    int runSources(Format format);
    void writeText(const DecodeRecord& record, const Identification* identification);
    // Ends the run: flushes standard output and reports it if any of it was lost.
    int finish(int status);
    void writeOut(const QString& text);
    void writeErr(const QString& text);
    int usageError(const QString& problem);

    QIODevice& m_in;
    QIODevice& m_err;
    std::unique_ptr<BufferedOutput> m_out;
};

} // namespace tallisk
