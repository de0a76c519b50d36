#include "ui/TextResource.h"

#include <QFile>

void InitResources() {
    static bool registered = false;
    if (!registered) {
        Q_INIT_RESOURCE(tarvo);
        registered = true;
    }
}

QString TextFromResourceBytes(QByteArray bytes) {
    const qsizetype nul = bytes.indexOf('\0');
    if (nul >= 0) {
        bytes.truncate(nul);
    }
    // Some tools end a text resource with a stray character of code 2; it is no part of the text.
    if (bytes.endsWith('\x02')) {
        bytes.chop(1);
    }
    // The texts are single-byte; Latin-1 maps every byte to one character.
    return QString::fromLatin1(bytes);
}

std::optional<QString> LoadTextResource(const QString& name) {
    InitResources();
    QFile file(QStringLiteral(":/text/") + name);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    return TextFromResourceBytes(file.readAll());
}
