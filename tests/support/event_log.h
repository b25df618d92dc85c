// One log of what the handlers did to the window and the sound, in order.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

namespace teaser::testing {

struct EventLog {
    std::vector<std::string> events;
    bool recording = true; // long runs switch it off to keep memory flat

    void add(std::string event)
    {
        if (recording)
            events.push_back(std::move(event));
    }
    void clear() { events.clear(); }
    long count(const std::string &event) const { return std::count(events.begin(), events.end(), event); }
    // Events that start with the prefix, in order.
    std::vector<std::string> startingWith(const std::string &prefix) const
    {
        std::vector<std::string> found;
        std::copy_if(events.begin(), events.end(), std::back_inserter(found),
                     [&](const std::string &event) { return event.rfind(prefix, 0) == 0; });
        return found;
    }
};

}
