// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ResultReport.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QString>

namespace tallisk {

// The result as a web page of its own, for Save Result As: one whole HTML document in UTF-8
// with the three lines, the marking tables' seventeen rows beside the real part's values and
// their marks, what the window's strip says of the part and its sources as links. The table
// fragment of "Export to HTML" is HtmlTable; this page is an addition beside it.
class ResultPage
{
    Q_DECLARE_TR_FUNCTIONS(ResultPage)

public:
    // The document's bytes. Every text from the result is escaped; only sources' web
    // addresses (http and https) become links.
    static QByteArray render(const ResultReport& report);

    // The sources as a numbered list, each title with its address below it as a link: the
    // page's list, and what the window's Sources box shows.
    static QString sourceList(const QList<SourceList::Source>& sources);
};

} // namespace tallisk
