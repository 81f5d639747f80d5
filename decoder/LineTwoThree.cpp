// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "LineTwoThree.h"

#include "DecodeTarget.h"
#include "Messages.h"
#include "TextRules.h"

namespace tallisk {

namespace {

// Which line carries stepping and date, by the model number the core rules wrote.
enum class Group
{
    LineThree,
    LineTwo,
    Other
};

Group groupOf(const QString& model)
{
    if (model == u"10" || model == u"8")
        return Group::LineThree;
    if (model == u"7" || model == u"6" || model == u"4")
        return Group::LineTwo;
    return Group::Other;
}

// The stepping code runs up to the first digit at positions 2 to 8 of the stepping line;
// 0 when there is none.
qsizetype steppingLength(QStringView steppingLine)
{
    const QStringView scanned = text::mid(steppingLine, 2, 7); // positions 2 to 8
    for (qsizetype pos = 2; pos <= 8; ++pos) {
        if (text::isDigit(text::at(scanned, pos - 1)))
            return pos - 1;
    }
    return 0;
}

void refineThoroughbred(DecodeTarget& target)
{
    const QString stepping = target.field(Field::Stepping);
    const QStringView last = text::right(stepping, 1);
    if (last == u"A")
        target.setField(Field::Core, QStringLiteral("Thoroughbred A"));
    else if (last == u"B")
        target.setField(Field::Core, QStringLiteral("Thoroughbred B"));

    const QStringView first = text::left(stepping, 1);
    if (first == u"A")
        target.setField(Field::Core, target.field(Field::Core) + QStringLiteral(" High end"));
    else if (first == u"J")
        target.setField(Field::Core, target.field(Field::Core) + QStringLiteral(" Low end"));
}

void writeDate(DecodeTarget& target, QStringView dateCode)
{
    target.setField(Field::ManYear, QStringLiteral("20").append(text::left(dateCode, 2)));
    target.setField(Field::ManWeek, QStringLiteral("Week ").append(text::right(dateCode, 2)));
}

} // namespace

bool decodeLinesTwoAndThree(DecodeTarget& target)
{
    const QString line2 = target.line2();
    const QString line3 = target.line3();
    const QString model = target.field(Field::CpuModel);
    const Group group = groupOf(model);

    if (model == u"8") {
        const QStringView downgraded = text::mid(line2, 8, 2);
        target.setField(Field::DowngradedFrom,
                        text::isNumeric(downgraded)
                            ? downgraded.toString().append(u"00+")
                            : QStringLiteral("Error: Unable to read correct value"));
    } else {
        target.setField(Field::DowngradedFrom, QStringLiteral("N/A"));
    }

    if (group == Group::Other) {
        target.setField(Field::ProductionBatch, QStringLiteral("Not found"));
        return true;
    }

    const QString& steppingLine = group == Group::LineThree ? line3 : line2;
    const qsizetype length = steppingLength(steppingLine);
    if (length == 0)
        target.showMessage(messages::steppingNotFound()); // the pass goes on
    if (length >= 1)
        target.setField(Field::Stepping, text::left(steppingLine, length).toString());

    if (target.field(Field::Core) == u"Thoroughbred")
        refineThoroughbred(target);

    const QStringView dateCode = text::mid(steppingLine, length + 1, 4);
    if (group == Group::LineTwo) {
        // Line-2 chips take their date code as it stands, without a numeric test.
        writeDate(target, dateCode);
        target.setField(Field::ProductionNumber, QStringLiteral("N/A"));
        target.setField(Field::ProductionBatch, text::right(line2, 1).toString());
        return true;
    }

    if (text::isNumeric(dateCode))
        writeDate(target, dateCode);

    const QStringView productionNumber = text::right(line2, 4);
    if (!text::isNumeric(productionNumber)) {
        target.showMessage(messages::lineTwoUnreadable());
        return false;
    }
    target.setField(Field::ProductionNumber, productionNumber.toString());

    const QStringView batchGroup = text::right(line3, 4);
    if (text::isNumeric(batchGroup)) {
        target.showMessage(messages::lineThreeUnreadable());
        return false;
    }
    const QStringView batch = text::at(batchGroup, 3);
    if (!text::isDigit(batch))
        target.setField(Field::ProductionBatch, batch.toString());
    return true;
}

} // namespace tallisk
