#include "platform/frontends/terminal_restore.h"

#include <curses.h>
#include <termios.h>
#include <unistd.h>

#include <csignal>
#include <cstring>
#include <initializer_list>

namespace {

termios gSaved{};
bool gHaveSaved = false;
// The sequences that leave the full-screen mode, built before any signal can arrive so
// that the handlers only write bytes.
char gReset[256] = {};
size_t gResetLength = 0;
volatile std::sig_atomic_t gEndSignal = 0;

// Appends a terminfo string without its padding specifications ("$<5>"), which only
// tputs understands.
void append(const char* cap) {
  if (cap == nullptr || cap == reinterpret_cast<const char*>(-1)) return;
  for (const char* p = cap; *p != '\0' && gResetLength + 1 < sizeof gReset; ++p) {
    if (p[0] == '$' && p[1] == '<') {
      if (const char* end = std::strchr(p, '>')) {
        p = end;
        continue;
      }
    }
    gReset[gResetLength++] = *p;
  }
}

void onEndSignal(int sig) {
  if (gEndSignal != 0) {
    // A second signal while the first is still pending: the program is not pumping
    // events, so give the terminal back and end here.
    terminalRestoreNow();
    _exit(128 + sig);
  }
  gEndSignal = sig;
}

void onCrashSignal(int sig) {
  terminalRestoreNow();
  std::signal(sig, SIG_DFL);
  raise(sig);
}

}  // namespace

void terminalRestoreInstall() {
  gResetLength = 0;
  for (const char* cap : {"sgr0", "op", "cnorm", "rmkx", "rmcup"}) append(tigetstr(cap));
  struct sigaction end {};
  end.sa_handler = onEndSignal;
  sigemptyset(&end.sa_mask);
  for (int sig : {SIGINT, SIGTERM, SIGHUP}) sigaction(sig, &end, nullptr);
  struct sigaction crash {};
  crash.sa_handler = onCrashSignal;
  sigemptyset(&crash.sa_mask);
  crash.sa_flags = SA_RESETHAND;
  for (int sig : {SIGSEGV, SIGABRT, SIGBUS, SIGFPE, SIGILL}) sigaction(sig, &crash, nullptr);
}

void terminalRestoreUninstall() {
  for (int sig : {SIGINT, SIGTERM, SIGHUP, SIGSEGV, SIGABRT, SIGBUS, SIGFPE, SIGILL}) std::signal(sig, SIG_DFL);
  gResetLength = 0;
  gHaveSaved = false;
  gEndSignal = 0;
}

int terminalEndSignal() {
  const int sig = gEndSignal;
  gEndSignal = 0;
  return sig;
}

void terminalRestoreNow() {
  if (gResetLength > 0) {
    ssize_t ignored = write(STDOUT_FILENO, gReset, gResetLength);
    (void)ignored;
  }
  if (gHaveSaved) tcsetattr(STDIN_FILENO, TCSANOW, &gSaved);
}

void terminalSaveSettings() {
  gHaveSaved = tcgetattr(STDIN_FILENO, &gSaved) == 0;
}
