#pragma once

#include <QDeadlineTimer>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <chrono>
#include <functional>

class QWidget;

/// Watches the modal windows that open while it lives. Each one, once it is the active
/// window (activated if need be), is handed to the test's handler (once); any modal window
/// still open when the deadline has passed is closed by force. So a test whose dialog never
/// opens, or never closes, ends and fails on Handed() or TimedOut() instead of hanging.
class CModalGuard : public QObject {
public:
    using Handler = std::function<void(QWidget& modal)>;

    /// Long enough for any window of the program to open on a busy machine.
    static constexpr std::chrono::milliseconds kDeadline{5000};

    explicit CModalGuard(Handler handler, std::chrono::milliseconds deadline = kDeadline);

    /// The class names of the modal windows handed to the handler, in the order they opened.
    QStringList Handed() const { return m_handedClasses; }
    /// Whether a modal window was still open at the deadline and had to be closed.
    bool TimedOut() const { return m_timedOut; }

private:
    void Poll();
    bool WasHanded(const QWidget* modal) const;

    Handler m_handler;
    QDeadlineTimer m_deadline;
    QTimer m_poll;
    QList<QPointer<QWidget>> m_handed;
    QStringList m_handedClasses;
    bool m_timedOut = false;
};
