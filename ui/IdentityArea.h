// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGroupBox>
#include <QStringList>

#include <optional>

class QLabel;

namespace tallisk {

class DecodeTarget;
class PartIdentity;

// The area below the main window's results that names the real part after each "Check": its
// summary and basis, or that it is not known, then one line for each row where the marking
// tables' text disagrees with what the part is (core, working frequency, multiplier, bus, L2).
class IdentityArea final : public QGroupBox
{
    Q_OBJECT

public:
    // Its place below the main window's credit line, in twips: the window grows by its height.
    static constexpr int kTop = 6225;
    static constexpr int kHeight = 2640;

    explicit IdentityArea(QWidget* parent = nullptr);

    // The text that each "Check" fills, for the tab order and the tests.
    QLabel* text() const { return m_text; }

    // Fills the area from the decode result as it stands and the identity of its line 1.
    void fill(const DecodeTarget& tables, const std::optional<PartIdentity>& part);

    // The lines the area shows for a result and an identity, first the part, then the rows
    // where the tables disagree with it.
    static QStringList lines(const DecodeTarget& tables, const std::optional<PartIdentity>& part);

private:
    static QString basisText(const PartIdentity& part);
    static QStringList differences(const DecodeTarget& tables, const PartIdentity& part);

    QLabel* m_text = nullptr;
};

} // namespace tallisk
