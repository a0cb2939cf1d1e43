#include "cli/files/interrupt_cleanup.h"

#include <limits.h>
#include <unistd.h>

#include <csignal>
#include <cstring>
#include <initializer_list>

namespace tarvelle::cli {

namespace {

// A run writes at most a chart and a report at once.
constexpr int kSlots = 4;

// Written by the program with the signals held off, read by the handler: a
// slot counts only while its flag is set.
char paths[kSlots][PATH_MAX];
volatile std::sig_atomic_t inUse[kSlots];

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
        for (const int signalNumber : {SIGINT, SIGTERM, SIGHUP}) {
            sigaddset(&held, signalNumber);
        }
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
    for (const int signalNumber : {SIGINT, SIGTERM, SIGHUP}) {
        std::signal(signalNumber, removeAndEnd);
    }
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
