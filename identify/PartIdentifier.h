// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PartIdentity.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <optional>

namespace tallisk {

// Which real part a typed line 1 names: the one entry point for the window and the command.
//
// The line is read loosely, as people type it (any case, blanks around, "AMD-" or "AMD " in
// front, a Slot A revision letter after a blank); the decoder's own texts are not touched.
// A part of the known-part table answers as a known part; any other line is read by its layout
// (PartNumberReader). Where the answer leaves Thoroughbred A or B, a stepping code whose last
// letter is A or B narrows it, as the decoder reads the stepping. Nothing else is ever guessed:
// a line neither answers is not known.
class PartIdentifier
{
    Q_DECLARE_TR_FUNCTIONS(PartIdentifier)

public:
    // `stepping` is the decoder's stepping code for the same chip, as text (empty for none).
    static std::optional<PartIdentity> identify(const QString& line1,
                                                const QString& stepping = QString());

    // For a line that identify() does not answer: the closest known part numbers, best first,
    // at most five; hints for "did you mean", never an identification.
    static QStringList suggestions(const QString& line1);

    // The line as identification reads it: blanks collapsed and trimmed, a to z in upper case,
    // without the maker's name in front. An identity's `part` is this text.
    static QString normalise(const QString& line1);
};

} // namespace tallisk
