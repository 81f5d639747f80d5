// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "TalliskVersion.h"
#include "TestSupport.h"
#include "frmAbout.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>

#include <memory>

using namespace tallisk;
using namespace tallisk::test;

class tst_frmAbout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void loadSetsCaptionTitleAndVersion();
    void titleIsLargeBoldBlack();
    void controlsSitWhereDesigned_data();
    void controlsSitWhereDesigned();
    void windowIsAFixedDialogOfItsOwner();
    void pictureFillsThePictureBox();
    void okHasTheFocusAndIsDefault();
    void hiddenSpotSmiles_data();
    void hiddenSpotSmiles();
    void okEnterEscAndCloseBoxClose_data();
    void okEnterEscAndCloseBoxClose();

private:
    void show();
    // A real click at a point of the window, delivered to whatever widget lies there.
    void clickAt(const QPoint& pos)
    {
        QTest::mouseClick(m_about->windowHandle(), Qt::LeftButton, Qt::NoModifier, pos);
    }

    std::unique_ptr<QWidget> m_owner;
    std::unique_ptr<frmAbout> m_about;
};

void tst_frmAbout::init()
{
    m_owner = std::make_unique<QWidget>();
    m_owner->resize(400, 300);
    m_about = std::make_unique<frmAbout>(m_owner.get());
}

void tst_frmAbout::cleanup()
{
    m_about.reset();
    m_owner.reset();
}

void tst_frmAbout::show()
{
    m_owner->show();
    m_about->show();
    QVERIFY(QTest::qWaitForWindowActive(m_about.get()));
}

void tst_frmAbout::loadSetsCaptionTitleAndVersion()
{
    QCOMPARE(m_about->windowTitle(), QStringLiteral("About Tallisk"));
    QCOMPARE(m_about->findChild<QLabel*>(QStringLiteral("lblTitle"))->text(),
             QStringLiteral("Tallisk"));
    // The revision 0 is written as a digit; the file's "0.05" is not used here.
    QCOMPARE(m_about->findChild<QLabel*>(QStringLiteral("lblVersion"))->text(),
             QStringLiteral("Version 0.5.0 (Beta)"));
    QCOMPARE(frmAbout::versionText(), QStringLiteral("Version " TALLISK_VERSION_STRING " (Beta)"));
    QVERIFY(!m_about->findChild<QLabel*>(QStringLiteral("Label1"))->text().isEmpty());

    // Loading again starts from the plain caption.
    m_about->Label2_Click();
    m_about->Form_Load();
    QCOMPARE(m_about->windowTitle(), QStringLiteral("About Tallisk"));
}

void tst_frmAbout::titleIsLargeBoldBlack()
{
    auto* title = m_about->findChild<QLabel*>(QStringLiteral("lblTitle"));
    QCOMPARE(title->font().pointSizeF(), 13.5);
    QCOMPARE(title->font().weight(), QFont::Bold);
    QCOMPARE(title->palette().color(QPalette::WindowText), QColor(Qt::black));
    auto* version = m_about->findChild<QLabel*>(QStringLiteral("lblVersion"));
    QCOMPARE(version->font(), m_about->font()); // only the title has a font of its own
}

void tst_frmAbout::controlsSitWhereDesigned_data()
{
    addColumns<QString, QString, QRect>({"name", "container", "geometry"});

    // clang-format off
    QTest::newRow("picIcon") << "picIcon" << "frmAbout" << QRect(8, 8, 36, 36);
    // Inside the picture's two-pixel border: 12, 13 from the picture's own corner.
    QTest::newRow("Label2") << "Label2" << "picIcon" << QRect(14, 15, 7, 7);
    QTest::newRow("cmdOK") << "cmdOK" << "frmAbout" << QRect(192, 96, 84, 23);
    QTest::newRow("lblTitle") << "lblTitle" << "frmAbout" << QRect(48, 8, 259, 32);
    QTest::newRow("lblVersion") << "lblVersion" << "frmAbout" << QRect(8, 48, 259, 15);
    QTest::newRow("Label1") << "Label1" << "frmAbout" << QRect(8, 72, 265, 17);
    // clang-format on
}

void tst_frmAbout::controlsSitWhereDesigned()
{
    QFETCH(QString, name);
    QFETCH(QString, container);
    QFETCH(QRect, geometry);
    auto* control = m_about->findChild<QWidget*>(name);
    QVERIFY(control);
    QCOMPARE(control->parentWidget()->objectName(), container);
    QCOMPARE(control->geometry(), geometry);
}

void tst_frmAbout::windowIsAFixedDialogOfItsOwner()
{
    QCOMPARE(m_about->size(), QSize(277, 120));
    QCOMPARE(m_about->minimumSize(), m_about->maximumSize());
    // A dialog of the main window: no taskbar button of its own.
    QCOMPARE(m_about->parentWidget(), m_owner.get());
    QCOMPARE(m_about->windowType(), Qt::Dialog);
    const Qt::WindowFlags flags = m_about->windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowSystemMenuHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowContextHelpButtonHint));
    QVERIFY(!m_about->windowIcon().isNull());
}

void tst_frmAbout::pictureFillsThePictureBox()
{
    auto* picture = m_about->findChild<QLabel*>(QStringLiteral("picIcon"));
    QCOMPARE(picture->frameShadow(), QFrame::Sunken);
    QCOMPARE(picture->contentsRect(), QRect(2, 2, 32, 32));
    const QImage image = picture->pixmap().toImage();
    QCOMPARE(image.size(), QSize(32, 32));
    QCOMPARE(image.pixelColor(0, 0), QColor(Qt::white));
    QCOMPARE(image.pixelColor(31, 31), QColor(Qt::white));

    show();
    // What is on screen over the hidden spot is the picture: the spot draws nothing.
    const QImage shown = m_about->grab().toImage();
    auto* spot = m_about->findChild<QLabel*>(QStringLiteral("Label2"));
    QVERIFY(spot->text().isEmpty());
    QVERIFY(!spot->autoFillBackground());
    const QPoint inPicture = spot->geometry().center() - picture->contentsRect().topLeft();
    QCOMPARE(shown.pixelColor(picture->mapTo(m_about.get(), spot->geometry().center())),
             image.pixelColor(inPicture));
}

void tst_frmAbout::okHasTheFocusAndIsDefault()
{
    show();
    auto* ok = m_about->findChild<QPushButton*>(QStringLiteral("cmdOK"));
    QCOMPARE(ok->text(), QStringLiteral("OK"));
    QVERIFY(ok->isDefault());
    QCOMPARE(QApplication::focusWidget(), ok);
}

void tst_frmAbout::hiddenSpotSmiles_data()
{
    // pos: in the window, where the picture box starts at 8, 8
    addColumns<QPoint, QString>({"pos", "caption"});

    const QString three = QStringLiteral("About Tallisk :) :) :)");
    // clang-format off
    QTest::newRow("centre of the spot") << QPoint(8 + 17, 8 + 18) << three;
    QTest::newRow("top left pixel of the spot") << QPoint(8 + 14, 8 + 15) << three;
    QTest::newRow("bottom right pixel of the spot") << QPoint(8 + 20, 8 + 21) << three;
    QTest::newRow("just right of the spot") << QPoint(8 + 21, 8 + 18) << QStringLiteral("About Tallisk");
    QTest::newRow("just above the spot") << QPoint(8 + 17, 8 + 14) << QStringLiteral("About Tallisk");
    QTest::newRow("picture corner") << QPoint(8 + 3, 8 + 3) << QStringLiteral("About Tallisk");
    QTest::newRow("title") << QPoint(60, 20) << QStringLiteral("About Tallisk");
    // clang-format on
}

void tst_frmAbout::hiddenSpotSmiles()
{
    QFETCH(QPoint, pos);
    QFETCH(QString, caption);
    show();
    for (int click = 0; click < 3; ++click)
        clickAt(pos);
    QCOMPARE(m_about->windowTitle(), caption);
    QVERIFY(m_about->isVisible());
}

void tst_frmAbout::okEnterEscAndCloseBoxClose_data()
{
    QTest::addColumn<QString>("how");
    // clang-format off
    QTest::newRow("OK clicked") << "click";
    QTest::newRow("Enter") << "enter";
    QTest::newRow("Esc") << "esc";
    QTest::newRow("close box") << "close";
    // clang-format on
}

void tst_frmAbout::okEnterEscAndCloseBoxClose()
{
    QFETCH(QString, how);
    show();
    QSignalSpy finished(m_about.get(), &QDialog::finished);
    if (how == u"click")
        QTest::mouseClick(m_about->findChild<QPushButton*>(QStringLiteral("cmdOK")),
                          Qt::LeftButton);
    else if (how == u"enter")
        QTest::keyClick(m_about.get(), Qt::Key_Return);
    else if (how == u"esc")
        QTest::keyClick(m_about.get(), Qt::Key_Escape);
    else
        QVERIFY(m_about->close());
    QVERIFY(!m_about->isVisible());
    QCOMPARE(finished.size(), 1);
}

QTEST_MAIN(tst_frmAbout)
#include "tst_frmAbout.moc"
