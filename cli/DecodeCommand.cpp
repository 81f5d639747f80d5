// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "DecodeCommand.h"

#include "BufferedOutput.h"
#include "CsvResultWriter.h"
#include "DecodePass.h"
#include "DecodeRecord.h"
#include "FieldTable.h"
#include "Identification.h"
#include "JsonResultWriter.h"
#include "LineReader.h"
#include "TableFileWriter.h"
#include "TalliskVersion.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QStringDecoder>

#include <cstdlib>
#include <optional>

namespace tallisk {

namespace {

constexpr const char* kProgram = "tallisk-decode";

std::unique_ptr<ResultWriter> resultWriter(bool csv, JsonWriter::Style style, bool identify)
{
    if (csv)
        return std::make_unique<CsvResultWriter>(identify);
    return std::make_unique<JsonResultWriter>(style);
}

QString tooManyFields(qsizetype count)
{
    return DecodeCommand::tr("more than three fields (%1)").arg(count);
}

} // namespace

DecodeCommand::DecodeCommand(QIODevice& in, QIODevice& out, QIODevice& err)
    : m_in(in), m_err(err), m_out(std::make_unique<BufferedOutput>(out))
{}

DecodeCommand::~DecodeCommand() = default;

QString DecodeCommand::splitRecord(QByteArrayView bytes, QStringList* lines)
{
    if (bytes.endsWith('\n'))
        bytes.chop(1);
    if (bytes.endsWith('\r'))
        bytes.chop(1);
    lines->clear();
    const bool ascii = std::all_of(bytes.begin(), bytes.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (!ascii) {
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString text = decoder.decode(bytes);
        if (decoder.hasError())
            return tr("invalid UTF-8");
        *lines = text.split(u'\t');
        return lines->size() > 3 ? tooManyFields(lines->size()) : QString();
    }
    // Plain ASCII, the common case: split the bytes, with no decoder to set up.
    const qsizetype fields = bytes.count('\t') + 1;
    if (fields > 3)
        return tooManyFields(fields);
    lines->reserve(fields);
    for (;;) {
        const qsizetype tab = bytes.indexOf('\t');
        lines->append(QString::fromLatin1(tab < 0 ? bytes : bytes.first(tab)));
        if (tab < 0)
            return QString();
        bytes = bytes.sliced(tab + 1);
    }
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

void DecodeCommand::addIdentity(QJsonObject& result, const DecodeRecord& record)
{
    addIdentity(result, Identification::of(record));
}

void DecodeCommand::addIdentity(QJsonObject& result, const Identification& identification)
{
    result.insert(QStringLiteral("identity"), identification.known()
                                                  ? QJsonValue(identification.identity())
                                                  : QJsonValue(QJsonValue::Null));
    result.insert(QStringLiteral("suggestions"),
                  QJsonArray::fromStringList(identification.suggestions()));
    result.insert(QStringLiteral("reason"), identification.reason().isEmpty()
                                                ? QJsonValue(QJsonValue::Null)
                                                : QJsonValue(identification.reason()));
    result.insert(QStringLiteral("unread"), identification.unreadJson());
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
    const QCommandLineOption csv(
        QStringLiteral("csv"),
        tr("Prints the result as CSV for spreadsheets: a header row, then one row per record."));
    const QCommandLineOption html(QStringLiteral("html"),
                                  tr("Also writes the result as an HTML table to <file>."),
                                  tr("file"));
    const QCommandLineOption batch(
        QStringLiteral("batch"),
        tr("Decodes one record per line of <file> (- for standard input), its lines separated "
           "by TAB, and prints one JSON object per record (or, with --csv, one row)."),
        tr("file"));
    const QCommandLineOption identify(
        QStringLiteral("identify"),
        tr("Also names the real part that line 1 is the part number of, from the part table "
           "(\"not known\" for a part number the table does not hold)."));
    parser.addOptions({help, version, json, csv, html, batch, identify});
    parser.addPositionalArgument(QStringLiteral("LINE1"), tr("Line 1 of the marking code."));
    parser.addPositionalArgument(QStringLiteral("LINE2"), tr("Line 2 (optional)."),
                                 QStringLiteral("[LINE2"));
    parser.addPositionalArgument(QStringLiteral("LINE3"), tr("Line 3 (optional)."),
                                 QStringLiteral("[LINE3]]"));

    if (!parser.parse(arguments))
        return usageError(parser.errorText());
    if (parser.isSet(help)) {
        writeOut(parser.helpText());
        return finish(EXIT_SUCCESS);
    }
    if (parser.isSet(version)) {
        writeOut(QStringLiteral("%1 %2\n").arg(QLatin1StringView(kProgram),
                                               QLatin1StringView(TALLISK_VERSION_STRING)));
        return finish(EXIT_SUCCESS);
    }
    if (parser.isSet(csv) && parser.isSet(json))
        return usageError(tr("--csv and --json cannot be used together"));
    const Format format =
        parser.isSet(csv) ? Format::Csv : (parser.isSet(json) ? Format::Json : Format::Text);

    const QStringList lines = parser.positionalArguments();
    if (parser.isSet(batch)) {
        if (!lines.isEmpty())
            return usageError(tr("--batch takes no code lines as arguments"));
        if (parser.isSet(html))
            return usageError(tr("--html cannot be used with --batch"));
        return runBatch(parser.value(batch), format, parser.isSet(identify));
    }
    if (lines.isEmpty())
        return usageError(tr("missing LINE1"));
    if (lines.size() > 3)
        return usageError(tr("too many code lines (%1); at most three").arg(lines.size()));
    return runSingle(lines, format, parser.isSet(identify),
                     parser.isSet(html) ? parser.value(html) : QString());
}

int DecodeCommand::runSingle(const QStringList& lines, Format format, bool identify,
                             const QString& htmlFile)
{
    DecodeRecord record(lines.value(0), lines.value(1), lines.value(2));
    const PassOutcome outcome = runDecodePass(record);
    for (const QString& message : record.messages())
        writeErr(message + u'\n');

    if (!htmlFile.isNull()) {
        QString error;
        if (!TableFileWriter::exportTable(record, htmlFile, &error)) {
            writeErr(QStringLiteral("%1: %2\n").arg(QLatin1StringView(kProgram), error));
            return kUsageError;
        }
    }

    if (format == Format::Text) {
        writeText(record, identify);
    } else {
        std::optional<Identification> identification;
        if (identify)
            identification = Identification::of(record);
        const std::unique_ptr<ResultWriter> writer =
            resultWriter(format == Format::Csv, JsonWriter::Style::Indented, identify);
        writer->writeStart(m_out->buffer());
        writer->writeResult(m_out->buffer(),
                            {record, outcome, identification ? &*identification : nullptr}, 0);
    }
    return finish(outcome == PassOutcome::Completed ? EXIT_SUCCESS : EXIT_FAILURE);
}

void DecodeCommand::writeText(const DecodeRecord& record, bool identify)
{
    QString text = record.modelName() + u'\n';
    for (const FieldInfo& info : fieldTable()) {
        text += QCoreApplication::translate(kFieldTableContext, info.caption) +
                QStringLiteral(": ") + record.field(info.field) + u'\n';
    }
    if (!identify) {
        writeOut(text);
        return;
    }
    const Identification identification = Identification::of(record);
    // The answer ends with what it rests on, then the letters it could not read; "not known"
    // with why.
    if (identification.known()) {
        text +=
            tr("Identified: %1 [%2]").arg(identification.summary(), identification.basis()) + u'\n';
        for (const UnreadLetter& unread : identification.unread())
            text += tr("Note: %1.").arg(unread.text()) + u'\n';
    } else {
        text += tr("Identified: not known") + u'\n' +
                tr("Reason: %1").arg(identification.reason()) + u'\n';
    }
    writeOut(text);
    // Near misses are hints for the person at the terminal, kept out of the result.
    if (!identification.suggestions().isEmpty())
        writeErr(tr("%1: closest part numbers (not an identification): %2\n")
                     .arg(QLatin1StringView(kProgram),
                          identification.suggestions().join(QStringLiteral(", "))));
}

int DecodeCommand::runBatch(const QString& source, Format format, bool identify)
{
    QFile file;
    QIODevice* input = &m_in;
    if (source != u"-") {
        file.setFileName(source);
        // Unbuffered: the reader asks for large blocks itself.
        if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
            writeErr(QStringLiteral("%1: %2: %3\n")
                         .arg(QLatin1StringView(kProgram), source, file.errorString()));
            return kUsageError;
        }
        input = &file;
    }

    const std::unique_ptr<ResultWriter> writer =
        resultWriter(format == Format::Csv, JsonWriter::Style::Compact, identify);
    QByteArray& out = m_out->buffer();
    writer->writeStart(out);
    LineReader reader(*input);
    QByteArrayView bytes;
    QStringList lines;
    qint64 number = 0;
    while (reader.next(&bytes)) {
        ++number;
        const QString problem = splitRecord(bytes, &lines);
        if (problem.isEmpty()) {
            DecodeRecord record(lines.value(0), lines.value(1), lines.value(2));
            const PassOutcome outcome = runDecodePass(record);
            std::optional<Identification> identification;
            if (identify)
                identification = Identification::of(record);
            writer->writeResult(out, {record, outcome, identification ? &*identification : nullptr},
                                number);
        } else {
            writer->writeUnreadable(out, problem, number);
        }
        // Stop at the first lost block: there is no point decoding what cannot be written.
        if (!m_out->writeIfFull())
            return finish(EXIT_SUCCESS);
    }
    if (reader.failed()) {
        // What was decoded before the failure is still written; a lost output outranks it.
        const int status = finish(kUsageError);
        writeErr(QStringLiteral("%1: %2: %3\n")
                     .arg(QLatin1StringView(kProgram),
                          source == u"-" ? tr("standard input") : source, reader.errorString()));
        return status;
    }
    return finish(EXIT_SUCCESS);
}

int DecodeCommand::finish(int status)
{
    if (m_out->flush())
        return status;
    // A reader that went away (`| head`) wanted no more: the end is quiet, but not a success.
    if (!m_out->readerGone())
        writeErr(tr("%1: cannot write standard output: %2\n")
                     .arg(QLatin1StringView(kProgram), m_out->errorString()));
    return EXIT_FAILURE;
}

void DecodeCommand::writeOut(const QString& text)
{
    m_out->buffer().append(text.toUtf8());
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
