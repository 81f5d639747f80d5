// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PartIdentity.h"

#include <QCoreApplication>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

namespace tallisk {

class SourceList;

// Reads an ordering part number by its layout: family letters, the model number (a clock in
// MHz or a performance rating), then one letter per field (package, voltage, temperature, L2
// size, bus, ...), and on Slot A labels a revision letter after a blank. The knowledge is data,
// compiled in, every row citing its sources:
//
// - layouts.tsv: per layout its prefix, the least number of model digits (at most four),
//   whether the model is a clock or a rating, its rating table, its fields in order, family,
//   name ("%1" is the rating, or the clock as AMD names it), socket and the cores it can be;
// - letters.tsv: per field and letter what it means, for the layouts listed in the row; a
//   letter may also narrow the cores or name the socket (a mobile package);
// - ratings.tsv: per rating table, L2 size and bus, which model numbers exist and their clock;
//   a row may narrow the cores too.
//
// A line is answered only when one layout reads it whole: every letter in its table and the
// model number in the rating table for the L2 and bus its letters give. The core is what the
// layout, the letters and the rating row leave: one core, "X or Y" where two or more remain,
// empty where nothing says. A letter known to exist but of no sourced meaning leaves its fact
// unknown. Anything else is no answer.
class PartNumberReader
{
    Q_DECLARE_TR_FUNCTIONS(PartNumberReader)

public:
    static const PartNumberReader& instance();

    struct Texts
    {
        QStringView layouts;
        QStringView letters;
        QStringView ratings;
    };

    // Reads the three tables; on any fault (a malformed row, an unknown field or layout, a
    // letter given twice, a source not in `sources`) nothing, and the first fault as a sentence
    // naming its file and line.
    static std::optional<PartNumberReader> fromTsv(const Texts& texts, const SourceList& sources,
                                                   QString* errorMessage = nullptr);

    // The part that `partNumber` names: upper case, without blanks but the one before a Slot A
    // revision letter (PartIdentifier makes a typed line so). Its `part` is `partNumber`.
    std::optional<PartIdentity> read(const QString& partNumber) const;

private:
    struct Layout
    {
        QString id;
        QString prefix;
        int digits = 0;
        bool byRating = false;
        QString ratings;
        QStringList fields;
        QString family;
        QString name;
        QString socket;
        QStringList cores;
        QStringList sources;
    };
    struct Letter
    {
        QString text;
        std::optional<double> number;
        QStringList cores;
        QString socket;
        QStringList sources;
    };
    struct Rating
    {
        int clockMhz = 0;
        QStringList cores;
        QStringList sources;
    };

    static QString clockName(int clockMhz);

    // Each adds one table's rows: the first fault, or an empty text.
    QString loadLayouts(QStringView text, const SourceList& sources);
    QString loadLetters(QStringView text, const SourceList& sources);
    QString loadRatings(QStringView text, const SourceList& sources);
    const Layout* layoutById(const QString& id) const;

    std::optional<PartIdentity> readAs(const Layout& layout, QStringView code,
                                       QStringView revision) const;

    QList<Layout> m_layouts;
    QHash<QString, Letter> m_letters; // by layout id, field and letter
    QHash<QString, Rating> m_ratings; // by rating table, L2 size, bus and model number
};

} // namespace tallisk
