// Reading this process's memory figures from /proc/self/status.
#pragma once

#include <fstream>
#include <string>
#include <string_view>

namespace teaser::bench {

// The value of a line such as "VmRSS:  1234 kB", in kilobytes; -1 without it.
inline long procStatusKilobytes(std::string_view field)
{
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == field) {
            long kilobytes = 0;
            status >> kilobytes;
            return kilobytes;
        }
    }
    return -1;
}

}
