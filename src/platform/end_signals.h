#pragma once
// The signals that ask a program to end, SIGTERM (a logout, kill), SIGINT
// (Ctrl+C in its terminal) and SIGHUP (its terminal closed), handled on the
// event loop instead of ending the process where it stands.
#include <csignal>
#include <functional>
#include <memory>

class QSocketNotifier;

// While it lives, those three signals call onSignal from the event loop:
// the handler only writes a byte to a socket pair whose other end the loop
// watches, so the program ends through its own code (a file being written
// can be dropped, the older one kept). A signal the program was started
// ignoring (nohup) stays ignored. One at a time in a process; its end puts
// the handlers found before back (the socket pair stays open).
class EndSignals {
public:
    explicit EndSignals(std::function<void()> onSignal);
    ~EndSignals();
    EndSignals(const EndSignals&) = delete;
    EndSignals& operator=(const EndSignals&) = delete;

private:
    std::function<void()> onSignal_;
    std::unique_ptr<QSocketNotifier> notifier_;
    struct sigaction saved_[3] {};
};
