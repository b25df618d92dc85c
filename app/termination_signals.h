#pragma once

namespace teaser {

// From now on SIGTERM, SIGINT and SIGHUP (a logout, Ctrl+C, a closed
// terminal) end the program as closing its window does: every event loop
// ends, even a message box's, the program shuts down in order, and the
// application's exec() returns 128 + the signal's number, as a shell
// expects of a program that a signal ended. Does nothing on Windows, where
// these come as window messages that Qt already handles.
void endOnTerminationSignals();

}
