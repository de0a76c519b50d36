#include "ui/HelpKeyFilter.h"

#include <QKeyEvent>

#include "ui/AppContext.h"

namespace {

bool IsHelpKey(const QKeyEvent* key) {
    const Qt::KeyboardModifiers held = Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier;
    return key->key() == Qt::Key_F1 && (key->modifiers() & held) == Qt::NoModifier;
}

}  // namespace

CHelpKeyFilter::CHelpKeyFilter(CAppContext& app, QObject* parent) : QObject(parent), m_app(app) {}

bool CHelpKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if ((type != QEvent::KeyPress && type != QEvent::ShortcutOverride) ||
        !IsHelpKey(static_cast<QKeyEvent*>(event))) {
        return QObject::eventFilter(watched, event);
    }
    // Claiming the shortcut check keeps any F1 shortcut of a window from firing; the key
    // press that follows is the one that runs the command, and it stops here so that no
    // parent sees it again.
    event->accept();
    if (type == QEvent::KeyPress) {
        m_app.OnHelp();
    }
    return true;
}
