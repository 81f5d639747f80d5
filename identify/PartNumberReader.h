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

#include <array>
#include <functional>
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
// A line is answered when exactly one layout reads it: its shape (prefix, model digits, one
// letter per field), at most one letter that its field's table lacks (and that is no usual
// misreading of one it holds, such as 8 for B: that is taken for a slip), and the model number
// in the rating table for the L2 and bus its letters give. A letter not read leaves unknown
// exactly what its field decides: its own fact; the socket where a letter of that field names
// one; the rating row where it is the L2 or bus letter (then the clock of a rating, the
// multiplier and the rating's own sources); the core where a letter of that field, or that
// rating row, could narrow the cores the other letters leave. The model number must still be
// in the rating table for the letters read. The core is what the layout, the letters and the
// rating row leave: one core, "X or Y" where two or more remain, empty where nothing says. A
// letter known to exist but of no sourced meaning leaves its fact unknown. Anything else is no
// answer, and whyNotRead() says why.
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

    // Why read() does not answer `partNumber`, in one sentence for people: which group or
    // letter was not read, or that no layout starts like it. Empty when read() answers.
    QString whyNotRead(const QString& partNumber) const;

    // For suggestions: the layouts (by their index) whose prefix `partNumber` starts with,
    // followed by a digit; the layout that reads `partNumber` whole, or -1; a layout's family.
    QList<int> layoutsStartingLike(QStringView partNumber) const;
    int layoutReadingWhole(const QString& partNumber) const;
    QString layoutFamily(int layout) const { return m_layouts.value(layout).family; }

    // Every part number that read() answers whole, with the layout that reads it.
    void forEachPartNumber(const std::function<void(const QString&, int)>& visit) const;

    // The character a worn or small print lets people read for `c` (O/0, I/1, S/5, B/8, Z/2,
    // G/6, either way), or 0.
    static constexpr char16_t misreadingOf(char16_t c)
    {
        constexpr char16_t kPairs[][2] = {{u'O', u'0'}, {u'I', u'1'}, {u'S', u'5'},
                                          {u'B', u'8'}, {u'Z', u'2'}, {u'G', u'6'}};
        for (const auto& pair : kPairs) {
            if (c == pair[0])
                return pair[1];
            if (c == pair[1])
                return pair[0];
        }
        return 0;
    }

private:
    // A set of cores, one bit per core name of the tables; kAnyCore where nothing narrows it.
    using CoreSet = quint32;
    static constexpr CoreSet kAnyCore = ~CoreSet(0);
    // A set of fields, one bit per PartField.
    using FieldSet = quint8;
    // A letter's index by its character: A to Z, then 0 to 9.
    static constexpr int kLetterChars = 36;

    struct Letter
    {
        QChar letter;
        QString text;
        std::optional<double> number;
        CoreSet cores = kAnyCore;
        QString socket;
        QList<int> sources;
    };
    struct Layout
    {
        QString id;
        QString prefix;
        int digits = 0;
        bool byRating = false;
        int table = -1;
        QList<PartField> fields; // the letters after the model number, in order
        bool hasRevision = false;
        QString family;
        QString name;
        QString socket;
        CoreSet cores = kAnyCore;
        QList<int> coreOrder; // every core, the layout's own first: the order an answer names
        QList<int> sources;
        // By field and character: the index of the letter in m_letters, -1 where none.
        std::array<std::array<qint16, kLetterChars>, kPartFieldCount> letterAt;
        FieldSet coreFields = 0;   // fields with a letter that narrows the cores
        FieldSet socketFields = 0; // fields with a letter that names the socket
        QHash<int, QString> names; // by model number
    };
    struct Rating
    {
        int l2Kb = 0;
        int fsbMhz = 0;
        int model = 0;
        int clockMhz = 0;
        CoreSet cores = kAnyCore;
        QList<int> sources;
    };
    struct RatingTable
    {
        QString name;
        QList<int> rows;                // in the order of the file
        QHash<quint64, int> byKey;      // by L2, bus and model: the row
        QHash<int, QList<int>> byModel; // by model: its rows
        bool narrowsCores = false;      // whether any row narrows the cores
    };

    // How far one layout got with a line, in the order of progress.
    enum class Outcome : quint8
    {
        NoPrefix,
        BadDigits,
        BadRevision,
        LetterCount,
        NotALetter,
        TooManyUnread,
        Misread,
        CoreConflict,
        NoRating,
        Read
    };
    struct Attempt
    {
        Outcome outcome = Outcome::NoPrefix;
        qsizetype digits = 0;  // how many the model number has
        qsizetype letters = 0; // how many letters follow it
        int model = 0;
        std::array<qint16, kPartFieldCount> letter; // by field: the letter, -1 if not read
        std::array<QChar, kPartFieldCount> typed;   // by field: the character
        FieldSet unread = 0;
        PartField conflict = PartField::Package; // the letter whose cores the others rule out
        CoreSet cores = kAnyCore;
        std::optional<int> l2Kb;
        std::optional<int> fsbMhz;
        int rating = -1;        // the rating row, where L2 and bus are read
        CoreSet modelCores = 0; // NoRating: the cores the rating rows give that model
    };

    static QString clockName(int clockMhz);
    static int letterIndex(QChar c);

    // Each adds one table's rows: the first fault, or an empty text.
    QString loadLayouts(QStringView text, const SourceList& sources);
    QString loadLetters(QStringView text, const SourceList& sources);
    QString loadRatings(QStringView text, const SourceList& sources);
    int layoutById(QStringView id) const;
    int coreIndex(const QString& core);
    CoreSet coreSet(const QStringList& cores);
    QList<int> sourceIndices(const QStringList& ids);

    Attempt attempt(const Layout& layout, QStringView code, QStringView revision) const;
    // The one layout that reads `partNumber`, its attempt in `read`; -1 for none, or for
    // two, which the tables cannot tell apart.
    int readingLayout(const QString& partNumber, Attempt* read) const;
    // The rating rows that a line whose L2 or bus letter was not read may be: the model's
    // rows, of the L2 and bus read, for the cores the letters leave.
    QList<int> possibleRatings(const Layout& layout, const Attempt& attempt) const;
    PartIdentity identityOf(const Layout& layout, const Attempt& attempt) const;
    QString coreNames(const Layout& layout, CoreSet cores) const;
    QString whyNot(const Layout& layout, const Attempt& attempt, QStringView code,
                   QStringView revision) const;
    // Which fields a line one letter short (or long) lacks (or has twice), as far as the
    // letters tell.
    QList<PartField> missingFields(const Layout& layout, QStringView letters) const;
    QList<qsizetype> extraLetters(const Layout& layout, QStringView letters) const;
    bool lettersRead(const Layout& layout, QStringView letters, qsizetype skipField,
                     qsizetype skipLetter) const;

    QList<Layout> m_layouts;
    std::array<QList<int>, kLetterChars> m_layoutsByFirst; // by the prefix's first character
    QList<Letter> m_letters;
    QList<RatingTable> m_tables;
    QList<Rating> m_ratings;
    QStringList m_cores;
    QStringList m_sourceIds;
    QHash<QString, int> m_sourceIndex;
};

} // namespace tallisk
