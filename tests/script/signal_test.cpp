// narabe-script ends on SIGTERM and SIGINT as a command-line program does: killed by the
// signal, which a shell reports as status 128 + the signal's number (143, 130). The script
// comes through a pipe that stays open, so the runner is still running when the signal
// comes, busy with the lines sent so far or waiting for more.
#include "script/script_harness.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <fstream>
#include <sstream>
#include <string>

namespace narabe::test {
namespace {

struct SignalCase {
    const char* name;
    int signal;
    int shellStatus;
};
void PrintTo(const SignalCase& c, std::ostream* os) {
    *os << c.name;
}

// Starts narabe-script in `folder` on the pipe `script`, its transcript going to `out`, with
// the signal's default action whatever the test's own is.
pid_t startOnPipe(const ScriptFolder& folder, const std::string& script, const std::string& out) {
    const pid_t child = ::fork();
    if (child != 0) return child;
    std::signal(SIGINT, SIG_DFL);
    std::signal(SIGTERM, SIG_DFL);
    const int fd = ::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (fd < 0 || ::chdir(folder.path().c_str()) != 0 || ::dup2(fd, STDOUT_FILENO) < 0) _exit(120);
    ::execl(NARABE_SCRIPT_EXE, "narabe-script", script.c_str(), static_cast<char*>(nullptr));
    _exit(121);
}

// A long stretch of games: each starts, plays a few presses and dumps the state.
std::string longScript() {
    std::ostringstream s;
    for (int game = 0; game < 400; ++game) {
        s << "menu TAIMAN\n";
        for (int i = 1; i <= 19; ++i)
            s << "press " << 300 + 315 * i + 100 << " " << 50 + 315 * ((i * 7) % 19 + 1) + 100
              << "\ndump\n";
        s << "menu SAISYO\n";
    }
    return s.str();
}

bool holds(const std::string& file, const std::string& text) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str().find(text) != std::string::npos;
}

class Signals : public ::testing::TestWithParam<SignalCase> {};

TEST_P(Signals, EndTheRunnerAsTheyEndACommandLineProgram) {
    const SignalCase& c = GetParam();
    ScriptFolder folder;
    const std::string pipe = (folder.path() / "script").string();
    const std::string out = (folder.path() / "transcript").string();
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    std::signal(SIGPIPE, SIG_IGN); // the runner's end of the pipe goes with it
    const pid_t child = startOnPipe(folder, pipe, out);
    ASSERT_GT(child, 0);
    const int writer = ::open(pipe.c_str(), O_WRONLY);
    ASSERT_GE(writer, 0);
    // As much of the script as the pipe holds without waiting; the pipe stays open.
    ::fcntl(writer, F_SETFL, O_NONBLOCK);
    const std::string script = longScript();
    ASSERT_GT(::write(writer, script.data(), script.size()), 0);

    // Once the first dump is out, start-up (and with it the sound library) is done.
    for (int i = 0; i < 600 && !holds(out, "state\t"); ++i)
        ::usleep(50000);
    ASSERT_TRUE(holds(out, "state\t")) << "the runner never reached its first dump";
    ASSERT_EQ(::kill(child, c.signal), 0);

    // A runner that ignored the signal would go on waiting for the pipe: give it a while,
    // then end it for good and fail.
    int status = 0;
    pid_t ended = 0;
    for (int i = 0; i < 600 && ended == 0; ++i) {
        ended = ::waitpid(child, &status, WNOHANG);
        if (ended == 0) ::usleep(50000);
    }
    if (ended == 0) {
        ::kill(child, SIGKILL);
        ::waitpid(child, &status, 0);
    }
    ::close(writer);
    ASSERT_NE(ended, 0) << "narabe-script did not end on " << c.name;
    ASSERT_TRUE(WIFSIGNALED(status)) << "exit status " << WEXITSTATUS(status);
    EXPECT_EQ(WTERMSIG(status), c.signal);
    EXPECT_EQ(128 + WTERMSIG(status), c.shellStatus);
}

INSTANTIATE_TEST_SUITE_P(Runner, Signals,
                         ::testing::Values(SignalCase{"SIGTERM", SIGTERM, 143},
                                           SignalCase{"SIGINT", SIGINT, 130}),
                         [](const auto& p) { return std::string(p.param.name); });

} // namespace
} // namespace narabe::test
