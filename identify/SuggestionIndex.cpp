// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "SuggestionIndex.h"

#include "PartIdentity.h"
#include "PartNumberReader.h"
#include "PartTable.h"

#include <QHash>
#include <QVarLengthArray>

#include <algorithm>
#include <tuple>

namespace tallisk {

namespace {

// A cost beyond any limit, that still adds without overflow.
constexpr int kFar = 1 << 20;

} // namespace

// The state of one search: the typed line, per depth of the trie its row of costs (row[j]:
// the cost of the path so far against the line's first j characters), and the costs found so
// far, which lower the limit once `count` candidates are within it, or one is kFurther closer.
struct SuggestionIndex::Search
{
    QStringView line;
    quint64 families = 0;
    qsizetype count = 0;
    qsizetype width = 0;
    int limit = kFamilyBudget;
    QVarLengthArray<int, 1024> rows;
    QVarLengthArray<char16_t, 64> path;
    QVarLengthArray<int, 8> best;        // the lowest costs found, ascending, at most `count`
    QList<std::pair<qint32, int>> found; // candidate, cost with the family's penalty

    int* row(qsizetype depth) { return rows.data() + depth * width; }
    // The cost a part of `families` has beyond its slips.
    int penalty(quint64 of) const { return (of & families) ? 0 : kOtherFamily; }
    void add(qint32 candidate, int cost)
    {
        if (cost > limit)
            return;
        found.append({candidate, cost});
        best.insert(std::upper_bound(best.begin(), best.end(), cost), cost);
        if (best.size() > count)
            best.removeLast();
        if (best.size() == count)
            limit = best.back(); // ties stay in: they are ranked by more than the cost
        limit = std::min(limit, best.front() + kFurther);
    }
};

SuggestionIndex::SuggestionIndex(const QList<Candidate>& candidates)
{
    m_nodes.append(Node());
    for (const Candidate& candidate : candidates) {
        qsizetype family = m_families.indexOf(candidate.family);
        if (family < 0) {
            family = m_families.size();
            m_families.append(candidate.family);
        }
        // Families beyond 64 share no bit: they are never "the same family".
        const quint64 bit = family < 64 ? quint64(1) << family : 0;
        m_candidates.append(candidate);
        m_familyBits.append(bit);
        insert(candidate.part, qint32(m_candidates.size() - 1));
    }
}

const SuggestionIndex& SuggestionIndex::instance()
{
    static const SuggestionIndex index = [] {
        const PartNumberReader& reader = PartNumberReader::instance();
        QList<Candidate> candidates;
        QHash<QString, qsizetype> at;
        reader.forEachPartNumber([&](const QString& part, int layout) {
            at.insert(part, candidates.size());
            candidates.append({part, reader.layoutFamily(layout), layout, false});
        });
        for (const PartIdentity& row : PartTable::instance().rows()) {
            if (const auto found = at.constFind(row.part); found != at.cend())
                candidates[*found].known = true;
            else
                candidates.append(
                    {row.part, row.family, reader.layoutReadingWhole(row.part), true});
        }
        return SuggestionIndex(candidates);
    }();
    return index;
}

void SuggestionIndex::insert(const QString& part, qint32 candidate)
{
    const quint64 family = m_familyBits[candidate];
    qint32 node = 0;
    m_nodes[node].families |= family;
    for (qsizetype depth = 0; depth < part.size(); ++depth) {
        const QChar c = part[depth];
        const quint8 rest = quint8(std::min<qsizetype>(part.size() - depth, 0xFF));
        m_nodes[node].shortestRest = std::min(m_nodes[node].shortestRest, rest);
        m_nodes[node].longestRest = std::max(m_nodes[node].longestRest, rest);
        // Children in the order of their characters, so the trie is the same however built.
        qint32 previous = -1;
        qint32 child = m_nodes[node].firstChild;
        while (child >= 0 && m_nodes[child].c < c.unicode()) {
            previous = child;
            child = m_nodes[child].nextSibling;
        }
        if (child < 0 || m_nodes[child].c != c.unicode()) {
            Node added;
            added.c = c.unicode();
            added.nextSibling = child;
            child = qint32(m_nodes.size());
            m_nodes.append(added);
            (previous < 0 ? m_nodes[node].firstChild : m_nodes[previous].nextSibling) = child;
        }
        node = child;
        m_nodes[node].families |= family;
    }
    m_nodes[node].candidate = candidate;
    m_deepest = std::max(m_deepest, part.size());
}

QStringList SuggestionIndex::closest(QStringView line, const QList<int>& layouts,
                                     const QStringList& families, qsizetype count) const
{
    if (line.isEmpty() || line.size() > kLongest)
        return {};
    Search s;
    s.line = line;
    for (const QString& family : families) {
        const qsizetype bit = m_families.indexOf(family);
        if (bit >= 0 && bit < 64)
            s.families |= quint64(1) << bit;
    }
    s.count = count;
    s.width = line.size() + 1;
    s.rows.resize((m_deepest + 1) * s.width);
    s.path.resize(m_deepest + 1);
    for (qsizetype j = 0; j < s.width; ++j)
        s.row(0)[j] = int(j) * kSlip;
    if (count > 0)
        search(s, 0, 1, false);

    // Rank by cost, a part of another family counted as kOtherFamily further off; of two as
    // close, the line's own layout, then its family, then known parts first.
    QList<std::tuple<int, int, bool, qint32>> ranked;
    for (const auto& [candidate, cost] : std::as_const(s.found)) {
        const Candidate& entry = m_candidates[candidate];
        const int tier = layouts.contains(entry.layout)           ? 0
                         : (m_familyBits[candidate] & s.families) ? 1
                                                                  : 2;
        if (cost <= s.limit)
            ranked.append({cost, tier, !entry.known, candidate});
    }
    std::sort(ranked.begin(), ranked.end(), [&](const auto& a, const auto& b) {
        const auto key = [&](const auto& t) {
            return std::tie(std::get<0>(t), std::get<1>(t), std::get<2>(t),
                            m_candidates[std::get<3>(t)].part);
        };
        return key(a) < key(b);
    });
    QStringList parts;
    for (qsizetype i = 0; i < ranked.size() && i < count; ++i)
        parts << m_candidates[std::get<3>(ranked[i])].part;
    return parts;
}

// The trie walked depth first with one row of a weighted edit distance per depth (insertions,
// deletions, substitutions and swaps of neighbours), the child that matches the line first, and
// a branch left as soon as no candidate below it can come within the limit.
void SuggestionIndex::search(Search& s, qint32 parent, qsizetype depth, bool completing) const
{
    const qsizetype n = s.line.size();
    const char16_t* line = s.line.utf16();
    const int* up = s.row(depth - 1);
    const int* upUp = depth >= 2 ? s.row(depth - 2) : nullptr;
    int* row = s.row(depth);
    const char16_t before = depth >= 2 ? s.path[depth - 2] : 0;
    const char16_t next = depth <= n ? line[depth - 1] : 0;

    // The child that matches the line goes first, so the limit comes down early; then the
    // others in their order.
    qint32 matching = m_nodes[parent].firstChild;
    while (matching >= 0 && m_nodes[matching].c != next)
        matching = m_nodes[matching].nextSibling;
    const auto following = [&](qint32 index) {
        qint32 after = index == matching ? m_nodes[parent].firstChild : m_nodes[index].nextSibling;
        return after == matching && after >= 0 ? m_nodes[after].nextSibling : after;
    };
    for (qint32 index = matching >= 0 ? matching : m_nodes[parent].firstChild; index >= 0;
         index = following(index)) {
        const Node& node = m_nodes[index];
        // What the slips of a candidate below may cost at most.
        const int budget = s.limit - s.penalty(node.families);
        if (budget < 0)
            continue;
        const char16_t c = node.c;
        const char16_t misread = PartNumberReader::misreadingOf(c);
        s.path[depth - 1] = c;
        // The characters left in the line against those left below this node: each one more
        // or less is a slip.
        const auto gap = [&](qsizetype j) {
            const qsizetype left = n - j;
            return kSlip * int(left < node.shortestRest  ? node.shortestRest - left
                               : left > node.longestRest ? left - node.longestRest
                                                         : 0);
        };
        // One more row, in the band around the diagonal within the budget (a path and a line
        // whose lengths are k apart cost k slips at least), with a cell too far on each side
        // for the rows below. With it, what any candidate below must still cost: through a
        // cell of this row, or through a swap that steps over it.
        const qsizetype reach = budget / kSlip + 1;
        const qsizetype from = std::max<qsizetype>(0, depth - reach);
        const qsizetype to = std::min<qsizetype>(n, depth + reach);
        int bound = kFar;
        if (from == 0) {
            row[0] = up[0] + kSlip;
            bound = row[0] + gap(0);
        } else {
            row[from - 1] = kFar;
        }
        if (to < n)
            row[to + 1] = kFar;
        for (qsizetype j = std::max<qsizetype>(1, from); j <= to; ++j) {
            const char16_t typed = line[j - 1];
            const int replace = c == typed ? 0 : misread == typed ? kSlip : kSubstitute;
            int cost = std::min(std::min(up[j], row[j - 1]) + kSlip, up[j - 1] + replace);
            if (depth >= 2 && j >= 2 && c == line[j - 2] && before == typed)
                cost = std::min(cost, upUp[j - 2] + kSlip);
            row[j] = cost;
            int least = cost;
            if (j < n && c == line[j])
                least = std::min(least, up[j - 1] + kSlip);
            bound = std::min(bound, least + gap(j));
        }
        const int atEnd = to == n ? row[n] : kFar;
        const bool completes = completing || (depth == n && atEnd == 0 && n >= kLeastCompleted);
        if (node.candidate >= 0) {
            const int cost = completing ? std::min(atEnd, kCompletion) : atEnd;
            s.add(node.candidate, cost + s.penalty(m_familyBits[node.candidate]));
        }
        // Where the path is the line's start so far, the line may still be completed below.
        const bool startOfLine =
            depth < n && depth >= from && depth <= to && row[depth] == 0 && n >= kLeastCompleted;
        const int below = completes || startOfLine ? std::min(kCompletion, bound) : bound;
        if (node.firstChild >= 0 && below <= budget)
            search(s, index, depth + 1, completes);
    }
}

} // namespace tallisk
