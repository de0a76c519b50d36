#include "ui/StayOnTop.h"

#include <QApplication>
#include <QWidget>
#include <QWindow>

#include "app/WindowSettings.h"

namespace {

// The application's main window: the top-level owner of the window the user works in,
// which is the active modal window when there is one (the main window or a dialog over
// it), else the active window.
QWidget* MainWindow() {
    QWidget* window = QApplication::activeModalWidget();
    if (!window) {
        window = QApplication::activeWindow();
    }
    while (window && window->parentWidget()) {
        window = window->parentWidget()->window();
    }
    return window;
}

}  // namespace

void ApplyOnTop(const CWindowSettings& settings, QWidget* window) {
    QWidget* target = window ? window->window() : MainWindow();
    if (!target) {
        return;
    }
    const bool onTop = settings.m_alwaysOnTop != 0;
    QWindow* handle = target->windowHandle();
    if (!handle) {
        // Not shown yet, so changing the widget's flags cannot hide it.
        target->setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
        return;
    }
    // Changing a shown widget's flags would hide it (ending a running dialog) and let the
    // platform place it anew; the window handle takes the hint in place. The widget's own
    // flags are brought in line without telling the platform a second time.
    Qt::WindowFlags flags = target->windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, onTop);
    target->overrideWindowFlags(flags);
    handle->setFlag(Qt::WindowStaysOnTopHint, onTop);
}

bool DesktopDecidesStacking(QStringView platformName) {
    return platformName.startsWith(u"wayland");
}

void SetOnTop(CWindowSettings& settings, std::int32_t value, QWidget* window) {
    if (value != settings.m_alwaysOnTop) {
        settings.m_alwaysOnTop = value;
        settings.SetModified();
    }
    ApplyOnTop(settings, window);
}
