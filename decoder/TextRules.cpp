// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "TextRules.h"

#include <limits>

namespace tallisk::text {

namespace {

bool isPair(QStringView s, qsizetype i)
{
    return s[i].isHighSurrogate() && i + 1 < s.size() && s[i + 1].isLowSurrogate();
}

// The UTF-16 offset where character `count` (0-based) starts, walking from the front;
// s.size() when the text has fewer characters.
qsizetype offsetFromFront(QStringView s, qsizetype count)
{
    qsizetype i = 0;
    while (count > 0 && i < s.size()) {
        i += isPair(s, i) ? 2 : 1;
        --count;
    }
    return i;
}

// The UTF-16 offset where the last `count` characters start, walking from the back.
qsizetype offsetFromBack(QStringView s, qsizetype count)
{
    qsizetype i = s.size();
    while (count > 0 && i > 0) {
        i -= (i >= 2 && isPair(s, i - 2)) ? 2 : 1;
        --count;
    }
    return i;
}

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Recognises a plain decimal number and, where it fits, its exact value.
bool scanDecimal(QStringView s, Decimal* value, bool* fits)
{
    qsizetype i = 0;
    const qsizetype n = s.size();
    while (i < n && s[i] == u' ')
        ++i;
    bool negative = false;
    if (i < n && (s[i] == u'+' || s[i] == u'-')) {
        negative = s[i] == u'-';
        ++i;
    }
    constexpr long long kLimit = (std::numeric_limits<long long>::max() - 9) / 10;
    long long mantissa = 0;
    int scale = 0;
    bool digits = false, point = false;
    *fits = true;
    for (; i < n; ++i) {
        const QChar c = s[i];
        if (isAsciiDigit(c)) {
            digits = true;
            if (mantissa > kLimit) {
                *fits = false;
                continue;
            }
            mantissa = mantissa * 10 + (c.unicode() - u'0');
            if (point)
                ++scale;
        } else if (c == u'.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    while (i < n && s[i] == u' ')
        ++i;
    if (!digits || i != n)
        return false;
    if (value)
        *value = Decimal{negative ? -mantissa : mantissa, scale};
    return true;
}

} // namespace

qsizetype length(QStringView s)
{
    qsizetype n = 0;
    for (qsizetype i = 0; i < s.size(); i += isPair(s, i) ? 2 : 1)
        ++n;
    return n;
}

QStringView mid(QStringView s, qsizetype pos, qsizetype n)
{
    if (pos < 1 || n <= 0)
        return QStringView();
    const qsizetype begin = offsetFromFront(s, pos - 1);
    const qsizetype end = begin + offsetFromFront(s.sliced(begin), n);
    return s.sliced(begin, end - begin);
}

QStringView at(QStringView s, qsizetype pos)
{
    return mid(s, pos, 1);
}

QStringView left(QStringView s, qsizetype n)
{
    return mid(s, 1, n);
}

QStringView right(QStringView s, qsizetype n)
{
    if (n <= 0)
        return QStringView();
    return s.sliced(offsetFromBack(s, n));
}

bool startsWith(QStringView s, QStringView prefix)
{
    // Prefixes are whole characters, so a UTF-16 comparison never splits one.
    return s.startsWith(prefix, Qt::CaseSensitive);
}

QString fixed(QStringView tableText)
{
    return QString::fromRawData(tableText.data(), tableText.size());
}

bool isDigit(QStringView character)
{
    return character.size() == 1 && isAsciiDigit(character[0]);
}

bool isNumeric(QStringView s)
{
    bool fits = false;
    return scanDecimal(s, nullptr, &fits);
}

bool parseDecimal(QStringView s, Decimal* out)
{
    bool fits = false;
    Decimal value;
    if (!scanDecimal(s, &value, &fits) || !fits)
        return false;
    if (out)
        *out = value;
    return true;
}

} // namespace tallisk::text
