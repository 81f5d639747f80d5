// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>

namespace tallisk {

// A finite double as the toolkit's JSON writes it (QJsonDocument: the shortest text that reads
// back as the same double, an integral one without a point), into `buffer`; the view is of it.
// The command's JSON and the CSV's number cells both write numbers so. The decimals identities
// hold (a multiplier of 11.5, a voltage of 1.65) are written straight from their thousandths;
// anything else the toolkit's way.
QByteArrayView jsonNumber(double number, char (&buffer)[32]);

} // namespace tallisk
