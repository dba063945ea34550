// The self-pipe behind SignalWatch.
#include "adapters/qt/signal_watch.h"

#include <QSocketNotifier>

#include <array>
#include <cerrno>
#include <csignal>
#include <stdexcept>

#include <fcntl.h>
#include <unistd.h>

namespace narabe {

namespace {

constexpr std::array<int, 3> WATCHED = {SIGTERM, SIGINT, SIGHUP};

// Written by the handler, read by the event loop; both ends never block.
int pipeEnds[2] = {-1, -1};

extern "C" void noteSignal(int signal) {
    const int savedErrno = errno;
    const char byte = static_cast<char>(signal);
    // A full pipe already wakes the loop; the byte may be dropped.
    [[maybe_unused]] const ssize_t written = ::write(pipeEnds[1], &byte, 1);
    errno = savedErrno;
}

} // namespace

SignalWatch::SignalWatch(std::function<void()> onSignal, QObject* parent)
    : QObject(parent), onSignal_(std::move(onSignal)) {
    if (pipeEnds[0] != -1) throw std::logic_error("one signal watch at a time");
    if (::pipe2(pipeEnds, O_CLOEXEC | O_NONBLOCK) != 0)
        throw std::runtime_error("no pipe for the signals");
    notifier_ = new QSocketNotifier(pipeEnds[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] {
        drain();
        onSignal_();
    });

    struct sigaction action {};
    action.sa_handler = noteSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : WATCHED)
        ::sigaction(signal, &action, nullptr);
}

SignalWatch::~SignalWatch() {
    // The watch ends with the program: from here on the shutdown runs on (the window and
    // the sound device closed, the libraries' own exit handlers), and a second signal must
    // not end it with the signal's status. The signals are ignored until the process ends.
    struct sigaction action {};
    action.sa_handler = SIG_IGN;
    sigemptyset(&action.sa_mask);
    for (int signal : WATCHED)
        ::sigaction(signal, &action, nullptr);
    delete notifier_;
    ::close(pipeEnds[0]);
    ::close(pipeEnds[1]);
    pipeEnds[0] = pipeEnds[1] = -1;
}

void SignalWatch::drain() {
    char bytes[64];
    while (::read(pipeEnds[0], bytes, sizeof bytes) > 0) {
    }
}

} // namespace narabe
