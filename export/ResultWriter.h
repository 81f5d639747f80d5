// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace tallisk {

class DecodeTarget;
class Identification;
enum class PassOutcome;

// One pass's result as the command prints it and the window saves it.
struct DecodeResult
{
    const DecodeTarget& checked; // the three lines, the model name and the seventeen fields
    const QStringList& messages; // every message the pass showed, in order
    PassOutcome outcome;
    const Identification* identification = nullptr; // with --identify, and in the window's CSV
};

// Writes results in one output format, appended to a buffer the caller owns.
class ResultWriter
{
public:
    virtual ~ResultWriter() = default;

    // What comes before the first record (a header), if anything.
    virtual void writeStart(QByteArray& out) = 0;
    // One result; `number` counts batch records from 1, and is 0 for a single decode.
    virtual void writeResult(QByteArray& out, const DecodeResult& result, qint64 number) = 0;
    // A batch record that could not be read, and why.
    virtual void writeUnreadable(QByteArray& out, const QString& problem, qint64 number) = 0;
};

} // namespace tallisk
