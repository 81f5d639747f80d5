// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "BenchReport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

namespace tallisk {

namespace {

// Google Benchmark's time units, in nanoseconds.
std::optional<double> nanosecondsPer(const QString& unit)
{
    if (unit == u"ns")
        return 1.0;
    if (unit == u"us")
        return 1e3;
    if (unit == u"ms")
        return 1e6;
    if (unit == u"s")
        return 1e9;
    return std::nullopt;
}

QString verdict(bool met)
{
    return met ? QStringLiteral("met") : QStringLiteral("**missed**");
}

QString fixed(double value, int decimals)
{
    return QString::number(value, 'f', decimals);
}

std::optional<double> number(const QString& text)
{
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

} // namespace

bool BenchReport::addResults(const QByteArray& json, const QString& sourceName, QString* error)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    const QJsonValue benchmarks = document.object().value(QStringLiteral("benchmarks"));
    if (!document.isObject() || !benchmarks.isArray()) {
        *error = tr("%1: not Google Benchmark's JSON output (%2)")
                     .arg(sourceName, parseError.error == QJsonParseError::NoError
                                          ? tr("no \"benchmarks\" array")
                                          : parseError.errorString());
        return false;
    }
    for (const QJsonValue& entry : benchmarks.toArray()) {
        const QJsonObject run = entry.toObject();
        const QString name = run.value(QStringLiteral("run_name")).toString();
        if (run.value(QStringLiteral("error_occurred")).toBool()) {
            *error =
                tr("%1: %2 failed: %3")
                    .arg(sourceName, name, run.value(QStringLiteral("error_message")).toString());
            return false;
        }
        if (run.value(QStringLiteral("aggregate_name")).toString() != u"median")
            continue;
        const std::optional<double> scale =
            nanosecondsPer(run.value(QStringLiteral("time_unit")).toString());
        if (!scale) {
            *error = tr("%1: %2 has no known time unit").arg(sourceName, name);
            return false;
        }
        Median median;
        median.realTimeNs = run.value(QStringLiteral("real_time")).toDouble() * *scale;
        // Whatever else is a number is a counter of the benchmark's own.
        static const QStringList kNotCounters{
            QStringLiteral("real_time"),        QStringLiteral("cpu_time"),
            QStringLiteral("iterations"),       QStringLiteral("repetitions"),
            QStringLiteral("repetition_index"), QStringLiteral("threads"),
            QStringLiteral("family_index"),     QStringLiteral("per_family_instance_index")};
        for (auto it = run.constBegin(); it != run.constEnd(); ++it) {
            if (it.value().isDouble() && !kNotCounters.contains(it.key()))
                median.counters.insert(it.key(), it.value().toDouble());
        }
        m_medians.insert(name, median);
    }
    return true;
}

void BenchReport::setVariable(const QString& name, const QString& value)
{
    m_variables.insert(name, value);
}

std::optional<QString> BenchReport::render(const QString& templateText, QString* error) const
{
    static const QRegularExpression placeholder(QStringLiteral("\\{\\{([^}]*)\\}\\}"));
    QString out;
    qsizetype done = 0;
    for (const QRegularExpressionMatch& match : placeholder.globalMatch(templateText)) {
        out += QStringView(templateText).mid(done, match.capturedStart() - done);
        const std::optional<QString> value =
            expand(match.captured(1).split(u' ', Qt::SkipEmptyParts), error);
        if (!value) {
            *error = tr("{{%1}}: %2").arg(match.captured(1), *error);
            return std::nullopt;
        }
        out += *value;
        done = match.capturedEnd();
    }
    out += QStringView(templateText).mid(done);
    return out;
}

std::optional<double> BenchReport::figure(const QString& run, const QString& counter,
                                          QString* error) const
{
    const auto median = m_medians.constFind(run);
    if (median == m_medians.cend()) {
        *error = tr("no median of %1 in the results").arg(run);
        return std::nullopt;
    }
    if (counter.isEmpty())
        return median->realTimeNs;
    const auto value = median->counters.constFind(counter);
    if (value == median->counters.cend()) {
        *error = tr("%1 has no counter %2").arg(run, counter);
        return std::nullopt;
    }
    return *value;
}

std::optional<QString> BenchReport::expand(const QStringList& words, QString* error) const
{
    const QString verb = words.value(0);
    const qsizetype count = words.size();
    auto bad = [&] {
        *error = tr("unknown placeholder or wrong number of words");
        return std::optional<QString>();
    };

    if (verb == u"var" && count == 2) {
        const auto value = m_variables.constFind(words[1]);
        if (value == m_variables.cend()) {
            *error = tr("no variable %1").arg(words[1]);
            return std::nullopt;
        }
        return *value;
    }

    // Real time in a unit, with the decimals that unit is read with.
    struct Unit
    {
        const char16_t* name;
        double ns;
        int decimals;
    };
    static constexpr Unit kUnits[] = {
        {u"ns", 1, 0}, {u"us", 1e3, 2}, {u"ms", 1e6, 1}, {u"s", 1e9, 2}};
    for (const Unit& unit : kUnits) {
        if (verb == unit.name && count == 2) {
            const std::optional<double> time = figure(words[1], QString(), error);
            return time ? std::optional<QString>(fixed(*time / unit.ns, unit.decimals))
                        : std::nullopt;
        }
    }

    if (verb == u"value" && count == 4) {
        const std::optional<double> value = figure(words[1], words[2], error);
        const std::optional<double> decimals = number(words[3]);
        if (!decimals)
            return bad();
        return value ? std::optional<QString>(fixed(*value, int(*decimals))) : std::nullopt;
    }
    if ((verb == u"ratio" && (count == 3 || count == 4)) ||
        (verb == u"within" && (count == 4 || count == 5))) {
        const QString counter = words.value(verb == u"ratio" ? 3 : 4);
        const std::optional<double> a = figure(words[1], counter, error);
        const std::optional<double> b = a ? figure(words[2], counter, error) : std::nullopt;
        if (!b)
            return std::nullopt;
        if (verb == u"ratio")
            return fixed(*a / *b, 2);
        const std::optional<double> factor = number(words[3]);
        return factor ? std::optional<QString>(verdict(*a <= *factor * *b)) : bad();
    }
    if (verb == u"below" && count == 3) {
        const std::optional<double> time = figure(words[1], QString(), error);
        const std::optional<double> limit = number(words[2]);
        if (!limit)
            return bad();
        return time ? std::optional<QString>(verdict(*time < *limit)) : std::nullopt;
    }
    if (verb == u"atleast" && count == 4) {
        const std::optional<double> value = figure(words[1], words[2], error);
        const std::optional<double> limit = number(words[3]);
        if (!limit)
            return bad();
        return value ? std::optional<QString>(verdict(*value >= *limit)) : std::nullopt;
    }
    return bad();
}

} // namespace tallisk
