#pragma once

class QCoreApplication;

// SIGTERM, SIGHUP and SIGINT (the desktop session ending, the terminal closing, Ctrl+C)
// end the event loop the way closing the window does, so the exit processing runs and
// the settings are written.
void QuitOnTerminationSignals(QCoreApplication* app);

// Whether such a signal has arrived; start-up that was interrupted by one does not go on
// into the event loop.
bool TerminationRequested();
