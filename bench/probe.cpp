#include "probe.h"
#include "proc_status.h"

#include "ui/main_window.h"
#include "ui/window_parts.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <memory>
#include <string>
#include <sys/resource.h>

namespace teaser::bench {

namespace {

long long wallClockNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return static_cast<long long>(now.tv_sec) * 1'000'000'000LL + now.tv_nsec;
}

void printFirstPaint()
{
    std::printf("first-paint %lld\n", wallClockNanoseconds());
    std::fflush(stdout);
}

// From the first paint on, a timer asks the GUI thread to run every
// millisecond; the longest wait between two of its runs is the longest time
// the thread was busy with something else.
void measureLongestBlock(MainWindow &window, int seconds)
{
    auto *ticker = new QTimer(qApp);
    auto *clock = new QElapsedTimer;
    auto longest = std::make_shared<qint64>(0);
    ticker->setTimerType(Qt::PreciseTimer);
    QObject::connect(ticker, &QTimer::timeout, ticker, [clock, longest] {
        *longest = std::max(*longest, clock->nsecsElapsed());
        clock->restart();
    });
    QObject::connect(&window, &MainWindow::firstPainted, ticker, [ticker, clock, longest, seconds] {
        clock->start();
        ticker->start(1);
        QTimer::singleShot(seconds * 1000, qApp, [longest] {
            std::printf("longest-block-ms %.2f\n", double(*longest) / 1e6);
            QApplication::quit();
        });
    });
}

}

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval &time) { return double(time.tv_sec) + double(time.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

int runProbe(int argc, char **argv, MainWindow &window, const std::function<void()> &prepareIdle,
             const std::function<bool()> &questionShown)
{
    const std::string probe = argc > 1 ? argv[1] : "first-paint";
    const int seconds = argc > 2 ? std::stoi(argv[2]) : 5;
    if (probe == "first-paint") {
        QObject::connect(&window, &MainWindow::firstPainted, &window, printFirstPaint);
        // Quit once the paint has been reported and the start-up has run.
        QTimer::singleShot(1000, qApp, &QApplication::quit);
    } else if (probe == "longest-block") {
        measureLongestBlock(window, seconds);
    } else if (probe == "click") {
        // Queued, so the handler of the click has run when this reports.
        QObject::connect(
            window.button(Button::按钮3), &QPushButton::clicked, qApp,
            [questionShown] {
                std::printf("click-handled %lld %s\n", wallClockNanoseconds(), questionShown() ? "shown" : "lost");
                std::fflush(stdout);
                QTimer::singleShot(100, qApp, &QApplication::quit);
            },
            Qt::QueuedConnection);
        QTimer::singleShot(seconds * 1000, qApp, &QApplication::quit);
    } else if (probe == "peak-memory") {
        QTimer::singleShot(seconds * 1000, qApp, [] {
            std::printf("peak-memory-kB %ld\n", procStatusKilobytes("VmHWM:"));
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
