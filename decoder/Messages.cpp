// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Messages.h"

#include <QCoreApplication>

namespace tallisk::messages {

namespace {
QString tr(const char* text)
{
    return QCoreApplication::translate("Decoder", text);
}
const QString kBlankLine = QStringLiteral("\r\n\r\n");
} // namespace

QString notFound()
{
    return tr("Error! CPU Identification String not found.. Aborting");
}

QString codeError(const QString& detail)
{
    return tr("There was an error with the string you entered - Please revise it.") + detail;
}

QString chipUnsupported(const QString& modelName)
{
    return tr("Chip '%1' is currently unsupported by Tallisk").arg(modelName);
}

QString steppingNotFound()
{
    return tr("Failed trying to retrieve stepping");
}

QString lineTwoUnreadable()
{
    return tr("Error: Unable to read correct value in textbox two.");
}

QString lineThreeUnreadable()
{
    return tr("Error: Unable to read correct value in textbox three.");
}

QString lettersDetail()
{
    return kBlankLine + tr("A mistake was made with the first several letters of text in code one");
}

QString didYouMeanDetail()
{
    return kBlankLine + tr("Did you mean 'AXDA' or 'AX' instead?");
}

} // namespace tallisk::messages
