// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Every message a decode pass can show, in one place. The texts are exact, spelling included.
namespace tallisk::messages {

QString notFound();
QString codeError(const QString& detail);
QString chipUnsupported(const QString& modelName);
QString steppingNotFound();
QString lineTwoUnreadable();
QString lineThreeUnreadable();

// Details handed to CodeError; each brings its own blank line.
QString lettersDetail();
QString didYouMeanDetail();

} // namespace tallisk::messages
