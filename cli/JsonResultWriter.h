// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "JsonWriter.h"
#include "PartIdentity.h"
#include "ResultWriter.h"

namespace tallisk {

// The JSON form of results: an indented object for a single decode, one compact object a line
// for a batch (JSON Lines). Keys come in the order QJsonObject keeps them (sorted), so the
// output reads back exactly as DecodeCommand::resultJson() and addIdentity() build it. The
// identity is written from its typed value by walking identityKeys(), the CSV's list too.
class JsonResultWriter final : public ResultWriter
{
public:
    explicit JsonResultWriter(JsonWriter::Style style, Citations citations = Citations::Whole);

    void writeStart(QByteArray&) override {}
    void writeResult(QByteArray& out, const DecodeResult& result, qint64 number) override;
    void writeUnreadable(QByteArray& out, const QString& problem, qint64 number) override;

private:
    void writeIdentity(JsonWriter& json, const PartIdentity& part) const;
    void end(JsonWriter& json) const;

    JsonWriter::Style m_style;
    Citations m_citations;
};

} // namespace tallisk
