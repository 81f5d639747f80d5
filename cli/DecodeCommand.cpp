// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "DecodeCommand.h"

#include "DecodePass.h"
#include "DecodeRecord.h"
#include "FieldTable.h"
#include "PartIdentifier.h"
#include "TableFileWriter.h"
#include "TalliskVersion.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QStringDecoder>

#include <cstdlib>

namespace tallisk {

namespace {

constexpr const char* kProgram = "tallisk-decode";

DecodeRecord decode(const QStringList& lines, PassOutcome* outcome)
{
    DecodeRecord record(lines.value(0), lines.value(1), lines.value(2));
    *outcome = runDecodePass(record);
    return record;
}

// The line --identify adds after the seventeen rows, ending with the basis of the answer.
QString identifiedLine(const std::optional<PartIdentity>& identity)
{
    return (identity ? DecodeCommand::tr("Identified: %1 [%2]")
                           .arg(identity->summary(), identity->basis)
                     : DecodeCommand::tr("Identified: not known")) +
           u'\n';
}

} // namespace

DecodeCommand::DecodeCommand(QIODevice& in, QIODevice& out, QIODevice& err)
    : m_in(in), m_out(out), m_err(err)
{}

QString DecodeCommand::splitRecord(QByteArray bytes, QStringList* lines)
{
    if (bytes.endsWith('\n'))
        bytes.chop(1);
    if (bytes.endsWith('\r'))
        bytes.chop(1);
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return tr("invalid UTF-8");
    *lines = text.split(u'\t');
    if (lines->size() > 3)
        return tr("more than three fields (%1)").arg(lines->size());
    return QString();
}

QJsonObject DecodeCommand::resultJson(const DecodeRecord& record, PassOutcome outcome)
{
    QJsonObject fields;
    for (const FieldInfo& info : fieldTable())
        fields.insert(QLatin1StringView(info.jsonKey), record.field(info.field));
    return QJsonObject{
        {QStringLiteral("line1"), record.line1()},
        {QStringLiteral("line2"), record.line2()},
        {QStringLiteral("line3"), record.line3()},
        {QStringLiteral("model_name"), record.modelName()},
        {QStringLiteral("fields"), fields},
        {QStringLiteral("messages"), QJsonArray::fromStringList(record.messages())},
        {QStringLiteral("completed"), outcome == PassOutcome::Completed},
    };
}

void DecodeCommand::addIdentity(QJsonObject& result, const QString& line1, const QString& stepping)
{
    const std::optional<PartIdentity> identity = PartIdentifier::identify(line1, stepping);
    result.insert(QStringLiteral("identity"),
                  identity ? QJsonValue(identity->toJson()) : QJsonValue(QJsonValue::Null));
    result.insert(
        QStringLiteral("suggestions"),
        QJsonArray::fromStringList(identity ? QStringList() : PartIdentifier::suggestions(line1)));
}

int DecodeCommand::run(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        tr("Decodes the marking code printed on the lid of an Athlon, Athlon XP or Duron "
           "processor, as the window's \"Check\" does."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  tr("Shows this help and exits."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     tr("Shows the version and exits."));
    const QCommandLineOption json(QStringLiteral("json"), tr("Prints the result as JSON."));
    const QCommandLineOption html(QStringLiteral("html"),
                                  tr("Also writes the result as an HTML table to <file>."),
                                  tr("file"));
    const QCommandLineOption batch(
        QStringLiteral("batch"),
        tr("Decodes one record per line of <file> (- for standard input), its lines separated "
           "by TAB, and prints one JSON object per record."),
        tr("file"));
    const QCommandLineOption identify(
        QStringLiteral("identify"),
        tr("Also names the real part that line 1 is the part number of, from the part table "
           "(\"not known\" for a part number the table does not hold)."));
    parser.addOptions({help, version, json, html, batch, identify});
    parser.addPositionalArgument(QStringLiteral("LINE1"), tr("Line 1 of the marking code."));
    parser.addPositionalArgument(QStringLiteral("LINE2"), tr("Line 2 (optional)."),
                                 QStringLiteral("[LINE2"));
    parser.addPositionalArgument(QStringLiteral("LINE3"), tr("Line 3 (optional)."),
                                 QStringLiteral("[LINE3]]"));

    if (!parser.parse(arguments))
        return usageError(parser.errorText());
    if (parser.isSet(help)) {
        writeOut(parser.helpText());
        return EXIT_SUCCESS;
    }
    if (parser.isSet(version)) {
        writeOut(QStringLiteral("%1 %2\n").arg(QLatin1StringView(kProgram),
                                               QLatin1StringView(TALLISK_VERSION_STRING)));
        return EXIT_SUCCESS;
    }

    const QStringList lines = parser.positionalArguments();
    if (parser.isSet(batch)) {
        if (!lines.isEmpty())
            return usageError(tr("--batch takes no code lines as arguments"));
        if (parser.isSet(html))
            return usageError(tr("--html cannot be used with --batch"));
        return runBatch(parser.value(batch), parser.isSet(identify));
    }
    if (lines.isEmpty())
        return usageError(tr("missing LINE1"));
    if (lines.size() > 3)
        return usageError(tr("too many code lines (%1); at most three").arg(lines.size()));
    return runSingle(lines, parser.isSet(json), parser.isSet(identify),
                     parser.isSet(html) ? parser.value(html) : QString());
}

int DecodeCommand::runSingle(const QStringList& lines, bool json, bool identify,
                             const QString& htmlFile)
{
    PassOutcome outcome;
    const DecodeRecord record = decode(lines, &outcome);
    for (const QString& message : record.messages())
        writeErr(message + u'\n');

    if (!htmlFile.isNull()) {
        QString error;
        if (!TableFileWriter::exportTable(record, htmlFile, &error)) {
            writeErr(QStringLiteral("%1: %2\n").arg(QLatin1StringView(kProgram), error));
            return kUsageError;
        }
    }

    if (json) {
        QJsonObject result = resultJson(record, outcome);
        if (identify)
            addIdentity(result, record.line1(), record.field(Field::Stepping));
        writeOut(QString::fromUtf8(QJsonDocument(result).toJson(QJsonDocument::Indented)));
    } else {
        QString text = record.modelName() + u'\n';
        for (const FieldInfo& info : fieldTable()) {
            text += QCoreApplication::translate(kFieldTableContext, info.caption) +
                    QStringLiteral(": ") + record.field(info.field) + u'\n';
        }
        std::optional<PartIdentity> identity;
        if (identify) {
            identity = PartIdentifier::identify(record.line1(), record.field(Field::Stepping));
            text += identifiedLine(identity);
        }
        writeOut(text);
        // Near misses are hints for the person at the terminal, kept out of the result.
        if (identify && !identity) {
            const QStringList close = PartIdentifier::suggestions(record.line1());
            if (!close.isEmpty())
                writeErr(tr("%1: closest known parts (not an identification): %2\n")
                             .arg(QLatin1StringView(kProgram), close.join(QStringLiteral(", "))));
        }
    }
    return outcome == PassOutcome::Completed ? EXIT_SUCCESS : EXIT_FAILURE;
}

int DecodeCommand::runBatch(const QString& source, bool identify)
{
    QFile file;
    QIODevice* input = &m_in;
    if (source != u"-") {
        file.setFileName(source);
        if (!file.open(QIODevice::ReadOnly)) {
            writeErr(QStringLiteral("%1: %2: %3\n")
                         .arg(QLatin1StringView(kProgram), source, file.errorString()));
            return kUsageError;
        }
        input = &file;
    }

    qint64 number = 0;
    while (!input->atEnd()) {
        const QByteArray bytes = input->readLine();
        if (bytes.isEmpty())
            break;
        ++number;
        QStringList lines;
        QJsonObject object;
        const QString problem = splitRecord(bytes, &lines);
        if (problem.isEmpty()) {
            PassOutcome outcome;
            const DecodeRecord record = decode(lines, &outcome);
            object = resultJson(record, outcome);
            if (identify)
                addIdentity(object, record.line1(), record.field(Field::Stepping));
        } else {
            object.insert(QStringLiteral("error"), problem);
        }
        object.insert(QStringLiteral("record"), number);
        m_out.write(QJsonDocument(object).toJson(QJsonDocument::Compact));
        m_out.write("\n", 1);
    }
    return EXIT_SUCCESS;
}

void DecodeCommand::writeOut(const QString& text)
{
    m_out.write(text.toUtf8());
}

void DecodeCommand::writeErr(const QString& text)
{
    m_err.write(text.toUtf8());
}

int DecodeCommand::usageError(const QString& problem)
{
    writeErr(QStringLiteral("%1: %2 (see %1 --help)\n").arg(QLatin1StringView(kProgram), problem));
    return kUsageError;
}

} // namespace tallisk
