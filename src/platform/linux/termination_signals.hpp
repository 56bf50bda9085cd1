#pragma once

namespace quillo::linux_platform {

// SIGTERM and SIGINT (the session logging out, Ctrl+C in a terminal) as a
// readable descriptor: while an instance lives, either signal only writes a
// byte to a pipe (the self-pipe), so that the program ends the ordinary way
// from its event loop instead of dying at once. Destroying it puts the
// default actions back. One instance at a time: the signal handler knows the
// pipe through the one process-wide slot a handler can reach.
class TerminationSignals {
public:
    TerminationSignals();
    ~TerminationSignals();
    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

    // Readable once a signal has come; -1 when the pipe could not be made
    // (the signals then keep their default actions).
    int descriptor() const { return readEnd_; }
    // Reads away what the signals wrote; true when there was anything.
    bool drain();

private:
    int readEnd_ = -1;
    int writeEnd_ = -1;
};

}  // namespace quillo::linux_platform
