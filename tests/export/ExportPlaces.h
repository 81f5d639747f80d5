// SPDX-FileCopyrightText: 2026 The Tallisk developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TableFileWriter.h"

#include <QByteArray>
#include <QFile>
#include <QStandardPaths>
#include <QString>

namespace tallisk::test {

// For the length of one test: a stand-in for the program's directory, and the user's home
// (so the documents folder) moved to `home`, so an export never lands in a real folder.
class ExportPlaces
{
public:
    ExportPlaces(const QString& programDirectory, const QString& home)
        : m_homePath(home), m_home(qgetenv("HOME")), m_configHome(qgetenv("XDG_CONFIG_HOME")),
          m_hadConfigHome(qEnvironmentVariableIsSet("XDG_CONFIG_HOME"))
    {
        QStandardPaths::setTestModeEnabled(true);
        qputenv("HOME", QFile::encodeName(home));
        // The documents folder is then the home's own, not one a user-dirs file names.
        qunsetenv("XDG_CONFIG_HOME");
        TableFileWriter::setProgramDirectory(programDirectory);
    }
    ~ExportPlaces()
    {
        TableFileWriter::setProgramDirectory(QString());
        qputenv("HOME", m_home);
        if (m_hadConfigHome)
            qputenv("XDG_CONFIG_HOME", m_configHome);
        QStandardPaths::setTestModeEnabled(false);
    }
    ExportPlaces(const ExportPlaces&) = delete;
    ExportPlaces& operator=(const ExportPlaces&) = delete;

    static QString documents()
    {
        return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    }
    // A home below `directory`; where no documents folder is possible, one below the regular
    // file `directory`/file (which the test makes), so that no one, root included, can create it.
    static QString homeIn(const QString& directory, bool documentsPossible)
    {
        return directory +
               (documentsPossible ? QStringLiteral("/home") : QStringLiteral("/file/home"));
    }
    // Whether the documents folder moved with the home (it does on Unix desktops).
    bool documentsInHome() const
    {
        return documents() == m_homePath + QStringLiteral("/Documents");
    }

private:
    QString m_homePath;
    QByteArray m_home;
    QByteArray m_configHome;
    bool m_hadConfigHome;
};

} // namespace tallisk::test
