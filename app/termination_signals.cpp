#include "app/termination_signals.h"

#ifndef _WIN32
#include <QCoreApplication>
#include <QSocketNotifier>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace teaser {

#ifndef _WIN32
namespace {

// The handler may only do what is safe in a signal handler: it writes the
// signal's number into a socket that the event loop watches.
int signalWriter = -1;

void passOn(int signal)
{
    const auto number = static_cast<unsigned char>(signal);
    [[maybe_unused]] const auto written = ::write(signalWriter, &number, 1);
}

}
#endif

void endOnTerminationSignals()
{
#ifndef _WIN32
    int ends[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, ends) != 0)
        return;
    signalWriter = ends[0];
    auto *notifier = new QSocketNotifier(ends[1], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [reader = ends[1]] {
        unsigned char number = 0;
        if (::read(reader, &number, 1) == 1)
            QCoreApplication::exit(128 + number);
    });

    struct sigaction action { };
    action.sa_handler = passOn;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGINT, SIGHUP})
        sigaction(signal, &action, nullptr);
#endif
}

}
