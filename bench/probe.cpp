#include "probe.h"

#include "ui/main_window.h"

#include <QApplication>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <string>
#include <sys/resource.h>

namespace teaser::bench {

namespace {

void printFirstPaint()
{
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    std::printf("first-paint %lld\n", static_cast<long long>(now.tv_sec) * 1'000'000'000LL + now.tv_nsec);
    std::fflush(stdout);
}

}

long peakResidentKilobytes()
{
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmHWM:") {
            long kilobytes = 0;
            status >> kilobytes;
            return kilobytes;
        }
    }
    return -1;
}

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval &time) { return double(time.tv_sec) + double(time.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

int runProbe(int argc, char **argv, MainWindow &window, const std::function<void()> &prepareIdle)
{
    const std::string probe = argc > 1 ? argv[1] : "first-paint";
    const int seconds = argc > 2 ? std::stoi(argv[2]) : 5;
    if (probe == "first-paint") {
        QObject::connect(&window, &MainWindow::firstPainted, &window, printFirstPaint);
        // Quit once the paint has been reported and the start-up has run.
        QTimer::singleShot(1000, qApp, &QApplication::quit);
    } else if (probe == "peak-memory") {
        QTimer::singleShot(seconds * 1000, qApp, [] {
            std::printf("peak-memory-kB %ld\n", peakResidentKilobytes());
            QApplication::quit();
        });
    } else if (probe == "idle-cpu") {
        // Settle first: start-up work is not idle time.
        QTimer::singleShot(2000, qApp, [prepareIdle, seconds] {
            prepareIdle();
            const double start = cpuSeconds();
            QTimer::singleShot(seconds * 1000, qApp, [start, seconds] {
                std::printf("idle-cpu-percent %.3f\n", 100.0 * (cpuSeconds() - start) / seconds);
                QApplication::quit();
            });
        });
    } else {
        std::fprintf(stderr, "unknown probe %s\n", probe.c_str());
        return 2;
    }
    return QApplication::exec();
}

}
