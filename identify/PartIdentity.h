// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringTokenizer>

#include <optional>

namespace tallisk {

// The fields of a part number after its model number, one letter each, as the layout tables
// name them.
enum class PartField : quint8
{
    Package,
    Voltage,
    Temperature,
    L2,
    L2Speed,
    Bus,
    Revision
};
constexpr int kPartFieldCount = 7;

// The name of a field in the tables and in the command's JSON: "package", "voltage",
// "temperature", "l2", "l2speed", "bus" or "revision".
QLatin1StringView partFieldKey(PartField field);
std::optional<PartField> partFieldFromKey(QStringView key);

// A letter of a part number that is not in its field's table: the facts that field decides
// are unknown in the answer.
struct UnreadLetter
{
    Q_DECLARE_TR_FUNCTIONS(UnreadLetter)

public:
    PartField field = PartField::Package;
    QChar letter;

    // For people: "the temperature letter S was not read".
    QString text() const;
    // The field for people: "package", "voltage", "temperature", "L2", "L2 speed", "bus",
    // "revision".
    static QString fieldName(PartField field);

    friend bool operator==(const UnreadLetter&, const UnreadLetter&) = default;
};

// How an answer's sources are written: as their ids in sources.tsv (a batch's records, which
// `tallisk-decode --sources` lists once), or whole, each its title and address.
enum class Citations
{
    Ids,
    Whole
};

// The facts of one real part, as a row of the known-part table holds them or the part-number
// reader reads them. A fact neither knows is empty (an empty text or an empty optional); it is
// never filled in by guessing.
//
// Bus convention: `fsbMhz` is the front-side bus as AMD quotes it, the double-data-rate
// transfer rate rounded down: 200, 266, 333 or 400. The bus clock that the multiplier applies
// to is half of the exact rate (100, 133 1/3, 166 2/3 or 200 MHz).
class PartIdentity
{
    Q_DECLARE_TR_FUNCTIONS(PartIdentity)

public:
    QString part;   // the ordering part number, e.g. "AXDA3200DKV4E", in upper case
    QString name;   // marketing name, e.g. "AMD Athlon XP 3200+"
    QString family; // e.g. "Athlon XP"
    QString core;   // e.g. "Barton"; "A or B" (kCoreSeparator) where the part number leaves two
    std::optional<int> rating; // the performance rating of a rated part: 3200 for "3200+"
    std::optional<int> clockMhz;
    std::optional<int> fsbMhz;
    std::optional<double> multiplier;
    std::optional<int> l1Kb; // from the core (cores.tsv)
    std::optional<int> l2Kb;
    std::optional<double> vcore; // volts
    QString package;             // e.g. "OPGA"
    std::optional<int> maxTempC;
    QString socket; // "Socket A" or "Slot A"
    QString note;
    // The stepping code whose last letter told the core from the other one its part number
    // leaves ("JIUHB" for Thoroughbred B); empty where nothing narrowed the core.
    QString narrowedBy;
    QString basis;       // kKnownPart or kReadFromPartNumber
    QStringList sources; // the public sources behind the answer: their ids in sources.tsv
    // Letters of the part number its tables do not hold; the facts they decide are left
    // unknown. Empty for a known part and for a part number read whole.
    QList<UnreadLetter> unread;

    // The two bases of an answer: a row of the known-part table, or the part number's letters
    // read against the layout tables.
    static constexpr const char* kKnownPart = "known part";
    static constexpr const char* kReadFromPartNumber = "read from the part number";

    // Between the cores of a part number that leaves more than one.
    static constexpr QStringView kCoreSeparator = u" or ";

    // The one or two cores `core` names, as views into it (none when it is unknown): the
    // identity must outlive them.
    auto coreNames() const
    {
        return QStringView(core).tokenize(kCoreSeparator, Qt::SkipEmptyParts);
    }

    // The identity as the command prints it, built with the toolkit: the reference that the
    // command's own writers are checked against (they walk identityKeys() instead). Exactly
    // the keys part, name, family, core, rating, clock_mhz, fsb_mhz, multiplier, l1_kb, l2_kb,
    // vcore, package, max_temp_c, socket, basis and sources; numbers as JSON numbers, every
    // unknown fact as null, sources as an array of texts written as `citations` says. The
    // note, what narrowed the core and the unread letters are left out.
    QJsonObject toJson(Citations citations = Citations::Whole) const;

    // One line for people: the name, then core, clock, bus, multiplier and L2 in parentheses,
    // e.g. "AMD Athlon XP 3200+ (Barton, 2200 MHz, 400 MHz bus, 11.0x, 512 KB L2)". Unknown
    // facts are left out; with none known, the name alone.
    QString summary() const;

    friend bool operator==(const PartIdentity&, const PartIdentity&) = default;
};

} // namespace tallisk
