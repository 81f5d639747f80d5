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
#include "ResultReport.h"
#include "SourceList.h"
#include "TableFileWriter.h"
#include "TalliskVersion.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QStringDecoder>

#include <array>
#include <cstdlib>
#include <iterator>
#include <new>
#include <optional>
#include <utility>

namespace tallisk {

namespace {

constexpr const char* kProgram = "tallisk-decode";

// Help text is wrapped to this many columns, as a terminal shows it.
constexpr qsizetype kHelpWidth = 80;
// Where the options' descriptions start in --help.
constexpr qsizetype kOptionIndent = 17;

enum class Option
{
    Json,
    Csv,
    Identify,
    Suggest,
    Html,
    Batch,
    Sources,
    Help,
    Version,
};

struct OptionInfo
{
    Option option;
    const char* shortName; // with its dash; nullptr for none
    const char* longName;  // with its dashes
    const char* valueName; // nullptr for an option that takes no value
    // Options of one group exclude each other (one output format); 0 for none.
    int group;
    const char* description;
};

constexpr int kFormatGroup = 1;

// Every option of the command, in the order --help lists them: the one place that names them.
// Each may be given once.
constexpr OptionInfo kOptions[] = {
    {Option::Json, nullptr, "--json", nullptr, kFormatGroup,
     QT_TRANSLATE_NOOP("DecodeCommand", "Prints the result as one JSON object.")},
    {Option::Csv, nullptr, "--csv", nullptr, kFormatGroup,
     QT_TRANSLATE_NOOP("DecodeCommand",
                       "Prints the result as CSV for spreadsheets: a header row, then one row "
                       "per record.")},
    {Option::Identify, nullptr, "--identify", nullptr, 0,
     QT_TRANSLATE_NOOP("DecodeCommand",
                       "Also names the real part that line 1 is the part number of: a part that "
                       "a public source names, or one read from the part number's layout, and "
                       "the rows where the marking tables disagree with it; \"not known\" "
                       "otherwise, with the reason, and the closest part numbers it names on "
                       "standard error as hints.")},
    {Option::Suggest, nullptr, "--suggest", nullptr, 0,
     QT_TRANSLATE_NOOP("DecodeCommand",
                       "With --batch and --identify, also finds the closest part numbers it names "
                       "for each line that is not known, which takes much longer; without it their "
                       "suggestions are null. A single decode always finds them.")},
    {Option::Html, nullptr, "--html", "FILE", 0,
     QT_TRANSLATE_NOOP("DecodeCommand",
                       "Also writes the result as the HTML table the window exports. FILE is "
                       "replaced whole; one that exists must be a regular file (a symbolic "
                       "link is written through).")},
    {Option::Batch, nullptr, "--batch", "FILE", 0,
     QT_TRANSLATE_NOOP("DecodeCommand",
                       "Decodes one record per line of FILE (- for standard input), its code "
                       "lines separated by TAB, and prints one JSON object per record, or with "
                       "--csv one row. Empty lines, lines that start with # and a first line "
                       "line1<TAB>line2<TAB>line3 are skipped; a line longer than %1 bytes "
                       "gives an error record.")},
    {Option::Sources, nullptr, "--sources", nullptr, 0,
     QT_TRANSLATE_NOOP("DecodeCommand",
                       "Lists every public source that identification cites, once: its id, "
                       "title and address, as text, or with --json one JSON object per line, or "
                       "with --csv one row each. A batch's records cite their sources by id.")},
    {Option::Help, "-h", "--help", nullptr, 0,
     QT_TRANSLATE_NOOP("DecodeCommand", "Shows this help and exits.")},
    {Option::Version, "-v", "--version", nullptr, 0,
     QT_TRANSLATE_NOOP("DecodeCommand", "Shows the version and exits.")},
};
constexpr std::size_t kOptionCount = std::size(kOptions);

constexpr std::size_t indexOf(Option option)
{
    return static_cast<std::size_t>(option);
}

// A command line's options are kept by their place in kOptions, which is their Option's.
constexpr bool optionsInOrder()
{
    for (std::size_t i = 0; i < kOptionCount; ++i) {
        if (indexOf(kOptions[i].option) != i)
            return false;
    }
    return true;
}
static_assert(optionsInOrder(), "kOptions lists every Option once, in the enum's order");

const OptionInfo* findOption(QStringView typed)
{
    for (const OptionInfo& info : kOptions) {
        if (typed == QLatin1StringView(info.longName) ||
            (info.shortName && typed == QLatin1StringView(info.shortName)))
            return &info;
    }
    return nullptr;
}

// A command line taken apart: the options given, with their values, and the code lines.
struct CommandLine
{
    std::array<std::optional<QString>, kOptionCount> options;
    QStringList lines;

    bool isSet(Option option) const { return options[indexOf(option)].has_value(); }
    QString value(Option option) const { return options[indexOf(option)].value_or(QString()); }
};

// Takes the arguments (the program's name first) apart; returns the problem, or the empty
// text. Options are named in problems as they were typed. "--" ends the options, so a code
// line may start with a dash; "-" alone is a value, not an option.
QString parseCommandLine(const QStringList& arguments, CommandLine* commandLine)
{
    std::array<QString, kOptionCount> typedAs;
    bool optionsEnded = false;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (optionsEnded || argument == u"-" || !argument.startsWith(u'-')) {
            commandLine->lines << argument;
            continue;
        }
        if (argument == u"--") {
            optionsEnded = true;
            continue;
        }
        // --name=value gives a value in the same argument.
        const qsizetype equals = argument.startsWith(u"--") ? argument.indexOf(u'=') : -1;
        const QString typed = equals < 0 ? argument : argument.first(equals);
        const OptionInfo* info = findOption(typed);
        if (!info)
            return DecodeCommand::tr("unknown option '%1'").arg(typed);
        for (const OptionInfo& other : kOptions) {
            const std::size_t index = indexOf(other.option);
            if (!commandLine->options[index])
                continue;
            if (other.option == info->option)
                return DecodeCommand::tr("%1 given more than once").arg(typed);
            if (info->group != 0 && other.group == info->group)
                return DecodeCommand::tr("%1 and %2 cannot be used together")
                    .arg(typedAs[index], typed);
        }
        QString value;
        if (info->valueName) {
            if (equals >= 0)
                value = argument.sliced(equals + 1);
            else if (i + 1 < arguments.size())
                value = arguments[++i];
            else
                return DecodeCommand::tr("%1 needs a %2")
                    .arg(typed, QLatin1StringView(info->valueName));
        } else if (equals >= 0) {
            return DecodeCommand::tr("%1 takes no value").arg(typed);
        }
        commandLine->options[indexOf(info->option)] = value;
        typedAs[indexOf(info->option)] = typed;
    }
    return QString();
}

// Appends `units` (words, or groups that stay on one line) wrapped to the help's width: the
// first line after `lead` (padded to `indent`, or on a line of its own when longer), the others
// indented by `indent`.
void appendWrapped(QString& text, const QString& lead, const QStringList& units, qsizetype indent)
{
    QString line = lead;
    if (line.size() + 1 > indent && !lead.trimmed().isEmpty()) {
        text += line + u'\n';
        line.clear();
    }
    line = line.leftJustified(indent);
    bool lineHasWord = false;
    for (const QString& word : units) {
        if (lineHasWord && line.size() + 1 + word.size() > kHelpWidth) {
            text += line + u'\n';
            line = QString(indent, u' ');
            lineHasWord = false;
        }
        if (lineHasWord)
            line += u' ';
        line += word;
        lineHasWord = true;
    }
    text += line + u'\n';
}

void appendWrapped(QString& text, const QString& lead, const QString& words, qsizetype indent)
{
    appendWrapped(text, lead, words.split(u' ', Qt::SkipEmptyParts), indent);
}

QString helpText()
{
    const QString program = QLatin1StringView(kProgram);
    const QString usage = DecodeCommand::tr("Usage:") + u' ';
    QString text;
    const qsizetype synopsisIndent = usage.size() + program.size() + 1;
    appendWrapped(text, usage + program,
                  {QStringLiteral("[--json | --csv]"), QStringLiteral("[--identify]"),
                   QStringLiteral("[--html FILE]"), QStringLiteral("LINE1 [LINE2 [LINE3]]")},
                  synopsisIndent);
    appendWrapped(text, QString(usage.size(), u' ') + program,
                  {QStringLiteral("--batch FILE"), QStringLiteral("[--json | --csv]"),
                   QStringLiteral("[--identify [--suggest]]")},
                  synopsisIndent);
    appendWrapped(text, QString(usage.size(), u' ') + program,
                  {QStringLiteral("--sources"), QStringLiteral("[--json | --csv]")},
                  synopsisIndent);
    text += u'\n';
    appendWrapped(text, QString(),
                  DecodeCommand::tr("Decodes the marking code printed on the lid of an AMD "
                                    "Athlon, Athlon XP or Duron processor exactly as the "
                                    "window's \"Check\" does, and prints the model name, then "
                                    "the seventeen rows as \"Caption: value\". The messages "
                                    "the decoder shows go to standard error, in order. A code "
                                    "line that starts with a dash follows --."),
                  0);

    text += u'\n' + DecodeCommand::tr("Options:") + u'\n';
    for (const OptionInfo& info : kOptions) {
        QString names = QStringLiteral("  ");
        if (info.shortName)
            names += QLatin1StringView(info.shortName) + QStringLiteral(", ");
        names += QLatin1StringView(info.longName);
        if (info.valueName)
            names += u' ' + QLatin1StringView(info.valueName);
        QString description = DecodeCommand::tr(info.description);
        if (info.option == Option::Batch)
            description = description.arg(LineReader::kMaxLineLength);
        appendWrapped(text, names, description, kOptionIndent);
    }

    text += u'\n' + DecodeCommand::tr("Exit status:") + u'\n';
    const std::pair<int, const char*> statuses[] = {
        {EXIT_SUCCESS, QT_TRANSLATE_NOOP("DecodeCommand", "The pass completed, or every batch "
                                                          "record was handled, and all output "
                                                          "was written.")},
        {EXIT_FAILURE, QT_TRANSLATE_NOOP("DecodeCommand", "A message ended the pass early, or "
                                                          "output could not be written.")},
        {DecodeCommand::kUsageError,
         QT_TRANSLATE_NOOP("DecodeCommand", "A usage error, an input file that cannot be read, "
                                            "or an HTML file that cannot be written.")},
    };
    for (const auto& [status, meaning] : statuses)
        appendWrapped(text, QStringLiteral("  %1").arg(status), DecodeCommand::tr(meaning), 5);

    text += u'\n' + DecodeCommand::tr("Examples:") + u'\n';
    text += QStringLiteral("  %1 AXDA2500DKV4D ABCDEFG18HIJ1234 JIUHB0312XPMW\n"
                           "  %1 --batch codes.tsv --csv --identify > codes.csv\n")
                .arg(program);
    return text;
}

// A single decode cites its sources whole; a batch cites them by id, which --sources lists
// once, rather than repeat the same titles and addresses on every record.
std::unique_ptr<ResultWriter> resultWriter(bool csv, JsonWriter::Style style, bool identify,
                                           Citations citations)
{
    if (csv)
        return std::make_unique<CsvResultWriter>(identify, citations);
    return std::make_unique<JsonResultWriter>(style, citations);
}

QString tooManyFields(qsizetype count)
{
    return DecodeCommand::tr("more than three fields (%1)").arg(count);
}

// Lines a collector's file holds besides records: empty lines, comments, and a first line
// that names the columns as the output does.
bool isSkipped(QByteArrayView line, bool first)
{
    if (line.endsWith('\r'))
        line.chop(1);
    if (line.isEmpty() || line.startsWith('#'))
        return true;
    if (!first)
        return false;
    for (const char* header : {"line1", "line1\tline2", "line1\tline2\tline3"}) {
        if (qstrnicmp(line.data(), line.size(), header) == 0)
            return true;
    }
    return false;
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

void DecodeCommand::addIdentity(QJsonObject& result, const Identification& identification,
                                Citations citations)
{
    const std::optional<PartIdentity>& part = identification.part;
    result.insert(QStringLiteral("identity"),
                  part ? QJsonValue(part->toJson(citations)) : QJsonValue(QJsonValue::Null));
    result.insert(QStringLiteral("suggestions"),
                  identification.suggestions
                      ? QJsonValue(QJsonArray::fromStringList(*identification.suggestions))
                      : QJsonValue(QJsonValue::Null));
    result.insert(QStringLiteral("reason"), identification.reason.isEmpty()
                                                ? QJsonValue(QJsonValue::Null)
                                                : QJsonValue(identification.reason));
    QJsonArray unread;
    for (const UnreadLetter& letter : part ? part->unread : QList<UnreadLetter>())
        unread.append(QJsonObject{{QStringLiteral("field"), partFieldKey(letter.field)},
                                  {QStringLiteral("letter"), QString(letter.letter)}});
    result.insert(QStringLiteral("unread"), unread);
    QJsonArray disagreements;
    for (const RowComparison& row : identification.disagreements)
        disagreements.append(
            QJsonObject{{QStringLiteral("field"), QLatin1StringView(fieldInfo(row.field).jsonKey)},
                        {QStringLiteral("tables"), row.tables},
                        {QStringLiteral("part"), row.part}});
    result.insert(QStringLiteral("disagreements"), disagreements);
}

int DecodeCommand::run(const QStringList& arguments)
{
    CommandLine commandLine;
    if (const QString problem = parseCommandLine(arguments, &commandLine); !problem.isEmpty())
        return usageError(problem);
    if (commandLine.isSet(Option::Help)) {
        writeOut(helpText());
        return finish(EXIT_SUCCESS);
    }
    if (commandLine.isSet(Option::Version)) {
        writeOut(QStringLiteral("%1 %2\n").arg(QLatin1StringView(kProgram),
                                               QLatin1StringView(TALLISK_VERSION_STRING)));
        return finish(EXIT_SUCCESS);
    }
    const Format format = commandLine.isSet(Option::Csv)
                              ? Format::Csv
                              : (commandLine.isSet(Option::Json) ? Format::Json : Format::Text);
    const bool identify = commandLine.isSet(Option::Identify);
    if (commandLine.isSet(Option::Suggest) && !identify)
        return usageError(tr("--suggest needs --identify"));

    const QStringList& lines = commandLine.lines;
    if (commandLine.isSet(Option::Sources)) {
        for (const Option other :
             {Option::Identify, Option::Suggest, Option::Html, Option::Batch}) {
            if (commandLine.isSet(other))
                return usageError(tr("%1 cannot be used with --sources")
                                      .arg(QLatin1StringView(kOptions[indexOf(other)].longName)));
        }
        if (!lines.isEmpty())
            return usageError(tr("--sources takes no code lines"));
        return runSources(format);
    }
    if (commandLine.isSet(Option::Batch)) {
        if (!lines.isEmpty())
            return usageError(tr("--batch takes no code lines as arguments"));
        if (commandLine.isSet(Option::Html))
            return usageError(tr("--html cannot be used with --batch"));
        const Identification::Suggestions suggestions = commandLine.isSet(Option::Suggest)
                                                            ? Identification::Suggestions::Search
                                                            : Identification::Suggestions::Skip;
        return runBatch(commandLine.value(Option::Batch), format,
                        identify ? std::optional(suggestions) : std::nullopt);
    }
    if (lines.isEmpty())
        return usageError(tr("missing LINE1"));
    if (lines.size() > 3)
        return usageError(tr("too many code lines (%1); at most three").arg(lines.size()));
    return runSingle(lines, format, identify,
                     commandLine.isSet(Option::Html) ? commandLine.value(Option::Html) : QString());
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

    std::optional<Identification> identification;
    if (identify)
        identification = Identification::of(record);
    if (format == Format::Text) {
        writeText(record, identification ? &*identification : nullptr);
    } else {
        const std::unique_ptr<ResultWriter> writer = resultWriter(
            format == Format::Csv, JsonWriter::Style::Indented, identify, Citations::Whole);
        writer->writeStart(m_out->buffer());
        writer->writeResult(
            m_out->buffer(),
            {record, record.messages(), outcome, identification ? &*identification : nullptr}, 0);
    }
    return finish(outcome == PassOutcome::Completed ? EXIT_SUCCESS : EXIT_FAILURE);
}

void DecodeCommand::writeText(const DecodeRecord& record, const Identification* identification)
{
    QString text = record.modelName() + u'\n';
    for (const FieldInfo& info : fieldTable()) {
        text += QCoreApplication::translate(kFieldTableContext, info.caption) +
                QStringLiteral(": ") + record.field(info.field) + u'\n';
    }
    if (!identification) {
        writeOut(text);
        return;
    }
    // The answer ends with what it rests on, then the letters it could not read and the rows
    // the marking tables disagree with it on, as the window marks them; "not known" with why.
    if (const std::optional<PartIdentity>& part = identification->part) {
        text += tr("Identified: %1 [%2]").arg(part->summary(), part->basis) + u'\n';
        for (const UnreadLetter& unread : part->unread)
            text += tr("Note: %1.").arg(unread.text()) + u'\n';
        for (const RowComparison& row : identification->disagreements)
            text += tr("Disagreement: %1").arg(ResultReport::sentence(row)) + u'\n';
    } else {
        text += tr("Identified: not known") + u'\n' + tr("Reason: %1").arg(identification->reason) +
                u'\n';
    }
    writeOut(text);
    // Near misses are hints for the person at the terminal, kept out of the result.
    const QStringList suggestions = identification->suggestions.value_or(QStringList());
    if (!suggestions.isEmpty())
        writeErr(tr("%1: closest part numbers (not an identification): %2\n")
                     .arg(QLatin1StringView(kProgram), suggestions.join(QStringLiteral(", "))));
}

int DecodeCommand::runSources(Format format)
{
    const SourceList& sources = SourceList::instance();
    QByteArray& out = m_out->buffer();
    if (format == Format::Csv) {
        out.append("id,title,address\r\n");
        for (const QString& id : sources.ids()) {
            const SourceList::Source source = *sources.source(id);
            CsvResultWriter::appendCell(out, id);
            for (const QString* cell : {&source.title, &source.address}) {
                out.append(',');
                CsvResultWriter::appendCell(out, *cell);
            }
            out.append("\r\n");
        }
    } else if (format == Format::Json) {
        // One object a line, as a batch's records: keys in QJsonObject's order, no address null.
        for (const QString& id : sources.ids()) {
            const SourceList::Source source = *sources.source(id);
            JsonWriter json(out);
            json.beginObject();
            json.key("address");
            if (source.address.isEmpty())
                json.null();
            else
                json.value(source.address);
            json.key("id");
            json.value(id);
            json.key("title");
            json.value(source.title);
            json.endObject();
            json.raw("\n");
        }
    } else {
        // "id: citation", the citation as a single decode's sources give it.
        for (const QString& id : sources.ids())
            writeOut(tr("%1: %2").arg(id, sources.text(id)) + u'\n');
    }
    return finish(EXIT_SUCCESS);
}

int DecodeCommand::runBatch(const QString& source, Format format,
                            std::optional<Identification::Suggestions> identify)
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

    const std::unique_ptr<ResultWriter> writer = resultWriter(
        format == Format::Csv, JsonWriter::Style::Compact, identify.has_value(), Citations::Ids);
    QByteArray& out = m_out->buffer();
    writer->writeStart(out);
    LineReader reader(*input);
    QByteArrayView bytes;
    QStringList lines;
    // Record numbers are line numbers, skipped lines counted, so a record can be found.
    qint64 number = 0;
    // Where the record being written starts: memory that runs out part way through one takes
    // only that record back, and what was decoded before it is still written.
    qsizetype recordStart = 0;
    try {
        while (reader.next(&bytes)) {
            ++number;
            // A spreadsheet's byte order mark is not part of the first line.
            if (number == 1 && bytes.startsWith("\xEF\xBB\xBF"))
                bytes = bytes.sliced(3);
            recordStart = out.size();
            if (reader.tooLong()) {
                writer->writeUnreadable(
                    out, tr("line longer than %1 bytes").arg(reader.maxLineLength()), number);
            } else if (isSkipped(bytes, number == 1)) {
                continue;
            } else if (const QString problem = splitRecord(bytes, &lines); !problem.isEmpty()) {
                writer->writeUnreadable(out, problem, number);
            } else {
                DecodeRecord record(lines.value(0), lines.value(1), lines.value(2));
                const PassOutcome outcome = runDecodePass(record);
                std::optional<Identification> identification;
                if (identify)
                    identification = Identification::of(record, *identify);
                writer->writeResult(out,
                                    {record, record.messages(), outcome,
                                     identification ? &*identification : nullptr},
                                    number);
            }
            // Stop at the first lost block: there is no point decoding what cannot be written.
            if (!m_out->writeIfFull())
                return finish(EXIT_SUCCESS);
        }
    } catch (const std::bad_alloc&) {
        out.truncate(recordStart);
        const int status = finish(kUsageError);
        writeErr(
            tr("%1: out of memory at record %2\n").arg(QLatin1StringView(kProgram)).arg(number));
        return status;
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
