// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFile>
#include <QString>

#include <optional>
#include <utility>

namespace tallisk {

// Loads one of the compiled-in tables with its fromTsv(). The tables are checked by the tests;
// one that fails to load is a broken build, so this stops the program with the loader's message.
template <typename Table> Table loadResource(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("Cannot read %s: %s", qPrintable(path), qPrintable(file.errorString()));
    QString error;
    std::optional<Table> loaded = Table::fromTsv(QString::fromUtf8(file.readAll()), path, &error);
    if (!loaded)
        qFatal("%s", qPrintable(error));
    return std::move(*loaded);
}

} // namespace tallisk
