// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The start-up probe of the start-up benchmark (bench/startup-bench): with TLV_STARTUP_PROBE
// set, a program prints, once its main window is mapped and exposed, the steady clock's time
// of that moment and its resident memory, and ends. The benchmark takes the clock before it
// starts the program, so the difference is the time from start to a window on the screen.
#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QWidget>
#include <QWindow>

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace tlv {

class StartupProbe : public QObject {
  public:
    // Watches `window` when the probe is asked for; nothing otherwise.
    static void watch(QWidget& window) {
        if (std::getenv("TLV_STARTUP_PROBE") == nullptr) return;
        window.installEventFilter(new StartupProbe(&window));
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* window = static_cast<QWidget*>(watched);
        if (!done_ && event->type() == QEvent::Paint && window->windowHandle() != nullptr &&
            window->windowHandle()->isExposed()) {
            done_ = true;
            const auto now = std::chrono::steady_clock::now().time_since_epoch();
            std::printf("mapped_ns %lld rss_kb %lld\n",
                        static_cast<long long>(
                            std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()),
                        residentKilobytes());
            std::fflush(stdout);
            QCoreApplication::exit(0);
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    using QObject::QObject;

    static long long residentKilobytes() {
        QFile status(QStringLiteral("/proc/self/status"));
        if (!status.open(QIODevice::ReadOnly)) return -1;
        for (const QByteArray& line : status.readAll().split('\n'))
            if (line.startsWith("VmRSS:"))
                return line.mid(6).trimmed().split(' ').value(0).toLongLong();
        return -1;
    }

    bool done_ = false;
};

} // namespace tlv
