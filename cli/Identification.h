// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PartIdentity.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace tallisk {

// What --identify adds to a result, from the part table: the one place where the command
// asks the identification for anything, so a change of its interface is made here only.
class DecodeRecord;

class Identification
{
public:
    // Looks the record's part up: its line 1, read as people type it, and its decoded stepping.
    static Identification of(const DecodeRecord& record);

    // The keys of an identity's JSON form, in its order: the CSV's identity columns.
    static QStringList identityKeys();

    bool known() const { return m_known; }
    // The part's facts as PartIdentity::toJson() gives them; empty when not known.
    const QJsonObject& identity() const { return m_identity; }
    // One line for people, e.g. "AMD Athlon XP 3200+ (Barton, 2200 MHz, ...)".
    const QString& summary() const { return m_summary; }
    // What the answer rests on: a known part, or its part number read by its layout.
    const QString& basis() const { return m_basis; }
    // The letters of the part number that were not read; their facts are unknown.
    const QList<UnreadLetter>& unread() const { return m_unread; }
    // Why a line is not known, one sentence; empty when it is.
    const QString& reason() const { return m_reason; }
    // The closest known part numbers of a line that is not known: hints, never an identity.
    const QStringList& suggestions() const { return m_suggestions; }

    // The unread letters as the JSON output gives them: objects with `field` and `letter`.
    QJsonArray unreadJson() const;
    // ... and as one CSV cell: "field letter", one a line.
    QString unreadCell() const;

private:
    bool m_known = false;
    QJsonObject m_identity;
    QString m_summary;
    QString m_basis;
    QList<UnreadLetter> m_unread;
    QString m_reason;
    QStringList m_suggestions;
};

} // namespace tallisk
