// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "FuzzInput.h"

#include <cstdio>
#include <cstdlib>

namespace tallisk::fuzz {

namespace {

bool isContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

} // namespace

void fail(const char* what, const QString& detail)
{
    std::fprintf(stderr, "invariant broken: %s %s\n", what, qUtf8Printable(detail));
    std::abort();
}

void check(bool holds, const char* what, const QString& detail)
{
    if (!holds)
        fail(what, detail);
}

QString decodeUtf8(QByteArrayView bytes)
{
    QString text;
    text.reserve(bytes.size());
    const auto byte = [&bytes](qsizetype i) {
        return i < bytes.size() ? static_cast<unsigned char>(bytes[i]) : 0U;
    };
    for (qsizetype i = 0; i < bytes.size();) {
        const unsigned char lead = byte(i);
        char32_t codePoint = 0;
        qsizetype length = 1;
        if (lead < 0x80) {
            codePoint = lead;
        } else if (lead >= 0xC2 && lead <= 0xDF && isContinuation(byte(i + 1))) {
            codePoint = (char32_t(lead & 0x1F) << 6) | (byte(i + 1) & 0x3F);
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF && isContinuation(byte(i + 1)) &&
                   isContinuation(byte(i + 2)) && (lead != 0xE0 || byte(i + 1) >= 0xA0)) {
            codePoint = (char32_t(lead & 0x0F) << 12) | (char32_t(byte(i + 1) & 0x3F) << 6) |
                        (byte(i + 2) & 0x3F);
            length = 3;
        } else if (lead >= 0xF0 && lead <= 0xF4 && isContinuation(byte(i + 1)) &&
                   isContinuation(byte(i + 2)) && isContinuation(byte(i + 3)) &&
                   (lead != 0xF0 || byte(i + 1) >= 0x90) && (lead != 0xF4 || byte(i + 1) < 0x90)) {
            codePoint = (char32_t(lead & 0x07) << 18) | (char32_t(byte(i + 1) & 0x3F) << 12) |
                        (char32_t(byte(i + 2) & 0x3F) << 6) | (byte(i + 3) & 0x3F);
            length = 4;
        } else {
            codePoint = 0xFFFD;
        }
        if (codePoint > 0xFFFF) {
            text.append(QChar(QChar::highSurrogate(codePoint)));
            text.append(QChar(QChar::lowSurrogate(codePoint)));
        } else {
            text.append(QChar(char16_t(codePoint)));
        }
        i += length;
    }
    return text;
}

FuzzInput::FuzzInput(const uint8_t* data, size_t size)
{
    QByteArrayView input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (input.endsWith('\n'))
        input.chop(1);
    for (int i = 0; i < 2; ++i) {
        const qsizetype end = input.indexOf('\n');
        bytes[i] = end < 0 ? input : input.first(end);
        input = end < 0 ? QByteArrayView() : input.sliced(end + 1);
    }
    bytes[2] = input;
    for (int i = 0; i < 3; ++i)
        lines[i] = decodeUtf8(bytes[i]);
}

} // namespace tallisk::fuzz
