// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "MessageBoxes.h"
#include "TalliskVersion.h"
#include "TestSupport.h"
#include "UiTestSupport.h"
#include "modMain.h"

#include <QFile>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

using namespace tallisk;

// The shell opener as the desktop provides it, with a stand-in opener put first on PATH.
class tst_modMain : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void bugLinkKeepsItsSpaces();
    void openerSaysWhetherAProgramTookTheLink_data();
    void openerSaysWhetherAProgramTookTheLink();
    void missingOpenerIsAFailure();

private:
    // Installs an opener script that records its arguments, one per line, and exits with
    // `status`; returns the file it records into.
    QString installOpener(int status);

    QTemporaryDir m_bin;
    QByteArray m_savedPath;
};

void tst_modMain::init()
{
    test::answerEveryBoxWithOk();
    modMain::setShellLauncher({});
    m_savedPath = qgetenv("PATH");
}

void tst_modMain::cleanup()
{
    qputenv("PATH", m_savedPath);
    MessageBoxes::reset();
}

QString tst_modMain::installOpener(int status)
{
#ifdef Q_OS_WIN
    Q_UNUSED(status);
    QSKIP("Windows opens links through the shell, not through an opener program");
#else
    // The desktop's opener that the program starts, stood in for by a script found first on PATH.
    const QString name =
        QSysInfo::productType() == u"macos" ? QStringLiteral("open") : QStringLiteral("xdg-open");
    const QString record = m_bin.filePath(QStringLiteral("arguments.txt"));
    QFile::remove(record);
    const QString script = m_bin.filePath(name);
    const QString text =
        QStringLiteral("#!/bin/sh\n"
                       "{ echo \"$#\"; for a in \"$@\"; do echo \"$a\"; done; } > %1.part\n"
                       "mv %1.part %1\n"
                       "exit %2\n")
            .arg(record)
            .arg(status);
    if (!test::writeFile(script, text.toUtf8()))
        return {};
    QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("PATH", QFile::encodeName(m_bin.path()) + ':' + m_savedPath);
    return record;
#endif
}

void tst_modMain::bugLinkKeepsItsSpaces()
{
    QCOMPARE(modMain::bugReportLink(),
             QStringLiteral("mailto:" TALLISK_BUG_ADDRESS
                            "?subject=Reporting a bug or error in Tallisk"));
    QVERIFY(!modMain::bugReportLink().contains(u'%'));
}

void tst_modMain::openerSaysWhetherAProgramTookTheLink_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("handled");
    // xdg-open's statuses: 0 done, 3 no tool for it, 4 the action failed (no mail program).
    QTest::newRow("taken") << 0 << true;
    QTest::newRow("no tool") << 3 << false;
    QTest::newRow("nothing took it") << 4 << false;
}

// The desktop's opener gets the link as its only argument, and its status says whether a
// program took it.
void tst_modMain::openerSaysWhetherAProgramTookTheLink()
{
    QFETCH(int, status);
    QFETCH(bool, handled);
    const QString record = installOpener(status);
    const QString link = modMain::bugReportLink();
    std::optional<bool> reported;
    QVERIFY(modMain::ShellOpen(link, [&reported](bool took) { reported = took; }));
    QTRY_VERIFY_WITH_TIMEOUT(reported.has_value(), 10000);
    QCOMPARE(*reported, handled);
    QCOMPARE(QString::fromUtf8(test::readFile(record)), QStringLiteral("1\n") + link + u'\n');
    // The module itself shows nothing: what to tell the user is the caller's.
    QVERIFY(MessageBoxes::recorded().isEmpty());
}

void tst_modMain::missingOpenerIsAFailure()
{
#ifdef Q_OS_WIN
    QSKIP("the Windows shell is always there");
#else
    QTemporaryDir empty;
    qputenv("PATH", QFile::encodeName(empty.path()));
    QVERIFY(!modMain::ShellOpen(modMain::bugReportLink()));
#endif
}

QTEST_MAIN(tst_modMain)
#include "tst_modMain.moc"
