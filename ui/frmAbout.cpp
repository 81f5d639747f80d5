// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmAbout.h"

#include "ClickLabel.h"
#include "Grounds.h"
#include "TalliskVersion.h"
#include "Twips.h"
#include "modMain.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>

namespace tallisk {

frmAbout::frmAbout(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(tr("About"));
    setWindowIcon(modMain::applicationIcon());
    setFixedSize(twipsRect(0, 0, 4155, 1800).size());
    // The layout's font on the window itself, whatever font a desktop theme gives the program.
    setFont(modMain::dialogFont());

    // The picture box: a sunken border two pixels wide around exactly the 32 x 32 picture.
    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("picIcon"));
    picture->setGeometry(twipsRect(120, 120, 540, 540));
    picture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    picture->setLineWidth(twipsToPixels(30));
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picture->setPixmap(QPixmap(QStringLiteral(":/tallisk/about.bmp")));

    // Invisible: no text, no background; placed in the picture's client area, inside the border.
    auto* hiddenSpot = new ClickLabel(picture);
    hiddenSpot->setObjectName(QStringLiteral("Label2"));
    hiddenSpot->setGeometry(
        twipsRect(180, 195, 105, 105).translated(picture->contentsRect().topLeft()));
    connect(hiddenSpot, &ClickLabel::clicked, this, &frmAbout::Label2_Click);

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setGeometry(twipsRect(2880, 1440, 1260, 345));
    // Default button for Enter; Esc rejects the dialog, which closes it the same way.
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);

    m_title = new QLabel(tr("Tallisk"), this);
    m_title->setObjectName(QStringLiteral("lblTitle"));
    m_title->setTextFormat(Qt::PlainText);
    m_title->setGeometry(twipsRect(720, 120, 3885, 480));
    QFont titleFont(QStringLiteral("MS Sans Serif"));
    titleFont.setStyleHint(QFont::SansSerif);
    titleFont.setPointSizeF(13.5);
    titleFont.setWeight(QFont::Bold);
    m_title->setFont(titleFont);
    Grounds::setBlackText(m_title);

    m_version = new QLabel(tr("Version"), this);
    m_version->setObjectName(QStringLiteral("lblVersion"));
    m_version->setTextFormat(Qt::PlainText);
    m_version->setGeometry(twipsRect(120, 720, 3885, 225));

    auto* credit = new QLabel(modMain::creditLine(), this);
    credit->setObjectName(QStringLiteral("Label1"));
    credit->setTextFormat(Qt::PlainText);
    credit->setGeometry(twipsRect(120, 1080, 3975, 255));

    ok->setFocus(Qt::OtherFocusReason);
    Form_Load();
}

frmAbout::~frmAbout() = default;

QString frmAbout::versionText()
{
    return tr("Version %1 (Beta)")
        .arg(QStringLiteral("%1.%2.%3")
                 .arg(TALLISK_VERSION_MAJOR)
                 .arg(TALLISK_VERSION_MINOR)
                 .arg(TALLISK_VERSION_PATCH));
}

void frmAbout::Form_Load()
{
    setWindowTitle(tr("About ") + modMain::applicationTitle());
    m_version->setText(versionText());
    m_title->setText(modMain::applicationTitle());
}

void frmAbout::cmdOK_Click()
{
    accept();
}

void frmAbout::Label2_Click()
{
    setWindowTitle(windowTitle() + QStringLiteral(" :)"));
}

} // namespace tallisk
