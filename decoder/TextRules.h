// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

// How the decoder reads a text. A position is one character (one Unicode code point: a
// surrogate pair counts once and is never split; a lone surrogate counts as a character of its
// own). Positions count from 1. Taking characters past the end yields fewer or none.
// Every helper walks only as far as it must from the nearer end, so a very long line costs
// no more than a short one.
namespace tallisk::text {

// The number of characters of `s`.
qsizetype length(QStringView s);
// The helpers that take characters return views into `s`: they copy nothing, and a view lives
// only as long as the text it was taken from. Where one becomes a field, the caller copies it.
// The character at position `pos` (1-based), or the empty text past the end.
QStringView at(QStringView s, qsizetype pos);
// Up to `n` characters from position `pos` (1-based).
QStringView mid(QStringView s, qsizetype pos, qsizetype n);
// The first / last `n` characters; the whole text when it is shorter.
QStringView left(QStringView s, qsizetype n);
QStringView right(QStringView s, qsizetype n);
// Whether `s` starts with `prefix` exactly (case-sensitive).
bool startsWith(QStringView s, QStringView prefix);

// A text of the decoder's fixed tables as a QString that shares the table's storage rather
// than copying it, so writing one into a field allocates nothing. Only for texts with static
// storage duration (string literals).
QString fixed(QStringView tableText);

// A single character that is one of 0 to 9 (no other script's digits).
bool isDigit(QStringView character);
// A plain decimal number: blanks, at most one sign, digits with at most one decimal point
// (at least one digit), blanks. The empty text is not numeric.
bool isNumeric(QStringView s);

// The value of a numeric text as an exact decimal: mantissa / 10^scale.
struct Decimal
{
    long long mantissa = 0;
    int scale = 0;
};
// Parses a text that isNumeric() accepts; false when it is not numeric or too long to hold
// exactly.
bool parseDecimal(QStringView s, Decimal* out);

} // namespace tallisk::text
