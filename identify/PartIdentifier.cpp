// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "PartIdentifier.h"

#include "CoreTable.h"
#include "PartNumberReader.h"
#include "PartTable.h"
#include "SuggestionIndex.h"

#include <QCoreApplication>

namespace tallisk {

namespace {

// The two Thoroughbred revisions that share part numbers, and the source (sources.tsv) that
// ties the stepping code's last letter to them.
const QLatin1StringView kBothRevisions("Thoroughbred A or Thoroughbred B");
const QLatin1StringView kSteppingSource("S21");
constexpr qsizetype kMaxSuggestions = 5;
const QLatin1StringView kMakers[] = {QLatin1StringView("AMD-"), QLatin1StringView("AMD ")};

// Whether normalise() would leave the line as it is: no lower case a to z, no blank but single
// ones between characters, no maker's name in front. Most lines are typed so, and then cost no
// copy.
bool isNormal(const QString& line)
{
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (c >= u'a' && c <= u'z')
            return false;
        if (c.isSpace() && (c != u' ' || i == 0 || i + 1 == line.size() || line[i - 1] == u' '))
            return false;
    }
    return !line.startsWith(kMakers[0]) && !line.startsWith(kMakers[1]);
}

// What the core decides whatever the part number says: the L1 size, where every core the part
// may be has it in the core table and all agree.
void addCoreFacts(PartIdentity& identity)
{
    std::optional<int> l1Kb;
    QStringList sources;
    for (const QStringView name : identity.coreNames()) {
        const CoreTable::Core* core = CoreTable::instance().find(name.toString());
        if (!core || (l1Kb && *l1Kb != core->l1Kb))
            return;
        l1Kb = core->l1Kb;
        for (const QString& source : core->sources) {
            if (!sources.contains(source))
                sources << source;
        }
    }
    if (!l1Kb)
        return;
    identity.l1Kb = l1Kb;
    for (const QString& source : sources) {
        if (!identity.sources.contains(source))
            identity.sources << source;
    }
}

} // namespace

std::optional<PartIdentity> PartIdentifier::identify(const QString& line1, const QString& stepping)
{
    const QString part = normalise(line1);
    std::optional<PartIdentity> identity = PartTable::instance().identify(part);
    if (!identity)
        identity = PartNumberReader::instance().read(part);
    if (!identity)
        return std::nullopt;

    const QChar revision = stepping.isEmpty() ? QChar() : stepping.back();
    if (steppingTellsApart(identity->core) && (revision == u'A' || revision == u'B')) {
        identity->core = QStringLiteral("Thoroughbred %1").arg(revision);
        identity->narrowedBy = stepping;
        if (!identity->sources.contains(kSteppingSource))
            identity->sources << kSteppingSource;
    }
    addCoreFacts(*identity);
    return identity;
}

bool PartIdentifier::steppingTellsApart(QStringView core)
{
    return core == kBothRevisions;
}

PartIdentifier::Explanation PartIdentifier::explain(const QString& line1, Suggestions suggestions)
{
    const QString part = normalise(line1);
    if (PartTable::instance().contains(part))
        return {};
    const PartNumberReader& reader = PartNumberReader::instance();
    Explanation explanation;
    explanation.reason = reader.whyNotRead(part);
    if (explanation.reason.isEmpty() || suggestions == Suggestions::Skip)
        return explanation;
    const QList<int> layouts = reader.layoutsStartingLike(part);
    QStringList families;
    for (const int layout : layouts)
        families << reader.layoutFamily(layout);
    explanation.suggestions =
        SuggestionIndex::instance().closest(part, layouts, families, kMaxSuggestions);
    return explanation;
}

QString PartIdentifier::normalise(const QString& line1)
{
    if (isNormal(line1))
        return line1;
    // Only a to z change case: a part number is ASCII, and a look-alike letter from another
    // script (the Kelvin sign, a dotless i) must not become one.
    QString line = line1.simplified();
    for (QChar& c : line) {
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - u'a' + u'A');
    }
    for (const QLatin1StringView maker : kMakers) {
        if (line.startsWith(maker)) {
            line.remove(0, maker.size());
            break;
        }
    }
    return line.trimmed();
}

} // namespace tallisk
