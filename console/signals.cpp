#include "console/signals.h"

#include <fcntl.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>

#include "console/lineedit.h"

namespace {

volatile std::sig_atomic_t caught = 0;
// The self-pipe: the handler writes a byte, the character source polls the
// read end beside standard input.
int wakeup[2] = {-1, -1};

extern "C" void onsignal(int sig) {
  if (caught == 0) caught = sig;
  const int savederrno = errno;
  const char byte = 0;
  // The write end never blocks; a full pipe already says what it must.
  [[maybe_unused]] const ssize_t written = write(wakeup[1], &byte, 1);
  errno = savederrno;
}

bool makewakeuppipe() {
  if (pipe(wakeup) != 0) return false;
  for (const int fd : wakeup) fcntl(fd, F_SETFD, FD_CLOEXEC);
  fcntl(wakeup[1], F_SETFL, fcntl(wakeup[1], F_GETFL) | O_NONBLOCK);
  return true;
}

// A signal ignored when the program started (nohup, a background job) stays
// ignored, as the user arranged.
void handle(int sig) {
  struct sigaction current {};
  if (sigaction(sig, nullptr, &current) == 0 && current.sa_handler == SIG_IGN) return;
  struct sigaction action {};
  action.sa_handler = onsignal;
  sigemptyset(&action.sa_mask);
  // No SA_RESTART: a read waiting for the keyboard must return at once.
  action.sa_flags = 0;
  sigaction(sig, &action, nullptr);
}

}  // namespace

void catchsignals() {
  if (!makewakeuppipe()) return;
  handle(SIGHUP);
  handle(SIGTERM);
  handle(SIGINT);
  // A closed standard output shows up as a failed write, which the character
  // source turns into the same orderly end.
  std::signal(SIGPIPE, SIG_IGN);
}

int pendingsignal() {
  return caught;
}

int signalwakeupfd() {
  return wakeup[0];
}

void endbysignal(int sig) {
  restoreterminal();
  std::signal(sig, SIG_DFL);
  sigset_t only;
  sigemptyset(&only);
  sigaddset(&only, sig);
  sigprocmask(SIG_UNBLOCK, &only, nullptr);
  std::raise(sig);
  // Only when the signal could not end the process: the shell's convention.
  std::_Exit(128 + sig);
}
