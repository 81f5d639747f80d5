// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "IdentityArea.h"

#include "DecodeTarget.h"
#include "FieldTable.h"
#include "PartIdentity.h"
#include "Twips.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLocale>

#include <cmath>

namespace tallisk {

namespace {

QString caption(Field field)
{
    return QCoreApplication::translate(kFieldTableContext, fieldInfo(field).caption);
}

// The core the tables name, without the range the stepping code adds ("High end", "Low end").
QString coreWithoutRange(QString core)
{
    for (const QLatin1StringView range :
         {QLatin1StringView(" High end"), QLatin1StringView(" Low end")}) {
        if (core.endsWith(range))
            core.chop(range.size());
    }
    return core;
}

// Whether the tables' core says the same as the part's, or less of it: "Thoroughbred" agrees
// with "Thoroughbred A or Thoroughbred B", and so does "Thoroughbred B Low end", one of the two.
bool coreAgrees(const QString& tables, const QString& part)
{
    const QString core = coreWithoutRange(tables);
    return !core.isEmpty() &&
           (part.split(QStringLiteral(" or ")).contains(core) || part.startsWith(core + u' '));
}

// A multiplier as the tables write it: "11.5" from the rating table, or the computed one with
// the locale's decimal separator and no leading zero (",4"). Nothing for "Error!" and the like.
std::optional<double> multiplierOf(QString text)
{
    text.replace(QLocale().decimalPoint(), QStringLiteral("."));
    if (text.startsWith(u'.'))
        text.prepend(u'0');
    bool ok = false;
    const double value = QLocale::c().toDouble(text, &ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

} // namespace

IdentityArea::IdentityArea(QWidget* parent) : QGroupBox(tr("[ Real part ]"), parent)
{
    setObjectName(QStringLiteral("fraIdentity"));
    setGeometry(twipsRect(0, kTop, 5535, kHeight));
    setAutoFillBackground(true);

    m_text = new QLabel(this);
    m_text->setGeometry(twipsRect(120, 240, 5295, kHeight - 300));
    m_text->setObjectName(QStringLiteral("lblIdentity"));
    m_text->setTextFormat(Qt::PlainText);
    m_text->setWordWrap(true);
    m_text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Reachable by Tab and readable by a screen reader, and its text can be copied.
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_text->setFocusPolicy(Qt::StrongFocus);
}

QStringList IdentityArea::lines(const DecodeTarget& tables, const std::optional<PartIdentity>& part)
{
    if (!part)
        return {tr("Real part: not known")};
    QStringList shown{tr("Real part: %1, %2").arg(part->summary(), basisText(*part))};
    shown += differences(tables, *part);
    return shown;
}

QString IdentityArea::basisText(const PartIdentity& part)
{
    return part.basis == QLatin1StringView(PartIdentity::kKnownPart)
               ? tr("a known part")
               : tr("read from its part number");
}

void IdentityArea::fill(const DecodeTarget& tables, const std::optional<PartIdentity>& part)
{
    m_text->setText(lines(tables, part).join(u'\n'));
}

QStringList IdentityArea::differences(const DecodeTarget& tables, const PartIdentity& part)
{
    QStringList found;
    // The tables' text in quotes would read badly; an empty field is said to be empty.
    const auto said = [&](Field field) {
        const QString text = tables.field(field);
        return text.isEmpty() ? tr("nothing") : text;
    };

    if (!part.core.isEmpty() && !coreAgrees(tables.field(Field::Core), part.core)) {
        found << tr("%1: the marking tables say %2, this part is a %3")
                     .arg(caption(Field::Core), said(Field::Core), part.core);
    }
    if (part.clockMhz && tables.field(Field::WorkingFreq) != QString::number(*part.clockMhz)) {
        found << tr("%1: the marking tables say %2, this part runs at %3 MHz")
                     .arg(caption(Field::WorkingFreq), said(Field::WorkingFreq))
                     .arg(*part.clockMhz);
    }
    if (part.multiplier) {
        const std::optional<double> tablesSay = multiplierOf(tables.field(Field::Multiplier));
        if (!tablesSay || std::abs(*tablesSay - *part.multiplier) > 0.01) {
            found << tr("%1: the marking tables say %2, this part's is %3")
                         .arg(caption(Field::Multiplier), said(Field::Multiplier),
                              QString::number(*part.multiplier, 'f', 1));
        }
    }
    if (part.fsbMhz &&
        tables.field(Field::Fsb) != QString::number(*part.fsbMhz) + QStringLiteral("MHz")) {
        found << tr("%1: the marking tables say %2, this part's bus is %3 MHz")
                     .arg(caption(Field::Fsb), said(Field::Fsb))
                     .arg(*part.fsbMhz);
    }
    if (part.l2Kb &&
        tables.field(Field::L2Cache) != QString::number(*part.l2Kb) + QStringLiteral("KB")) {
        found << tr("%1: the marking tables say %2, this part has %3 KB")
                     .arg(caption(Field::L2Cache), said(Field::L2Cache))
                     .arg(*part.l2Kb);
    }
    return found;
}

} // namespace tallisk
