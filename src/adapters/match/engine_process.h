// An engine run by the match: a command line started through /bin/sh -c in a process group
// of its own, its standard input and output on pipes and its standard error dropped. Its
// answers are waited for until a deadline, never longer; what is left of it is killed.
#pragma once

#include "adapters/brain/protocol_text.h"

#include <chrono>
#include <deque>
#include <string>
#include <string_view>
#include <sys/types.h>

namespace narabe {

class EngineProcess {
  public:
    using Clock = std::chrono::steady_clock;

    // Starts the command; throws std::system_error when no process can be made. Writing to
    // an engine that has ended fails from then on instead of ending this program (SIGPIPE
    // is ignored).
    explicit EngineProcess(const std::string& command);
    // Kills the engine's process group and reaps it.
    ~EngineProcess();
    EngineProcess(const EngineProcess&) = delete;
    EngineProcess& operator=(const EngineProcess&) = delete;

    // Writes the line ended by CR LF, as the protocol's managers do; false when the engine no
    // longer reads.
    bool send(std::string_view line) const;

    enum class Answer { LINE, TIMEOUT, CLOSED };
    // The next line the engine writes (without its line end), waiting until `deadline` at
    // most. CLOSED once its output has ended: it crashed or ended.
    Answer receive(std::string& line, Clock::time_point deadline);

    // Sends END and gives the engine `grace` to end on its own; then kills what is left.
    void end(std::chrono::milliseconds grace);

  private:
    void kill();

    pid_t pid_ = -1;
    int input_ = -1;  // the engine's standard input
    int output_ = -1; // the engine's standard output
    LineSplitter splitter_;
    std::deque<std::string> lines_;
    bool closed_ = false;
};

} // namespace narabe
