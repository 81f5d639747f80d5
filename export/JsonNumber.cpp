// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "JsonNumber.h"

#include <QByteArray>
#include <QLocale>

#include <charconv>
#include <cmath>
#include <cstring>

namespace tallisk {

QByteArrayView jsonNumber(double number, char (&buffer)[32])
{
    // Below a million, a double that is a whole number of thousandths reads back from those
    // digits and from no shorter text (its neighbours are far closer than a thousandth), and
    // the toolkit writes it without an exponent; zero keeps the toolkit's sign.
    if (number > -1e6 && number < 1e6 && number != 0) {
        const long long thousandths = std::llround(number * 1000);
        if (static_cast<double>(thousandths) / 1000 == number) {
            char* p = buffer;
            const long long whole = std::abs(thousandths) / 1000;
            int fraction = static_cast<int>(std::abs(thousandths) % 1000);
            if (thousandths < 0)
                *p++ = '-';
            p = std::to_chars(p, buffer + sizeof buffer, whole).ptr;
            if (fraction != 0) {
                *p++ = '.';
                for (int unit = 100; fraction != 0; unit /= 10) {
                    *p++ = char('0' + fraction / unit);
                    fraction %= unit;
                }
            }
            return QByteArrayView(buffer, p - buffer);
        }
    }
    const QByteArray text = QByteArray::number(number, 'g', QLocale::FloatingPointShortest);
    const qsizetype size = qMin(text.size(), qsizetype(sizeof buffer));
    std::memcpy(buffer, text.constData(), static_cast<std::size_t>(size));
    return QByteArrayView(buffer, size);
}

} // namespace tallisk
