// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "JsonWriter.h"
#include "ResultWriter.h"

#include <array>

namespace tallisk {

// The JSON form of results: an indented object for a single decode, one compact object a line
// for a batch (JSON Lines). Keys come in the order QJsonObject keeps them (sorted), so the
// output reads back exactly as DecodeCommand::resultJson() builds it.
class JsonResultWriter final : public ResultWriter
{
public:
    explicit JsonResultWriter(JsonWriter::Style style);

    void writeStart(QByteArray&) override {}
    void writeResult(QByteArray& out, const DecodeResult& result, qint64 number) override;
    void writeUnreadable(QByteArray& out, const QString& problem, qint64 number) override;

private:
    void end(JsonWriter& json) const;

    JsonWriter::Style m_style;
};

} // namespace tallisk
