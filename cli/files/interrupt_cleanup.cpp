#include "cli/files/interrupt_cleanup.h"

#include <limits.h>
#include <unistd.h>

#include <array>
#include <csignal>
#include <cstring>

namespace tarvelle::cli {

namespace {

// A run writes at most a chart and a report at once.
constexpr int kSlots = 4;

// Written by the program with the signals held off, read by the handler: a
// slot counts only while its flag is set.
char paths[kSlots][PATH_MAX];
volatile std::sig_atomic_t inUse[kSlots];

// Every signal whose default is to end the process and that comes from
// outside it (a fault inside it is left to the default, and to sanitizers),
// and the real-time signals besides.
constexpr std::array kEnding{SIGHUP,    SIGINT,  SIGQUIT, SIGTERM, SIGUSR1, SIGUSR2,  SIGALRM,
                             SIGVTALRM, SIGPROF, SIGXCPU, SIGPOLL, SIGPWR,  SIGSTKFLT};

template <typename Each>
void forEachEndingSignal(Each each) {
    for (const int signalNumber : kEnding) {
        each(signalNumber);
    }
    for (int signalNumber = SIGRTMIN; signalNumber <= SIGRTMAX; ++signalNumber) {
        each(signalNumber);
    }
}

extern "C" void removeAndEnd(int signalNumber) {
    for (int slot = 0; slot < kSlots; ++slot) {
        if (inUse[slot] != 0) {
            ::unlink(paths[slot]);
        }
    }
    std::signal(signalNumber, SIG_DFL);
    std::raise(signalNumber);
}

// Holds the three signals off while the table changes.
class SignalsHeld {
  public:
    SignalsHeld() {
        sigset_t held;
        sigemptyset(&held);
        forEachEndingSignal([&](int signalNumber) { sigaddset(&held, signalNumber); });
        sigprocmask(SIG_BLOCK, &held, &previous_);
    }
    ~SignalsHeld() { sigprocmask(SIG_SETMASK, &previous_, nullptr); }
    SignalsHeld(const SignalsHeld&) = delete;
    SignalsHeld& operator=(const SignalsHeld&) = delete;

  private:
    sigset_t previous_;
};

}  // namespace

void installInterruptCleanup() {
    std::signal(SIGPIPE, SIG_IGN);
    // A file grown past `ulimit -f` then fails its write (EFBIG) and is told
    // like any other write error, instead of ending the process without a
    // word.
    std::signal(SIGXFSZ, SIG_IGN);
    forEachEndingSignal([](int signalNumber) {
        // One left ignored by whoever started the program stays ignored.
        if (std::signal(signalNumber, removeAndEnd) == SIG_IGN) {
            std::signal(signalNumber, SIG_IGN);
        }
    });
}

void removeOnInterrupt(const char* path) {
    if (std::strlen(path) >= PATH_MAX) {
        return;
    }
    const SignalsHeld held;
    for (int slot = 0; slot < kSlots; ++slot) {
        if (inUse[slot] == 0) {
            std::strcpy(paths[slot], path);
            inUse[slot] = 1;
            return;
        }
    }
}

void forgetOnInterrupt(const char* path) {
    const SignalsHeld held;
    for (int slot = 0; slot < kSlots; ++slot) {
        if (inUse[slot] != 0 && std::strcmp(paths[slot], path) == 0) {
            inUse[slot] = 0;
            return;
        }
    }
}

}  // namespace tarvelle::cli
