// SIGTERM, SIGINT and SIGHUP as events of the window program. The signal handler only
// notes the signal and writes a byte into a pipe, which is all a handler may safely do;
// the pipe's read end wakes the event loop, which then calls back on its own thread, also
// in the pauses of the computer's turn and while it thinks, which run the event loop.
#pragma once

#include <QObject>

#include <functional>

class QSocketNotifier;

namespace narabe {

class SignalWatch final : public QObject {
  public:
    // Installs the handlers; `onSignal` runs on the event loop's thread after a signal.
    // One watch at a time.
    explicit SignalWatch(std::function<void()> onSignal, QObject* parent = nullptr);
    // Leaves the signals ignored: the watch lives until the program ends, and what the
    // program still does after it is the end of its shutdown.
    ~SignalWatch() override;
    SignalWatch(const SignalWatch&) = delete;
    SignalWatch& operator=(const SignalWatch&) = delete;

  private:
    void drain();

    std::function<void()> onSignal_;
    QSocketNotifier* notifier_ = nullptr;
};

} // namespace narabe
