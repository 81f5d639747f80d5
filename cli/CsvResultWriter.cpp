// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "CsvResultWriter.h"

#include "DecodePass.h"
#include "DecodeRecord.h"
#include "FieldTable.h"
#include "Identification.h"
#include "JsonWriter.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonValue>

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

QString joined(const QStringList& texts)
{
    return texts.join(u'\n');
}

} // namespace

CsvResultWriter::CsvResultWriter(bool identify) : m_identify(identify)
{
    if (identify)
        m_identityKeys = Identification::identityKeys();
}

QStringList CsvResultWriter::header() const
{
    QStringList cells{QStringLiteral("record"), QStringLiteral("line1"), QStringLiteral("line2"),
                      QStringLiteral("line3"), QStringLiteral("model_name")};
    for (const FieldInfo& info : fieldTable())
        cells << QCoreApplication::translate(kFieldTableContext, info.caption);
    cells << QStringLiteral("messages") << QStringLiteral("completed") << QStringLiteral("error");
    if (m_identify) {
        for (const QString& key : m_identityKeys)
            cells << QStringLiteral("identity.") + key;
        cells << QStringLiteral("suggestions") << QStringLiteral("reason")
              << QStringLiteral("unread");
    }
    return cells;
}

void CsvResultWriter::appendCell(QByteArray& out, QStringView text)
{
    const bool quoted = needsQuotes(text);
    // Room for the worst case: three bytes per UTF-16 unit (a doubled quote takes two), the
    // apostrophe and the two quotes; then cut to what was written.
    const qsizetype start = out.size();
    out.resize(start + 3 + 3 * text.size());
    char* p = out.data() + start;
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
    out.resize(p - out.constData());
}

QString CsvResultWriter::cellText(const QJsonValue& value)
{
    switch (value.type()) {
    case QJsonValue::Null:
    case QJsonValue::Undefined:
        return QString();
    case QJsonValue::String:
        return value.toString();
    case QJsonValue::Array: {
        QStringList items;
        for (const QJsonValue& item : value.toArray())
            items << cellText(item);
        return joined(items);
    }
    case QJsonValue::Bool:
    case QJsonValue::Double:
    case QJsonValue::Object:
        break;
    }
    // Numbers, true/false and objects exactly as the JSON output writes them.
    QByteArray json;
    JsonWriter(json).value(value);
    return QString::fromUtf8(json);
}

void CsvResultWriter::writeStart(QByteArray& out)
{
    bool first = true;
    for (const QString& cell : header()) {
        if (!first)
            out.append(',');
        first = false;
        appendCell(out, cell);
    }
    endRow(out);
}

void CsvResultWriter::writeResult(QByteArray& out, const DecodeResult& result, qint64 number)
{
    const DecodeRecord& record = result.record;
    out.append(QByteArray::number(qMax(number, qint64(1))));
    const auto cell = [&out](QStringView text) {
        out.append(',');
        appendCell(out, text);
    };
    cell(record.line1());
    cell(record.line2());
    cell(record.line3());
    cell(record.modelName());
    for (const FieldInfo& info : fieldTable())
        cell(record.field(info.field));
    cell(joined(record.messages()));
    cell(result.outcome == PassOutcome::Completed ? u"true" : u"false");
    cell(QStringView()); // no error
    if (m_identify) {
        const Identification* identification = result.identification;
        for (const QString& key : m_identityKeys)
            cell(identification ? cellText(identification->identity().value(key)) : QString());
        cell(identification ? joined(identification->suggestions()) : QString());
        cell(identification ? identification->reason() : QString());
        cell(identification ? identification->unreadCell() : QString());
    }
    endRow(out);
}

void CsvResultWriter::writeUnreadable(QByteArray& out, const QString& problem, qint64 number)
{
    out.append(QByteArray::number(number));
    // The line, model, field, message and completed cells stay empty; then the error.
    out.append(QByteArray(4 + static_cast<qsizetype>(kFieldCount) + 2, ','));
    out.append(',');
    appendCell(out, problem);
    if (m_identify)
        out.append(QByteArray(m_identityKeys.size() + 3, ','));
    endRow(out);
}

void CsvResultWriter::endRow(QByteArray& out) const
{
    out.append("\r\n");
}

} // namespace tallisk
