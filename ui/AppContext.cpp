#include "ui/AppContext.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString CAppContext::UnitSetFolder() const {
    const QString programFolder = QCoreApplication::applicationDirPath();
    if (QFileInfo(programFolder) == QFileInfo(QStringLiteral(TARVO_BINARY_DIR))) {
        return QStringLiteral(TARVO_SOURCE_DIR "/share/tarvo/units");
    }
    const QString installed = QDir::cleanPath(programFolder + "/../share/tarvo/units");
    return QFileInfo(installed).isDir() ? installed : QString();
}
