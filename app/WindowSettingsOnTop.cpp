// The stay-on-top placement of a window: the only part of the settings that knows widgets.
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

void CWindowSettings::ApplyOnTop(QWidget* window) const {
    QWidget* target = window ? window->window() : MainWindow();
    if (!target) {
        return;
    }
    const bool onTop = m_alwaysOnTop != 0;
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

void CWindowSettings::SetOnTop(std::int32_t value, QWidget* window) {
    if (value != m_alwaysOnTop) {
        m_alwaysOnTop = value;
        SetModified();
    }
    ApplyOnTop(window);
}
