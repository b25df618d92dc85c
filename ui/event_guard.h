// One guard at the event boundary: whatever a handler throws (none should)
// becomes a warning in the log instead of ending the program, which is what
// an exception that reaches Qt's event loop does.
#pragma once

#include <exception>
#include <type_traits>

namespace teaser {

void reportEscapedException(const char *what, const char *why);

// Runs the handler; when it throws, reports it and returns a value-initialised
// result.
template <typename Handler> auto guarded(const char *what, Handler &&handler) -> decltype(handler())
{
    try {
        return handler();
    } catch (const std::exception &error) {
        reportEscapedException(what, error.what());
    } catch (...) {
        reportEscapedException(what, "an exception of unknown kind");
    }
    if constexpr (!std::is_void_v<decltype(handler())>)
        return {};
}

}
