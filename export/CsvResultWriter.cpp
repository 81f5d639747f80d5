// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "CsvResultWriter.h"

#include "DecodePass.h"
#include "DecodeTarget.h"
#include "FieldTable.h"
#include "Identification.h"
#include "IdentityKeys.h"
#include "JsonNumber.h"
#include "ResultReport.h"
#include "SourceList.h"

#include <QCoreApplication>

#include <charconv>
#include <cmath>
#include <cstring>
#include <type_traits>

namespace tallisk {

namespace {

constexpr char16_t kReplacement = 0xFFFD;

bool startsFormula(char16_t first)
{
    switch (first) {
    case u'=':
    case u'+':
    case u'-':
    case u'@':
    case u'\t':
    case u'\r':
    case u'\'':
        return true;
    default:
        return false;
    }
}

bool needsQuotes(QStringView text)
{
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u',' || u == u'"' || u == u'\r' || u == u'\n')
            return true;
    }
    return false;
}

} // namespace

// One row being written: it writes through a pointer into spare room at the buffer's end and
// grows the buffer only when that runs out, as JsonWriter does; its destructor cuts the buffer
// to what was written.
class CsvResultWriter::Row
{
public:
    explicit Row(QByteArray& out)
        : m_out(out), m_data(out.data()), m_size(out.size()), m_end(out.size())
    {}
    ~Row() { m_out.resize(m_end); }
    Row(const Row&) = delete;
    Row& operator=(const Row&) = delete;

    void raw(QByteArrayView bytes)
    {
        std::memcpy(room(bytes.size()), bytes.data(), static_cast<std::size_t>(bytes.size()));
        m_end += bytes.size();
    }
    // A cell after the first: its separator, then the cell.
    void next(QStringView text)
    {
        raw(",");
        cell(text);
    }
    void cell(QStringView text);
    // A number as JSON writes it; a minus in front is neutralised as in any other cell.
    void number(QByteArrayView digits)
    {
        if (digits.startsWith('-'))
            raw("'");
        raw(digits);
    }
    void number(qint64 value)
    {
        char digits[24] = {};
        number(QByteArrayView(digits, std::to_chars(digits, digits + sizeof digits, value).ptr));
    }

private:
    char* room(qsizetype bytes)
    {
        if (m_size - m_end < bytes)
            grow(bytes);
        return m_data + m_end;
    }
    void grow(qsizetype bytes)
    {
        m_out.resize(m_end + qMax(bytes, qsizetype(4096))); // the capacity grows geometrically
        m_data = m_out.data();
        m_size = m_out.size();
    }

    QByteArray& m_out;
    char* m_data;
    qsizetype m_size;
    qsizetype m_end;
};

void CsvResultWriter::Row::cell(QStringView text)
{
    const bool quoted = needsQuotes(text);
    // Room for the worst case: three bytes per UTF-16 unit (a doubled quote takes two), the
    // apostrophe and the two quotes.
    char* const start = room(3 + 3 * text.size());
    char* p = start;
    if (quoted)
        *p++ = '"';
    if (!text.isEmpty() && startsFormula(text.front().unicode()))
        *p++ = '\'';
    const char16_t* s = text.utf16();
    const char16_t* const end = s + text.size();
    while (s != end) {
        char16_t u = *s++;
        if (u < 0x80) {
            if (u == u'"')
                *p++ = '"';
            *p++ = char(u);
        } else if (u < 0x800) {
            *p++ = char(0xC0 | (u >> 6));
            *p++ = char(0x80 | (u & 0x3F));
        } else if (QChar::isHighSurrogate(u) && s != end && QChar::isLowSurrogate(*s)) {
            const char32_t c = QChar::surrogateToUcs4(u, *s++);
            *p++ = char(0xF0 | (c >> 18));
            *p++ = char(0x80 | ((c >> 12) & 0x3F));
            *p++ = char(0x80 | ((c >> 6) & 0x3F));
            *p++ = char(0x80 | (c & 0x3F));
        } else {
            // A lone surrogate has no UTF-8 form: the replacement character stands for it.
            if (QChar::isSurrogate(u))
                u = kReplacement;
            *p++ = char(0xE0 | (u >> 12));
            *p++ = char(0x80 | ((u >> 6) & 0x3F));
            *p++ = char(0x80 | (u & 0x3F));
        }
    }
    if (quoted)
        *p++ = '"';
    m_end += p - start;
}

CsvResultWriter::CsvResultWriter(bool identify, Citations citations)
    : m_identify(identify), m_citations(citations)
{
    // The disagreements' sentences are made of these, translated once rather than per record.
    for (const FieldInfo& info : fieldTable())
        m_captions[fieldIndex(info.field)] =
            QCoreApplication::translate(kFieldTableContext, info.caption);
    for (const RowVerdict verdict :
         {RowVerdict::Silent, RowVerdict::Agrees, RowVerdict::Differs, RowVerdict::TablesBlank})
        m_sentenceTexts[std::size_t(verdict)] = ResultReport::sentenceText(verdict);
}

QStringList CsvResultWriter::header() const
{
    QStringList cells{QStringLiteral("record"), QStringLiteral("line1"), QStringLiteral("line2"),
                      QStringLiteral("line3"), QStringLiteral("model_name")};
    for (const QString& caption : m_captions)
        cells << caption;
    cells << QStringLiteral("messages") << QStringLiteral("completed") << QStringLiteral("error");
    if (m_identify) {
        for (const IdentityKey& key : identityKeys())
            cells << QStringLiteral("identity.") + QLatin1StringView(key.name);
        for (const char* key : {kSuggestionsKey, kReasonKey, kUnreadKey, kDisagreementsKey})
            cells << QLatin1StringView(key);
    }
    return cells;
}

void CsvResultWriter::appendCell(QByteArray& out, QStringView text)
{
    Row(out).cell(text);
}

void CsvResultWriter::writeStart(QByteArray& out)
{
    Row row(out);
    const QStringList cells = header();
    row.cell(cells.first());
    for (qsizetype i = 1; i < cells.size(); ++i)
        row.next(cells[i]);
    row.raw("\r\n");
}

template <typename Items, typename LineOf>
const QString& CsvResultWriter::joined(const Items& items, const LineOf& lineOf)
{
    m_cell.clear();
    bool first = true;
    for (const auto& item : items) {
        if (!first)
            m_cell += u'\n';
        first = false;
        lineOf(item);
    }
    return m_cell;
}

void CsvResultWriter::writeResult(QByteArray& out, const DecodeResult& result, qint64 number)
{
    const DecodeTarget& checked = result.checked;
    Row row(out);
    row.number(qMax(number, qint64(1)));
    row.next(checked.line1());
    row.next(checked.line2());
    row.next(checked.line3());
    row.next(checked.modelName());
    for (const FieldInfo& info : fieldTable())
        row.next(checked.field(info.field));
    row.next(joined(result.messages, [this](const QString& message) { m_cell += message; }));
    row.next(result.outcome == PassOutcome::Completed ? u"true" : u"false");
    row.raw(","); // no error
    if (m_identify)
        writeIdentification(row, result.identification);
    row.raw("\r\n");
}

void CsvResultWriter::writeIdentification(Row& row, const Identification* identification)
{
    const PartIdentity* part =
        identification && identification->part ? &*identification->part : nullptr;
    for (const IdentityKey& key : identityKeys()) {
        row.raw(",");
        if (!part)
            continue; // the identity is null: every cell empty
        visitFact(key, *part, [&](const auto& fact) {
            using Fact = std::decay_t<decltype(fact)>;
            if constexpr (std::is_same_v<Fact, QString>) {
                row.cell(fact);
            } else if constexpr (std::is_same_v<Fact, std::optional<int>>) {
                if (fact)
                    row.number(qint64(*fact));
            } else if constexpr (std::is_same_v<Fact, std::optional<double>>) {
                char text[32];
                if (fact && std::isfinite(*fact))
                    row.number(jsonNumber(*fact, text));
            } else {
                row.cell(joined(fact, [this](const QString& id) {
                    m_cell += m_citations == Citations::Ids ? id : SourceList::instance().text(id);
                }));
            }
        });
    }
    const QStringList none;
    row.next(
        joined(identification && identification->suggestions ? *identification->suggestions : none,
               [this](const QString& suggestion) { m_cell += suggestion; }));
    row.next(identification ? QStringView(identification->reason) : QStringView());
    row.next(
        joined(part ? part->unread : QList<UnreadLetter>(), [this](const UnreadLetter& unread) {
            m_cell += partFieldKey(unread.field);
            m_cell += u' ';
            m_cell += unread.letter;
        }));
    row.next(joined(identification ? identification->disagreements : QList<RowComparison>(),
                    [this](const RowComparison& disagreement) {
                        m_cell += ResultReport::sentence(
                            disagreement, m_captions[fieldIndex(disagreement.field)],
                            m_sentenceTexts[std::size_t(disagreement.verdict)]);
                    }));
}

void CsvResultWriter::writeUnreadable(QByteArray& out, const QString& problem, qint64 number)
{
    Row row(out);
    row.number(number);
    // The line, model, field, message and completed cells stay empty; then the error.
    row.raw(QByteArray(4 + static_cast<qsizetype>(kFieldCount) + 2, ','));
    row.next(problem);
    if (m_identify)
        row.raw(QByteArray(qsizetype(kIdentityKeyCount) + 4, ','));
    row.raw("\r\n");
}

} // namespace tallisk
