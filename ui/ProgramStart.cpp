// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramStart.h"

#include "TalliskVersion.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QFile>
#include <QList>

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace tallisk {

namespace {

constexpr const char* kProgram = "tallisk";

// Writes to standard output and checks that all of it arrived.
int writeOut(const QString& text)
{
    QFile out;
    const QByteArray bytes = text.toUtf8();
    if (out.open(stdout, QIODevice::WriteOnly) && out.write(bytes) == bytes.size() && out.flush())
        return EXIT_SUCCESS;
    std::fprintf(stderr, "%s\n",
                 qPrintable(ProgramStart::tr("%1: cannot write standard output: %2")
                                .arg(QLatin1StringView(kProgram), out.errorString())));
    return EXIT_FAILURE;
}

struct HeldMessage
{
    QtMsgType type;
    QByteArray category;
    QString text;
};

// The watch's state: a message handler is a plain function.
QList<HeldMessage>& heldMessages()
{
    static QList<HeldMessage> messages;
    return messages;
}
QByteArray& noDisplayLine()
{
    static QByteArray line;
    return line;
}
QtMessageHandler previousHandler = nullptr;

void holdWhileStarting(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtFatalMsg) {
        // The toolkit could not open a display (or start any platform): the window cannot be
        // shown, which the one line says; the toolkit's own advice ("Reinstalling the
        // application may fix this problem") would mislead.
        std::fwrite(noDisplayLine().constData(), 1,
                    static_cast<std::size_t>(noDisplayLine().size()), stderr);
        std::fflush(stderr);
        // Mid-way through the toolkit's start nothing may run on: no exit handlers.
        std::_Exit(ProgramStart::kCannotStart);
    }
    heldMessages().append({type, QByteArray(context.category ? context.category : ""), text});
}

} // namespace

QString ProgramStart::helpText()
{
    const QString program = QLatin1StringView(kProgram);
    return tr("Usage: %1 [-h | --help] [-v | --version]\n"
              "\n"
              "Decodes the marking code printed on the lid of an AMD Athlon, Athlon XP or\n"
              "Duron processor in a window: type its three lines and press \"Check\".\n"
              "\n"
              "Options:\n"
              "  -h, --help     Shows this help and exits.\n"
              "  -v, --version  Shows the version and exits.\n"
              "The toolkit's own options (-platform, -style and others) are accepted too.\n"
              "\n"
              "The window needs a display (X11 or Wayland). Without one, %1 ends with\n"
              "status 2; tallisk-decode decodes the same codes on the command line (see\n"
              "tallisk-decode --help).\n")
        .arg(program);
}

std::optional<int> ProgramStart::answerCommandLine(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    // -platform is one of the toolkit's options, not -p -l -a ...
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    parser.addOptions({help, version});
    // The toolkit's options are unknown here and the toolkit's to check: only ours are sought.
    (void)parser.parse(arguments);
    if (parser.isSet(help))
        return writeOut(helpText());
    if (parser.isSet(version))
        return writeOut(QStringLiteral("%1 %2\n").arg(QLatin1StringView(kProgram),
                                                      QLatin1StringView(TALLISK_VERSION_STRING)));
    return std::nullopt;
}

std::optional<int> ProgramStart::refuseLeftOverArguments(const QStringList& arguments)
{
    if (arguments.size() <= 1)
        return std::nullopt;
    std::fprintf(stderr, "%s\n",
                 qPrintable(tr("%1: unexpected argument '%2' (see %1 --help)")
                                .arg(QLatin1StringView(kProgram), arguments.at(1))));
    return kCannotStart;
}

ProgramStart::DisplayWatch::DisplayWatch()
{
    // Made now: while the toolkit starts, only the line has to be written.
    noDisplayLine() = (tr("%1: no display to open the window on; tallisk-decode needs none")
                           .arg(QLatin1StringView(kProgram)) +
                       u'\n')
                          .toLocal8Bit();
    previousHandler = qInstallMessageHandler(holdWhileStarting);
}

ProgramStart::DisplayWatch::~DisplayWatch()
{
    started();
}

void ProgramStart::DisplayWatch::started()
{
    if (!m_watching)
        return;
    m_watching = false;
    qInstallMessageHandler(previousHandler);
    const QList<HeldMessage> messages = std::exchange(heldMessages(), {});
    for (const HeldMessage& message : messages) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
        qt_message_output(message.type, context, message.text);
    }
}

} // namespace tallisk
