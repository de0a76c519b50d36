#include "ui/ProgramFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

bool CProgramFiles::RunsFromBuildTree() {
    const QString programFolder = QCoreApplication::applicationDirPath();
    const QString buildFolder = QFileInfo(QStringLiteral(TARVO_BINARY_DIR)).canonicalFilePath();
    return !buildFolder.isEmpty() && (programFolder == buildFolder ||
                                      programFolder.startsWith(buildFolder + QLatin1Char('/')));
}

QString CProgramFiles::DownloadModule() {
    if (RunsFromBuildTree()) {
        return QStringLiteral(TARVO_NET_MODULE_BUILT);
    }
    return QCoreApplication::applicationDirPath() + QLatin1Char('/') +
           QStringLiteral(TARVO_NET_MODULE_INSTALLED);
}

QString CProgramFiles::UnitSetFolder() {
    const QString folder =
        RunsFromBuildTree()
            ? QStringLiteral(TARVO_SOURCE_DIR "/share/tarvo/units")
            : QDir::cleanPath(QCoreApplication::applicationDirPath() + QLatin1Char('/') +
                              QStringLiteral(TARVO_UNIT_SETS_INSTALLED));
    return QFileInfo(folder).isDir() ? folder : QString();
}
