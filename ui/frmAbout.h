// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QLabel;

namespace tallisk {

// The About window: picture, title, version and credit line, and OK. A small hidden spot over
// the picture smiles back at whoever finds it.
class frmAbout final : public QDialog
{
    Q_OBJECT

public:
    // Loads the window (running its load handler) as a dialog of `owner`, the main window.
    explicit frmAbout(QWidget* owner);
    ~frmAbout() override;

    // "Version 0.5.0 (Beta)", from the project's version numbers.
    static QString versionText();

    void Form_Load();
    void cmdOK_Click();
    void Label2_Click();

private:
    QLabel* m_title = nullptr;
    QLabel* m_version = nullptr;
};

} // namespace tallisk
