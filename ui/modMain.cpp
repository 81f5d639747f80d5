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
bool platformShellOpen(const QString& target)
{
#ifdef Q_OS_WIN
    // No verb (the default one), no parameters, "C:\" as working directory, shown normally.
    // The result says whether the shell managed, which is not ours to report.
    const QByteArray file = target.toLocal8Bit();
    ShellExecuteA(nullptr, nullptr, file.constData(), nullptr, "C:\\", SW_SHOWNORMAL);
    return true;
#else
#ifdef Q_OS_MACOS
    const QString opener = QStringLiteral("open");
#else
    const QString opener = QStringLiteral("xdg-open");
#endif
    // The link is the opener's single argument; no shell comes in between to reinterpret it.
    return QProcess::startDetached(opener, {target});
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

QString bugReportLink()
{
    return QStringLiteral("mailto:") + QStringLiteral(TALLISK_BUG_ADDRESS) +
           QStringLiteral("?subject=") + Texts::tr("Reporting a bug or error in Tallisk");
}

bool ShellOpen(const QString& target)
{
    const ShellLauncher& replacement = launcher();
    return replacement ? replacement(target) : platformShellOpen(target);
}

void setShellLauncher(ShellLauncher replacement)
{
    launcher() = std::move(replacement);
}

} // namespace tallisk::modMain
