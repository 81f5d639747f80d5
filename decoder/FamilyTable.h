// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringView>

namespace tallisk {

// What the family table says of a line 1.
struct Family
{
    enum class Outcome
    {
        NotFound,    // no prefix matches
        Decoded,     // a decoded family, digit after the prefix
        Unsupported, // a declined family, digit after the prefix
        CodeError,   // a prefix matches but no digit follows it
    };
    Outcome outcome = Outcome::NotFound;
    QString modelName;       // Decoded and Unsupported
    int prefixLength = 0;    // Decoded
    QString codeErrorDetail; // CodeError: handed to CodeError as it is
};

// Recognises the family of line 1 by the first matching prefix of the family table.
Family recogniseFamily(const QString& line1);

// The prefixes of the family table in the order they are tried, declined families included:
// what a line 1 may begin with (the window's text-fit check builds the longest lines from them).
QList<QStringView> familyPrefixes();

} // namespace tallisk
