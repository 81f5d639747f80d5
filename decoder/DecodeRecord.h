// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DecodeTarget.h"

#include <QStringList>

#include <functional>

namespace tallisk {

// A decode target over plain values, as a freshly opened window would hold them: empty fields,
// the waiting caption. Messages are collected in the order shown; an optional observer sees
// each one while the pass waits for it, as a modal box would.
class DecodeRecord final : public DecodeTarget
{
public:
    explicit DecodeRecord(QString line1 = {}, QString line2 = {}, QString line3 = {});

    QString line1() const override { return m_lines[0]; }
    QString line2() const override { return m_lines[1]; }
    QString line3() const override { return m_lines[2]; }
    void setLines(QString line1, QString line2, QString line3);

    QString field(Field field) const override { return m_fields[fieldIndex(field)]; }
    void setField(Field field, const QString& text) override { m_fields[fieldIndex(field)] = text; }

    QString modelName() const override { return m_modelName; }
    void setModelName(const QString& name) override { m_modelName = name; }

    void showMessage(const QString& text) override;
    const QStringList& messages() const { return m_messages; }
    void setMessageObserver(std::function<void(const QString&)> observer);

private:
    std::array<QString, 3> m_lines;
    FieldTexts m_fields;
    QString m_modelName = QString::fromLatin1(kWaitingCaption);
    QStringList m_messages;
    std::function<void(const QString&)> m_observer;
};

} // namespace tallisk
