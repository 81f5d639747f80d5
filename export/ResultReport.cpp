// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ResultReport.h"

#include "CsvResultWriter.h"
#include "DecodeRecord.h"
#include "PartIdentifier.h"
#include "PartTable.h"
#include "SourceList.h"

#include <QStringList>

namespace tallisk {

namespace {

QString caption(Field field)
{
    return QCoreApplication::translate(kFieldTableContext, fieldInfo(field).caption);
}

// A text as one line of plain text: a line break or another control typed into a box would
// otherwise start an item of its own.
QString oneLine(QString text)
{
    for (QChar& c : text) {
        if (c.category() == QChar::Other_Control || c == QChar::LineSeparator ||
            c == QChar::ParagraphSeparator)
            c = u' ';
    }
    return text;
}

// Two cores said the short way when they share their first words: "Thoroughbred A" and
// "Thoroughbred B" give "Thoroughbred B" as "B".
QString secondApart(QStringView first, QStringView second)
{
    const QList<QStringView> a = first.split(u' ');
    const QList<QStringView> b = second.split(u' ');
    qsizetype shared = 0;
    while (shared + 1 < a.size() && shared + 1 < b.size() && a[shared] == b[shared])
        ++shared;
    return second.sliced(b[shared].data() - second.data()).toString();
}

} // namespace

ResultReport ResultReport::of(const DecodeTarget& checked, const QStringList& messages,
                              PassOutcome outcome)
{
    ResultReport report;
    report.lines = {checked.line1(), checked.line2(), checked.line3()};
    report.modelName = checked.modelName();
    report.fields = checked.fieldTexts();
    report.messages = messages;
    report.outcome = outcome;
    const QString stepping = checked.field(Field::Stepping);
    report.identification = Identification::of(checked);
    if (!report.identification.part) {
        report.partName = tr("Real part: not known");
        return report;
    }

    const PartIdentity& part = *report.identification.part;
    report.rows = PartComparison::rows(checked, part);
    report.partName = part.name;

    if (part.basis == QLatin1StringView(PartIdentity::kKnownPart)) {
        // The sources of the part's own row, not those the core's facts add.
        const std::optional<PartIdentity> row = PartTable::instance().identify(part.part);
        const qsizetype count = (row ? row->sources : part.sources).size();
        report.basis =
            count == 1 ? tr("listed in 1 source") : tr("listed in %1 sources").arg(count);
    } else {
        report.basis = tr("read from the letters of its part number");
    }

    // Where line 1 leaves two cores, whether the stepping code told them apart, and if not,
    // whether one would.
    if (!part.narrowedBy.isEmpty()) {
        report.narrowing = tr("%1: stepping %2 ends in %3")
                               .arg(part.core, part.narrowedBy, part.narrowedBy.right(1));
    } else if (PartIdentifier::steppingTellsApart(part.core)) {
        const QList<QStringView> cores = part.coreNames().toContainer();
        const QString first = cores.front().toString();
        const QString apart = secondApart(cores.front(), cores.back());
        if (!stepping.isEmpty())
            report.narrowing =
                tr("stepping %1 does not tell %2 from %3").arg(stepping, first, apart);
        else if (checked.line3().trimmed().isEmpty())
            report.narrowing = tr("type line 3 to tell %1 from %2").arg(first, apart);
        else
            report.narrowing =
                tr("the marking tables read no stepping code to tell %1 from %2").arg(first, apart);
    }

    for (const UnreadLetter& letter : part.unread)
        report.notRead << letter.text();
    for (const QString& id : part.sources) {
        const std::optional<SourceList::Source> source = SourceList::instance().source(id);
        report.sources << source.value_or(SourceList::Source{id, QString()});
    }
    return report;
}

QString ResultReport::tablesHeading()
{
    return tr("Marking tables");
}

QString ResultReport::partHeading()
{
    return tr("Real part");
}

QString ResultReport::mark(RowVerdict verdict)
{
    switch (verdict) {
    case RowVerdict::Agrees:
        return QStringLiteral("=");
    case RowVerdict::Differs:
    case RowVerdict::TablesBlank:
        return QStringLiteral("\u2260");
    case RowVerdict::Silent:
        break;
    }
    return {};
}

QString ResultReport::sentence(const RowComparison& row)
{
    return sentence(row, caption(row.field), sentenceText(row.verdict));
}

QString ResultReport::sentenceText(RowVerdict verdict)
{
    switch (verdict) {
    case RowVerdict::Agrees:
        return tr("%1: the marking tables say %2, and the real part agrees: %3.");
    case RowVerdict::Differs:
        return tr("%1: the marking tables say %2, but the real part says %3.");
    case RowVerdict::TablesBlank:
        return tr("%1: the marking tables say nothing, but the real part says %2.");
    case RowVerdict::Silent:
        break;
    }
    return {};
}

QString ResultReport::sentence(const RowComparison& row, const QString& caption,
                               const QString& text)
{
    if (text.isEmpty())
        return {};
    if (row.verdict == RowVerdict::TablesBlank)
        return text.arg(caption, row.part);
    return text.arg(caption, row.tables, row.part);
}

QString ResultReport::noteLine() const
{
    const std::optional<PartIdentity>& part = identification.part;
    return part && !part->note.isEmpty() ? tr("Note: %1").arg(part->note) : QString();
}

QString ResultReport::suggestionsLine() const
{
    const QStringList closest = suggestions();
    return closest.isEmpty()
               ? QString()
               : tr("Closest part numbers: %1").arg(closest.join(QStringLiteral(", ")));
}

QString ResultReport::plainText() const
{
    QStringList text;
    for (qsizetype i = 0; i < qsizetype(lines.size()); ++i)
        text << tr("Line %1: %2").arg(i + 1).arg(oneLine(lines[std::size_t(i)]));
    text << tr("Model: %1").arg(oneLine(modelName));
    for (const FieldInfo& info : fieldTable())
        text << caption(info.field) + QStringLiteral(": ") +
                    oneLine(fields[fieldIndex(info.field)]);

    const std::optional<PartIdentity>& part = identification.part;
    if (!part) {
        text << partName;
        if (!identification.reason.isEmpty())
            text << oneLine(identification.reason);
        if (const QString closest = suggestionsLine(); !closest.isEmpty())
            text << closest;
    } else {
        text << tr("Real part: %1, %2").arg(part->summary(), basis);
        if (!narrowing.isEmpty())
            text << narrowing;
        text << notRead;
        if (const QString note = noteLine(); !note.isEmpty())
            text << oneLine(note);
        for (const RowComparison& row : identification.disagreements)
            text << oneLine(sentence(row));
        for (const QString& id : part->sources)
            text << tr("Source: %1").arg(SourceList::instance().text(id));
    }
    return text.join(u'\n') + u'\n';
}

QByteArray ResultReport::csv() const
{
    DecodeRecord checked(lines[0], lines[1], lines[2]);
    checked.setModelName(modelName);
    for (const FieldInfo& info : fieldTable())
        checked.setField(info.field, fields[fieldIndex(info.field)]);
    CsvResultWriter writer(true, Citations::Whole);
    QByteArray out;
    writer.writeStart(out);
    writer.writeResult(out, {checked, messages, outcome, &identification}, 0);
    return out;
}

} // namespace tallisk
