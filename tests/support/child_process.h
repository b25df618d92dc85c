// Running a piece of a test in a child process, where it may change what
// the whole process may do (its user, its memory limit) without touching
// the test runner.
#pragma once

#include <functional>

namespace teaser::testing {

// Runs `body` in a forked child and returns the status it exits with, or -1
// when it did not exit normally.
int exitStatusInChild(const std::function<int()> &body);

}
