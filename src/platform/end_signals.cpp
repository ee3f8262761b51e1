#include "platform/end_signals.h"

#include <cerrno>
#include <sys/socket.h>
#include <unistd.h>

#include <QSocketNotifier>

namespace {

constexpr int kSignals[3] = {SIGTERM, SIGINT, SIGHUP};

// The end of the pair the handler writes to; -1 when no EndSignals lives.
volatile sig_atomic_t gWriteFd = -1;

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
    if (gWriteFd >= 0 || socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, fds_) != 0)
        return;
    gWriteFd = fds_[1];
    notifier_ = std::make_unique<QSocketNotifier>(fds_[0], QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, notifier_.get(), [this] {
        char bytes[64];
        while (::read(fds_[0], bytes, sizeof bytes) > 0) {
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
    gWriteFd = -1;
    notifier_.reset();
    close(fds_[0]);
    close(fds_[1]);
}
