// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DecodeTarget.h"
#include "ResultReport.h"

#include <QMainWindow>

#include <array>
#include <optional>

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;

namespace tallisk {
class RealPartArea;
}

namespace tallisk {

// The main window: three boxes for the lines of the marking code, "Check", the seventeen
// captioned results, "Export to HTML", the real part beside the results, and the File, Edit
// and Help menus. The window is also the decode target: its result labels are the result,
// read and written where they are shown.
class frmMain final : public QMainWindow, public DecodeTarget
{
    Q_OBJECT

public:
    explicit frmMain(QWidget* parent = nullptr);
    ~frmMain() override;

    // What starting the program does: the beta notice while the window is still hidden, then
    // the window, centred on the screen, with the focus in Text1.
    void startUp();

    // The notice shown before the window first appears: six lines joined by CR LF.
    static QString betaNotice();

    QString line1() const override;
    QString line2() const override;
    QString line3() const override;
    QString field(Field field) const override;
    void setField(Field field, const QString& text) override;
    QString modelName() const override;
    void setModelName(const QString& name) override;
    void showMessage(const QString& text) override;

    // Event handlers, named after their control and event.
    void Form_Load();
    void Command2_Click();
    void Command3_Click();
    void mnuExit_Click();
    void mnuAbout_Click();
    void mnuReport_Click();
    void mnuCopyResult_Click();
    void mnuSaveResultAs_Click();
    void cmdSources_Click();
    // A suggested part number chosen for a line that is not known: into Text1, and checked.
    void lblSuggestion_Click(const QString& partNumber);

    // What the last "Check" showed, as Copy Result and Save Result As write it; nothing before
    // the first.
    const std::optional<ResultReport>& report() const { return m_report; }

protected:
    // A code box that loses the focus scrolls back to the start of its line.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildInputFrame(QWidget* client);
    void buildResultFrame(QWidget* client);
    void buildMenus();
    void centreOnScreen();
    void followTheTheme();
    void spreadOverBoxes(QLineEdit* pastedInto);
    void showBugReportAddress();
    QString suggestedSavePath() const;

    QGroupBox* m_frame2 = nullptr;
    std::array<QLineEdit*, 3> m_boxes{};
    QLineEdit* m_text1 = nullptr;
    QLineEdit* m_text2 = nullptr;
    QLineEdit* m_text3 = nullptr;
    std::array<QLabel*, kFieldCount> m_results{};
    RealPartArea* m_realPart = nullptr;
    QAction* m_copyResult = nullptr;
    QAction* m_saveResultAs = nullptr;
    QStringList m_messages; // those the running or last pass showed
    std::optional<ResultReport> m_report;
};

} // namespace tallisk
