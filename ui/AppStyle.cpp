#include "ui/AppStyle.h"

#include <QPointer>
#include <QWidget>

#include "ui/DeferredIconEngine.h"

CAppStyle::CAppStyle() = default;

QIcon CAppStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption* option,
                              const QWidget* widget) const {
    if (standardIcon != SP_ToolBarHorizontalExtensionButton || option != nullptr) {
        return QProxyStyle::standardIcon(standardIcon, option, widget);
    }
    // The widget may be gone by the time the icon is drawn; the base style outlives it.
    return QIcon(
        new CDeferredIconEngine([base = QPointer<QStyle>(baseStyle()), standardIcon,
                                 target = QPointer<QWidget>(const_cast<QWidget*>(widget))] {
            return base ? base->standardIcon(standardIcon, nullptr, target) : QIcon();
        }));
}
