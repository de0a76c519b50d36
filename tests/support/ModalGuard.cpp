#include "tests/support/ModalGuard.h"

#include <QApplication>
#include <QDialog>
#include <QWidget>
#include <algorithm>
#include <utility>

CModalGuard::CModalGuard(Handler handler, std::chrono::milliseconds deadline)
    : m_handler(std::move(handler)), m_deadline(deadline) {
    connect(&m_poll, &QTimer::timeout, this, &CModalGuard::Poll);
    m_poll.start(10);
}

void CModalGuard::Poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr) {
        return;
    }
    if (m_deadline.hasExpired()) {
        m_timedOut = true;
        if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            dialog->reject();
        } else {
            modal->close();
        }
        return;
    }
    if (WasHanded(modal)) {
        return;
    }
    if (!modal->isActiveWindow()) {
        // Without a window manager nobody activates the window left when one above it closes.
        modal->activateWindow();
        return;
    }
    m_handed << modal;
    m_handedClasses << QString::fromLatin1(modal->metaObject()->className());
    // Queued, so that while the handler runs a nested event loop (a dialog opening another)
    // the polling timer is free to fire again and hand over the next window too.
    QMetaObject::invokeMethod(
        this,
        [this, window = QPointer<QWidget>(modal)] {
            if (window) {
                m_handler(*window);
            }
        },
        Qt::QueuedConnection);
}

bool CModalGuard::WasHanded(const QWidget* modal) const {
    return std::any_of(m_handed.cbegin(), m_handed.cend(),
                       [modal](const QPointer<QWidget>& handed) { return handed == modal; });
}
