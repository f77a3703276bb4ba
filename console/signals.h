#pragma once
// Hang-up, termination and interrupt: the program notes the signal, the
// character source stops the dialogue at once, and the program ends as that
// signal ends a program, with the report file and any set list being written
// complete on disk.

// Thrown by the character source when a signal has asked the program to end
// (or standard output was closed: SIGPIPE); the main loop catches it, closes
// the files and calls endbysignal.
struct interrupted {
  int signal;
};

// Catches SIGHUP, SIGTERM and SIGINT (interrupting blocking reads) and turns
// a closed standard output into a write error instead of a silent death.
// Called once, by the program proper; tests that run the dialogue in-process
// leave it uncalled and get no handlers.
void catchsignals();
// The first signal caught since catchsignals, or 0.
int pendingsignal();
// A descriptor that becomes readable when a signal is caught, for the
// character source to wait on beside its input; -1 before catchsignals.
int signalwakeupfd();
// Ends the process the way sig ends a program (default action, raised
// again), after putting the terminal back as the program found it.
[[noreturn]] void endbysignal(int sig);
