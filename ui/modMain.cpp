// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "modMain.h"

#include "MessageBoxes.h"
#include "TalliskVersion.h"

#include <QApplication>
#include <QCoreApplication>
#include <QProcess>

#ifdef Q_OS_WIN
// shellapi.h needs the types of windows.h, so that one comes first.
// clang-format off
#include <windows.h>
#include <shellapi.h>
// clang-format on
#endif

namespace tallisk::modMain {

namespace {

// The module's translation context; a class, so that lupdate files the texts under it.
class Texts
{
    Q_DECLARE_TR_FUNCTIONS(modMain)
};

// The desktop's own opener, as the platform provides it.
bool platformShellOpen(const QString& target, const OpenReport& report)
{
#ifdef Q_OS_WIN
    // No verb (the default one), no parameters, "C:\" as working directory, shown normally.
    // A result of 32 or less is the shell's refusal: no program is registered for the link.
    const QByteArray file = target.toLocal8Bit();
    const auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteA(nullptr, nullptr, file.constData(), nullptr, "C:\\", SW_SHOWNORMAL));
    if (report)
        report(result > 32);
    return true;
#else
#ifdef Q_OS_MACOS
    const QString opener = QStringLiteral("open");
#else
    const QString opener = QStringLiteral("xdg-open");
#endif
    // The link is the opener's single argument; no shell comes in between to reinterpret it.
    // Nothing ties the opener to this program's input or output, and it is never destroyed
    // while it runs: that would kill it, and a mail program xdg-open runs in the foreground with
    // it. Finished, it says whether a program took the link (exit status 0) and goes.
    auto* process = new QProcess;
    process->setProgram(opener);
    process->setArguments({target});
    process->setStandardInputFile(QProcess::nullDevice());
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    QObject::connect(process, &QProcess::finished, process,
                     [process, report](int exitCode, QProcess::ExitStatus status) {
                         if (report)
                             report(status == QProcess::NormalExit && exitCode == 0);
                         process->deleteLater();
                     });
    process->start();
    if (!process->waitForStarted()) {
        delete process;
        return false;
    }
    return true;
#endif
}

ShellLauncher& launcher()
{
    static ShellLauncher current;
    return current;
}

} // namespace

QString applicationTitle()
{
    return QStringLiteral("Tallisk");
}

QString creditLine()
{
    return Texts::tr("Copyright \u00A9 2026 The Tallisk developers");
}

QIcon applicationIcon()
{
    QIcon icon;
    icon.addFile(QStringLiteral(":/tallisk/tallisk-16.xpm"), QSize(16, 16));
    icon.addFile(QStringLiteral(":/tallisk/tallisk-32.xpm"), QSize(32, 32));
    return icon;
}

QFont dialogFont()
{
#ifdef Q_OS_WIN
    // The logical dialog font of the system, as its own dialogs use it.
    QFont font(QStringLiteral("MS Shell Dlg 2"));
#else
    QFont font(QStringLiteral("Liberation Sans"));
#endif
    // Without the named face (not installed), another sans-serif rather than a serif one.
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(8);
    return font;
}

void setUpApplication(QApplication& app)
{
    QApplication::setApplicationName(QStringLiteral("tallisk"));
    QApplication::setApplicationVersion(QStringLiteral(TALLISK_VERSION_STRING));
    // Lets Wayland compositors and docks match the windows to the installed desktop entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tallisk.tallisk"));
    app.setWindowIcon(applicationIcon());
    // Application-wide, so menus and message boxes, windows of their own, have it too.
    QApplication::setFont(dialogFont());
}

void showDecoderMessage(QWidget* owner, const QString& text)
{
    MessageBoxes::show(owner, QMessageBox::NoIcon, applicationTitle(), text, QMessageBox::Ok);
}

void showUnexpectedError(QWidget* owner)
{
    MessageBoxes::show(owner, QMessageBox::Critical, Texts::tr("Error"),
                       Texts::tr("An unexpected error has occured!"), QMessageBox::Ok);
}

QString bugReportAddress()
{
    return QStringLiteral(TALLISK_BUG_ADDRESS);
}

QString bugReportSubject()
{
    return Texts::tr("Reporting a bug or error in Tallisk");
}

QString bugReportLink()
{
    return QStringLiteral("mailto:") + bugReportAddress() + QStringLiteral("?subject=") +
           bugReportSubject();
}

bool ShellOpen(const QString& target, OpenReport report)
{
    const ShellLauncher& replacement = launcher();
    return replacement ? replacement(target, report) : platformShellOpen(target, report);
}

void setShellLauncher(ShellLauncher replacement)
{
    launcher() = std::move(replacement);
}

} // namespace tallisk::modMain
