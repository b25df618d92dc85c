// What the probes report: the moment of the first paint, peak memory and CPU.
#pragma once

#include <functional>

namespace teaser {
class MainWindow;
}

namespace teaser::bench {

// User plus system CPU time of the process so far, in seconds.
double cpuSeconds();

// Runs the probe named by argv[1] against the window: "first-paint" prints
// "first-paint <wall clock ns>" at its first paint; "longest-block SECONDS"
// the longest time the GUI thread could not run in the SECONDS after it;
// "click SECONDS" waits that long at most for a click on 下一题 and prints
// "click-handled <wall clock ns> shown|lost" once its handler has run, as
// `questionShown` tells; "peak-memory SECONDS" and "idle-cpu SECONDS" print
// what they say after that long; `prepareIdle` sets up the idle state before
// the CPU is measured.
int runProbe(int argc, char **argv, MainWindow &window, const std::function<void()> &prepareIdle,
             const std::function<bool()> &questionShown);

}
