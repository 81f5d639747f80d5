// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "PartIdentity.h"

#include "SourceList.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonValue>
#include <QStringList>

namespace tallisk {

namespace {

QJsonValue text(const QString& value)
{
    return value.isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(value);
}

template <typename T> QJsonValue number(const std::optional<T>& value)
{
    return value ? QJsonValue(static_cast<double>(*value)) : QJsonValue(QJsonValue::Null);
}

constexpr QLatin1StringView kFieldKeys[kPartFieldCount] = {
    QLatin1StringView("package"),  QLatin1StringView("voltage"), QLatin1StringView("temperature"),
    QLatin1StringView("l2"),       QLatin1StringView("l2speed"), QLatin1StringView("bus"),
    QLatin1StringView("revision"),
};

} // namespace

QLatin1StringView partFieldKey(PartField field)
{
    return kFieldKeys[static_cast<int>(field)];
}

std::optional<PartField> partFieldFromKey(QStringView key)
{
    for (int i = 0; i < kPartFieldCount; ++i) {
        if (key == kFieldKeys[i])
            return static_cast<PartField>(i);
    }
    return std::nullopt;
}

QString UnreadLetter::fieldName(PartField field)
{
    switch (field) {
    case PartField::Package:
        return tr("package");
    case PartField::Voltage:
        return tr("voltage");
    case PartField::Temperature:
        return tr("temperature");
    case PartField::L2:
        return tr("L2");
    case PartField::L2Speed:
        return tr("L2 speed");
    case PartField::Bus:
        return tr("bus");
    case PartField::Revision:
        return tr("revision");
    }
    return QString();
}

QString UnreadLetter::text() const
{
    return tr("the %1 letter %2 was not read").arg(fieldName(field), letter);
}

QJsonObject PartIdentity::toJson(Citations citations) const
{
    QJsonArray cited;
    for (const QString& id : sources)
        cited.append(citations == Citations::Ids ? id : SourceList::instance().text(id));
    return QJsonObject{
        {QStringLiteral("part"), text(part)},
        {QStringLiteral("name"), text(name)},
        {QStringLiteral("family"), text(family)},
        {QStringLiteral("core"), text(core)},
        {QStringLiteral("rating"), number(rating)},
        {QStringLiteral("clock_mhz"), number(clockMhz)},
        {QStringLiteral("fsb_mhz"), number(fsbMhz)},
        {QStringLiteral("multiplier"), number(multiplier)},
        {QStringLiteral("l1_kb"), number(l1Kb)},
        {QStringLiteral("l2_kb"), number(l2Kb)},
        {QStringLiteral("vcore"), number(vcore)},
        {QStringLiteral("package"), text(package)},
        {QStringLiteral("max_temp_c"), number(maxTempC)},
        {QStringLiteral("socket"), text(socket)},
        {QStringLiteral("basis"), text(basis)},
        {QStringLiteral("sources"), cited},
    };
}

QString PartIdentity::summary() const
{
    QStringList facts;
    if (!core.isEmpty())
        facts << core;
    if (clockMhz)
        facts << tr("%1 MHz").arg(*clockMhz);
    if (fsbMhz)
        facts << tr("%1 MHz bus").arg(*fsbMhz);
    // Always with a point and one decimal, as the table writes it, whatever the locale.
    if (multiplier)
        facts << tr("%1x").arg(QString::number(*multiplier, 'f', 1));
    if (l2Kb)
        facts << tr("%1 KB L2").arg(*l2Kb);
    if (facts.isEmpty())
        return name;
    return tr("%1 (%2)").arg(name, facts.join(QStringLiteral(", ")));
}

} // namespace tallisk
