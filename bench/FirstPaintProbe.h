#pragma once

// Shared by the start-up probes: once the first window of the given class has painted,
// print how long that took since the launch time the driver passed, and close it.

#include <QDialog>
#include <QEvent>
#include <QMetaObject>
#include <QObject>
#include <chrono>
#include <cstdio>
#include <cstdlib>

class CFirstPaintProbe : public QObject {
public:
    CFirstPaintProbe(const char* launchNanoseconds, const char* className)
        : m_launch(std::strtoll(launchNanoseconds, nullptr, 10)), m_className(className) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!m_done && event->type() == QEvent::Paint && watched->isWidgetType() &&
            qstrcmp(watched->metaObject()->className(), m_className) == 0) {
            m_done = true;
            const long long now = std::chrono::duration_cast<std::chrono::nanoseconds>(
                                      std::chrono::steady_clock::now().time_since_epoch())
                                      .count();
            std::printf("%lld\n", now - m_launch);
            std::fflush(stdout);
            QMetaObject::invokeMethod(watched, "reject", Qt::QueuedConnection);
        }
        return false;
    }

private:
    long long m_launch;
    const char* m_className;
    bool m_done = false;
};
