// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "PartNumberReader.h"
#include "SuggestionIndex.h"

#include <QRandomGenerator>
#include <QTest>

#include <algorithm>
#include <cstdlib>
#include <tuple>

using namespace tallisk;

// The suggestions' search prunes its trie by bounds; here it must find exactly what comparing
// the line with every candidate finds, on lines a few slips away from real part numbers.
class tst_SuggestionIndex : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void findsWhatAnExhaustiveSearchFinds();
};

namespace {

using Index = SuggestionIndex;

// The weighted distance of the index's own rules, between a candidate and the typed line.
int distance(const QString& part, const QString& line)
{
    int cost = 1 << 20;
    if (line.size() >= Index::kLeastCompleted && part.size() > line.size() && part.startsWith(line))
        cost = Index::kCompletion;
    // Each character one is longer than the other is a slip at least.
    if (std::abs(part.size() - line.size()) * Index::kSlip > Index::kFamilyBudget)
        return cost;
    const auto replace = [](QChar a, QChar b) {
        if (a == b)
            return 0;
        return PartNumberReader::misreadingOf(a.unicode()) == b.unicode() ? Index::kSlip
                                                                          : Index::kSubstitute;
    };
    const qsizetype w = line.size() + 1;
    static QList<int> cells;
    cells.resize((part.size() + 1) * w);
    int* d = cells.data();
    const QChar* p = part.constData();
    const QChar* l = line.constData();
    for (qsizetype i = 0; i <= part.size(); ++i) {
        for (qsizetype j = 0; j <= line.size(); ++j) {
            int& cell = d[i * w + j];
            if (i == 0 || j == 0) {
                cell = int(i + j) * Index::kSlip;
                continue;
            }
            cell = std::min({d[(i - 1) * w + j] + Index::kSlip, d[i * w + j - 1] + Index::kSlip,
                             d[(i - 1) * w + j - 1] + replace(p[i - 1], l[j - 1])});
            if (i > 1 && j > 1 && p[i - 1] == l[j - 2] && p[i - 2] == l[j - 1])
                cell = std::min(cell, d[(i - 2) * w + j - 2] + Index::kSlip);
        }
    }
    return std::min(cost, d[part.size() * w + line.size()]);
}

QStringList exhaustive(const Index& index, const QString& line, const QList<int>& layouts,
                       const QStringList& families, qsizetype count)
{
    QList<std::tuple<int, int, bool, QString>> near;
    for (const Index::Candidate& candidate : index.candidates()) {
        const bool family = families.contains(candidate.family);
        const int cost = distance(candidate.part, line) + (family ? 0 : Index::kOtherFamily);
        if (cost <= Index::kFamilyBudget)
            near.append({cost,
                         layouts.contains(candidate.layout) ? 0
                         : family                           ? 1
                                                            : 2,
                         !candidate.known, candidate.part});
    }
    std::sort(near.begin(), near.end());
    if (near.isEmpty())
        return {};
    int limit = std::min(int(Index::kFamilyBudget), std::get<0>(near.front()) + Index::kFurther);
    if (near.size() >= count)
        limit = std::min(limit, std::get<0>(near[count - 1]));
    QStringList parts;
    for (const auto& [cost, tier, unknown, part] : std::as_const(near)) {
        if (cost <= limit && parts.size() < count)
            parts << part;
    }
    return parts;
}

} // namespace

void tst_SuggestionIndex::findsWhatAnExhaustiveSearchFinds()
{
    const Index& index = Index::instance();
    const PartNumberReader& reader = PartNumberReader::instance();
    QVERIFY(index.candidates().size() > 1000);
    QRandomGenerator random(19);
    const QString alphabet = QStringLiteral("ABCDGIKLMOSTUVZ0123456789 ");
    for (int n = 0; n < 30; ++n) {
        // A part number with one to three slips of any kind.
        QString line = index.candidates()[random.bounded(index.candidates().size())].part;
        for (int slips = 1 + random.bounded(3); slips > 0 && !line.isEmpty(); --slips) {
            const qsizetype at = random.bounded(line.size());
            const QChar c = alphabet[random.bounded(alphabet.size())];
            switch (random.bounded(4)) {
            case 0:
                line.remove(at, 1);
                break;
            case 1:
                line.insert(at, c);
                break;
            case 2:
                line[at] = c;
                break;
            default:
                if (at + 1 < line.size())
                    std::swap(line[at], line[at + 1]);
            }
        }
        const QList<int> layouts = reader.layoutsStartingLike(line);
        QStringList families;
        for (const int layout : layouts)
            families << reader.layoutFamily(layout);
        QCOMPARE(index.closest(line, layouts, families, 5),
                 exhaustive(index, line, layouts, families, 5));
    }
}

QTEST_GUILESS_MAIN(tst_SuggestionIndex)
#include "tst_SuggestionIndex.moc"
