#include "core/quiz_context.h"

#include <chrono>

namespace teaser {

std::uint32_t millisecondClock()
{
    using namespace std::chrono;
    return std::uint32_t(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

}
