#include "platform/end_signals.h"

#include <cerrno>
#include <sys/socket.h>
#include <unistd.h>

#include <QSocketNotifier>

namespace {

constexpr int kSignals[3] = {SIGTERM, SIGINT, SIGHUP};

// The socket pair from the handler to the event loop. The first EndSignals
// makes it and it stays open for the life of the process: a handler may run
// on another thread while the handlers are being put back, and its write
// must land in this pair, never in a file that was given the same number.
int gPair[2] = {-1, -1};
volatile sig_atomic_t gWriteFd = -1;
bool gWatching = false;

bool OpenPair()
{
    if (gPair[0] < 0 && socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, gPair) != 0)
        return false;
    gWriteFd = gPair[1];
    return true;
}

void OnEndSignal(int signal)
{
    // Only async-signal-safe calls here. The socket does not block: when it
    // is full, a byte is already waiting and this one is not needed.
    const int savedErrno = errno;
    const char byte = char(signal);
    [[maybe_unused]] const ssize_t n = ::write(gWriteFd, &byte, 1);
    errno = savedErrno;
}

} // namespace

EndSignals::EndSignals(std::function<void()> onSignal) : onSignal_(std::move(onSignal))
{
    if (gWatching || !OpenPair())
        return;
    gWatching = true;
    notifier_ = std::make_unique<QSocketNotifier>(gPair[0], QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, notifier_.get(), [this] {
        char bytes[64];
        while (::read(gPair[0], bytes, sizeof bytes) > 0) {
        }
        if (onSignal_)
            onSignal_();
    });
    struct sigaction action {};
    action.sa_handler = OnEndSignal;
    sigemptyset(&action.sa_mask);
    // Calls the signal interrupts go on as if nothing happened.
    action.sa_flags = SA_RESTART;
    for (int i = 0; i < 3; ++i) {
        // A signal ignored when the program started stays ignored, as nohup
        // and background jobs expect.
        sigaction(kSignals[i], nullptr, &saved_[i]);
        if (saved_[i].sa_handler != SIG_IGN)
            sigaction(kSignals[i], &action, nullptr);
    }
}

EndSignals::~EndSignals()
{
    if (!notifier_)
        return;
    for (int i = 0; i < 3; ++i)
        sigaction(kSignals[i], &saved_[i], nullptr);
    notifier_.reset();
    gWatching = false;
}
