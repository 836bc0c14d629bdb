#include "framework/session_signals.h"

#include <QApplication>
#include <QWidget>
#include <QSocketNotifier>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// The handler may only write to a descriptor; the event loop reads the other end.
int signalPipe[2] = {-1, -1};
bool terminationRequested = false;

void OnSignal(int) {
  const char byte = 1;
  [[maybe_unused]] const ssize_t written = ::write(signalPipe[0], &byte, 1);
}

}  // namespace

bool TerminationRequested() { return terminationRequested; }

void QuitOnTerminationSignals(QCoreApplication* app) {
  if (signalPipe[0] == -1) {
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0) return;
    // The handler must never block: extra signals beyond the buffer are simply dropped.
    ::fcntl(signalPipe[0], F_SETFL, ::fcntl(signalPipe[0], F_GETFL) | O_NONBLOCK);
  }
  auto* notifier = new QSocketNotifier(signalPipe[1], QSocketNotifier::Read, app);
  QObject::connect(notifier, &QSocketNotifier::activated, app, [app] {
    char byte;
    [[maybe_unused]] const ssize_t got = ::read(signalPipe[1], &byte, 1);
    terminationRequested = true;
    // A modal box (a start-up error, the About box) runs its own loop: end it first, so
    // the program does not wait for a user who is gone.
    while (QWidget* modal = QApplication::activeModalWidget()) {
      if (!modal->close()) break;
    }
    app->quit();
  });
  struct sigaction action = {};
  action.sa_handler = OnSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int signal : {SIGTERM, SIGHUP, SIGINT}) sigaction(signal, &action, nullptr);
}
