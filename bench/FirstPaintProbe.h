#pragma once

// Shared by the start-up probes: once the first window of the given class has painted,
// print how long that took since the launch time the driver passed, and the process's
// private (anonymous) memory then, and close it.

#include <QDialog>
#include <QEvent>
#include <QMetaObject>
#include <QObject>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

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
            std::printf("%lld %ld\n", now - m_launch, AnonymousKiB());
            std::fflush(stdout);
            QMetaObject::invokeMethod(watched, "reject", Qt::QueuedConnection);
        }
        return false;
    }

private:
    /// Memory no other process shares: the heap, stacks and written library data. The
    /// libraries' code and fonts, counted in the resident size, are the system's cache.
    static long AnonymousKiB() {
        long kib = -1;
        if (FILE* status = std::fopen("/proc/self/status", "r")) {
            char line[256];
            while (std::fgets(line, sizeof line, status) != nullptr) {
                if (std::strncmp(line, "RssAnon:", 8) == 0) {
                    kib = std::strtol(line + 8, nullptr, 10);
                }
            }
            std::fclose(status);
        }
        return kib;
    }

    long long m_launch;
    const char* m_className;
    bool m_done = false;
};
