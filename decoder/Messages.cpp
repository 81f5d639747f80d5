// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Messages.h"

#include <QCoreApplication>

namespace tallisk::messages {

namespace {
// The messages' translation context; a class, so that lupdate files the texts under it.
class Texts
{
    Q_DECLARE_TR_FUNCTIONS(Decoder)
};
const QString kBlankLine = QStringLiteral("\r\n\r\n");
} // namespace

QString notFound()
{
    return Texts::tr("Error! CPU Identification String not found.. Aborting");
}

QString codeError(const QString& detail)
{
    return Texts::tr("There was an error with the string you entered - Please revise it.") + detail;
}

QString chipUnsupported(const QString& modelName)
{
    return Texts::tr("Chip '%1' is currently unsupported by Tallisk").arg(modelName);
}

QString steppingNotFound()
{
    return Texts::tr("Failed trying to retrieve stepping");
}

QString lineTwoUnreadable()
{
    return Texts::tr("Error: Unable to read correct value in textbox two.");
}

QString lineThreeUnreadable()
{
    return Texts::tr("Error: Unable to read correct value in textbox three.");
}

QString lettersDetail()
{
    return kBlankLine +
           Texts::tr("A mistake was made with the first several letters of text in code one");
}

QString didYouMeanDetail()
{
    return kBlankLine + Texts::tr("Did you mean 'AXDA' or 'AX' instead?");
}

} // namespace tallisk::messages
