#include "ui/event_guard.h"

#include <QDebug>

namespace teaser {

void reportEscapedException(const char *what, const char *why)
{
    qWarning("teaser: %s failed and was left off: %s", what, why);
}

}
