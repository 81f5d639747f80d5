// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>
#include <QString>

#include <cstddef>
#include <cstdint>

namespace tallisk::fuzz {

// A fuzz input as the three lines of a marking code: split at its first two line feeds; the
// rest, less one final line feed (as a text file ends), is line 3 and may hold further line
// breaks. Each line as bytes and as text.
struct FuzzInput
{
    QByteArrayView bytes[3];
    QString lines[3];

    FuzzInput(const uint8_t* data, size_t size);
};

// UTF-8 as a paste may bring it: surrogate code points encoded in three bytes are kept, so the
// fuzzer reaches lone surrogates; any other malformed sequence becomes U+FFFD, one per byte.
QString decodeUtf8(QByteArrayView bytes);

// Stops the run with a message when a promise is broken.
[[noreturn]] void fail(const char* what, const QString& detail = {});
void check(bool holds, const char* what, const QString& detail = {});

} // namespace tallisk::fuzz
