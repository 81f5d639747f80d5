// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// tallisk-bench-report TEMPLATE OUT [NAME=VALUE...] RESULTS.json...
// Fills the benchmark report's template (see BenchReport.h) and writes it to OUT safely.
#include "BenchReport.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>

#include <cstdio>

namespace {

int fail(const QString& message)
{
    std::fprintf(stderr, "tallisk-bench-report: %s\n", qPrintable(message));
    return 1;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 4)
        return fail(QStringLiteral("usage: TEMPLATE OUT [NAME=VALUE...] RESULTS.json..."));

    tallisk::BenchReport report;
    QString error;
    for (const QString& argument : arguments.mid(3)) {
        if (const qsizetype equals = argument.indexOf(u'='); equals > 0) {
            report.setVariable(argument.left(equals), argument.mid(equals + 1));
            continue;
        }
        QFile results(argument);
        if (!results.open(QIODevice::ReadOnly))
            return fail(argument + QStringLiteral(": ") + results.errorString());
        if (!report.addResults(results.readAll(), argument, &error))
            return fail(error);
    }

    QFile templateFile(arguments[1]);
    if (!templateFile.open(QIODevice::ReadOnly))
        return fail(arguments[1] + QStringLiteral(": ") + templateFile.errorString());
    const std::optional<QString> text =
        report.render(QString::fromUtf8(templateFile.readAll()), &error);
    if (!text)
        return fail(arguments[1] + QStringLiteral(": ") + error);

    QSaveFile out(arguments[2]);
    if (!out.open(QIODevice::WriteOnly) || out.write(text->toUtf8()) < 0 || !out.commit())
        return fail(arguments[2] + QStringLiteral(": ") + out.errorString());
    return 0;
}
