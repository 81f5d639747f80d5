// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DecodeTarget.h"

#include <QByteArray>
#include <QString>

namespace tallisk {

// The table fragment written by "Export to HTML": one two-column table with the model name as
// heading row, one title and value row per field and a footer row linking to the home page.
class HtmlTable
{
public:
    // Lines in every rendering, whatever the texts hold.
    static constexpr int kLineCount = 76;

    // The file's exact bytes: every line followed by CR LF, no byte-order mark. The caption and
    // field texts are HTML-escaped (& < > ") and encoded without loss: U+0000-U+007F and
    // U+00A0-U+00FF as their single byte, every other code point as a decimal reference &#N;
    // (a lone surrogate as the value of its code unit). The fixed template text is written as is.
    static QByteArray render(const QString& caption, const FieldTexts& fields);
};

} // namespace tallisk
