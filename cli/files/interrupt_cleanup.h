#pragma once

// Temporary output files must not outlive the program. Ctrl-C, a hang-up, a
// TERM or any other signal that ends it would otherwise end it before their destructors run,
// leaving
// ".report.html.XXXXXX" files beside the user's; a closed pipe on standard
// output would end it silently. These keep the few temporary files of a run
// in a fixed table that a signal handler can reach.

namespace tarvelle::cli {

// Removes the registered files when a signal that ends the program arrives
// (SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGUSR1, ...), then ends as that signal
// would; ignores SIGPIPE and SIGXFSZ, so that writing to a closed pipe or
// past the file size limit is an ordinary write error.
void installInterruptCleanup();

// Registers a temporary file, or forgets it once it is renamed or removed.
void removeOnInterrupt(const char* path);
void forgetOnInterrupt(const char* path);

}  // namespace tarvelle::cli
