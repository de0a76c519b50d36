#include "ui/AppIcon.h"

#include "ui/TextResource.h"

QIcon AppIcon() {
    InitResources();
    QIcon icon;
    for (const int size : {16, 32, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/icon/tarvo-%1.png").arg(size), QSize(size, size));
    }
    icon.addFile(QStringLiteral(":/icon/tarvo.svg"));
    return icon;
}
