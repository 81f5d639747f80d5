// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "CoreRules.h"

#include "DecodeTarget.h"
#include "TextRules.h"

namespace tallisk {

namespace {

// Athlon rules: letters and L2 size must both match; a rule that does not apply lets the
// next one try.
struct AthlonRule
{
    QStringView letters;
    QStringView l2Cache;
    QStringView core;
    QStringView model;
};

constexpr AthlonRule kAthlonRules[] = {
    {u"AXDA", u"512KB", u"Barton", u"10"},  {u"AXDA", u"256KB", u"Thoroughbred", u"8"},
    {u"AX", u"256KB", u"Palomino", u"6"},   {u"K7", u"256KB", u"Thunderbird", u"4"},
    {u"A", u"256KB", u"Thunderbird", u"4"},
};

// Duron rules: the first rule whose letters match is the only one looked at; the 64 KB L2
// and the voltage then choose the core. Only "DHD" carries model numbers.
struct DuronRule
{
    QStringView letters;
    QStringView spitfireModel; // null: the model field is not written
    QStringView morganModel;
};

constexpr DuronRule kDuronRules[] = {
    {u"DHD", u"3", u"7"},
    {u"DHM", {}, {}},
    {u"DHL", {}, {}},
    {u"D", {}, {}},
};

void writeCore(DecodeTarget& target, QStringView core, QStringView model)
{
    target.setField(Field::Core, text::fixed(core));
    if (!model.isNull())
        target.setField(Field::CpuModel, text::fixed(model));
}

} // namespace

void applyCoreRules(DecodeTarget& target, const QString& line1)
{
    const QString l2Cache = target.field(Field::L2Cache);
    for (const AthlonRule& rule : kAthlonRules) {
        if (text::startsWith(line1, rule.letters) && l2Cache == rule.l2Cache) {
            writeCore(target, rule.core, rule.model);
            return;
        }
    }

    for (const DuronRule& rule : kDuronRules) {
        if (!text::startsWith(line1, rule.letters))
            continue;
        if (l2Cache != u"64KB")
            return;
        const QString voltage = target.field(Field::OperatingVoltage);
        if (voltage == u"1.60v")
            writeCore(target, u"Spitfire", rule.spitfireModel);
        else if (voltage == u"1.75v")
            writeCore(target, u"Morgan", rule.morganModel);
        return;
    }
}

} // namespace tallisk
