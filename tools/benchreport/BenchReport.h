// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>

namespace tallisk {

// Fills the benchmark report's template with the medians of Google Benchmark's JSON output.
//
// The template is Markdown with placeholders between double braces; RUN is a benchmark's run
// name as Google Benchmark prints it (e.g. "BM_Batch_Decode/iterations:1/manual_time"), and
// every figure is that run's median:
//   {{ns RUN}} {{us RUN}} {{ms RUN}} {{s RUN}}   its real time in that unit
//   {{value RUN COUNTER DECIMALS}}             one of its counters
//   {{ratio RUN_A RUN_B [COUNTER]}}            A over B (real time, or the counter), 2 decimals
//   {{below RUN NANOSECONDS}}                  "met" when the real time is below the limit
//   {{atleast RUN COUNTER VALUE}}              "met" when the counter reaches the value
//   {{within RUN_A RUN_B FACTOR [COUNTER]}}    "met" when A is at most FACTOR times B
//   {{var NAME}}                               a text given by the caller (the machine, say)
// A missed target reads "**missed**". A placeholder naming a run, counter or variable that is
// not there is an error, so the template and the benchmarks cannot drift apart unnoticed.
class BenchReport
{
    Q_DECLARE_TR_FUNCTIONS(BenchReport)

public:
    // Takes the medians of one file of Google Benchmark's JSON output. Returns false with
    // *error set when the text is not such output or a benchmark reported an error.
    bool addResults(const QByteArray& json, const QString& sourceName, QString* error);

    void setVariable(const QString& name, const QString& value);

    // The filled template, or nothing with *error naming the first placeholder that failed.
    std::optional<QString> render(const QString& templateText, QString* error) const;

private:
    struct Median
    {
        double realTimeNs = 0;
        QHash<QString, double> counters;
    };

    std::optional<QString> expand(const QStringList& words, QString* error) const;
    std::optional<double> figure(const QString& run, const QString& counter, QString* error) const;

    QHash<QString, Median> m_medians;
    QHash<QString, QString> m_variables;
};

} // namespace tallisk
