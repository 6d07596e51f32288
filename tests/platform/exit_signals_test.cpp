// The ends by a signal, each played out in a forked process of its own (the
// test process keeps its default actions): the status, the display rescue,
// the message box processes killed, a box process's own end, the watchdog.
#include <gtest/gtest.h>

#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "platform/process/exit_signals.h"

using namespace sd::platform::detail;

namespace {

constexpr int kExitSignals[] = {SIGTERM, SIGINT, SIGHUP, SIGQUIT};

// The rescue of the process under test says that it ran through this pipe.
int g_rescuedFd = -1;
void RescueForTest() {
    const char r = 'r';
    [[maybe_unused]] const ssize_t n = write(g_rescuedFd, &r, 1);
}
void HangingRescue() {
    for (;;) pause();
}

struct Pipe {
    int read = -1, write = -1;
    Pipe() {
        int fds[2];
        if (pipe(fds) == 0) {
            read = fds[0];
            write = fds[1];
        }
    }
    ~Pipe() {
        if (read >= 0) close(read);
        if (write >= 0) close(write);
    }
    void closeWrite() {
        close(write);
        write = -1;
    }
    // Whether the other ends are all closed (their processes gone) within timeoutMs.
    bool closedWithin(int timeoutMs) const {
        pollfd p{read, POLLIN, 0};
        char buf[16];
        while (poll(&p, 1, timeoutMs) == 1) {
            if (::read(read, buf, sizeof buf) <= 0) return true;
        }
        return false;
    }
    std::string drain() const {
        std::string got;
        char buf[16];
        for (ssize_t n; (n = ::read(read, buf, sizeof buf)) > 0;) got.append(buf, static_cast<size_t>(n));
        return got;
    }
};

// A game stand-in: installs the handlers with the given rescue, forks a box
// process that holds boxAlive open until it ends, writes the box's pid to
// ready, then does what `then` says (by default it waits for a signal).
struct Game {
    Pipe ready, rescued, boxAlive, gameAlive;
    pid_t pid = -1;

    void start(void (*rescue)(), unsigned watchdog, const std::function<void()>& then = {},
               const std::function<void()>& beforeInstall = {}) {
        pid = fork();
        if (pid != 0) {
            ready.closeWrite();
            rescued.closeWrite();
            boxAlive.closeWrite();
            gameAlive.closeWrite();
            return;
        }
        const rlimit noCore{0, 0};
        setrlimit(RLIMIT_CORE, &noCore);
        // As started from a terminal, whatever the test run was started with.
        for (int sig : kExitSignals) std::signal(sig, SIG_DFL);
        if (beforeInstall) beforeInstall();
        g_rescuedFd = rescued.write;
        InstallExitSignals(rescue, watchdog);
        const pid_t box = fork();
        if (box == 0) {
            close(gameAlive.write);
            close(rescued.write);
            close(ready.write);
            for (;;) pause();
        }
        close(boxAlive.write);
        [[maybe_unused]] const ssize_t n = write(ready.write, &box, sizeof box);
        if (then) then();
        for (;;) pause();
    }
    pid_t box() const {
        pid_t b = -1;
        return ::read(ready.read, &b, sizeof b) == sizeof b ? b : -1;
    }
    // The wait status, or -1 when the game was still there after timeoutMs.
    int finish(int timeoutMs = 10000) {
        const bool ended = gameAlive.closedWithin(timeoutMs);
        if (!ended) kill(pid, SIGKILL);
        int status = 0;
        waitpid(pid, &status, 0);
        return ended ? status : -1;
    }
};

bool Contains(const std::vector<pid_t>& v, pid_t p) { return std::find(v.begin(), v.end(), p) != v.end(); }

}  // namespace

TEST(ExitSignals, EndWithTheirStatusAfterTheRescueAndWithoutTheBox) {
    for (int sig : kExitSignals) {
        SCOPED_TRACE(strsignal(sig));
        Game game;
        game.start(RescueForTest, 2);
        ASSERT_GT(game.box(), 0);
        kill(game.pid, sig);
        const int status = game.finish();
        ASSERT_TRUE(WIFEXITED(status)) << "status " << status;
        EXPECT_EQ(WEXITSTATUS(status), 128 + sig);
        EXPECT_EQ(game.rescued.drain(), "r") << "the display rescue runs once";
        EXPECT_TRUE(game.boxAlive.closedWithin(5000)) << "the box process is killed with its game";
    }
}

TEST(ExitSignals, ABoxProcessEndsAloneWithoutTheRescue) {
    Game game;
    // The game waits for its box and ends with the box's status.
    game.start(RescueForTest, 2, [] {
        int status = 0;
        wait(&status);
        _exit(WIFEXITED(status) ? WEXITSTATUS(status) : 200 + WTERMSIG(status));
    });
    const pid_t box = game.box();
    ASSERT_GT(box, 0);
    kill(box, SIGTERM);
    const int status = game.finish();
    ASSERT_TRUE(WIFEXITED(status)) << "status " << status;
    EXPECT_EQ(WEXITSTATUS(status), 128 + SIGTERM);
    EXPECT_EQ(game.rescued.drain(), "") << "a box process has no display to give back";
}

TEST(ExitSignals, WatchdogEndsACleanupThatHangs) {
    Game game;
    game.start(HangingRescue, 1);
    ASSERT_GT(game.box(), 0);
    kill(game.pid, SIGINT);
    const int status = game.finish(8000);
    ASSERT_TRUE(WIFEXITED(status)) << "status " << status << " (-1: still running)";
    EXPECT_EQ(WEXITSTATUS(status), 128 + SIGINT);
    EXPECT_TRUE(game.boxAlive.closedWithin(5000)) << "the box goes before the rescue is tried";
}

TEST(ExitSignals, IgnoredSignalStaysIgnored) {
    Game game;
    game.start(RescueForTest, 2, {}, [] { std::signal(SIGHUP, SIG_IGN); });  // as under nohup
    ASSERT_GT(game.box(), 0);
    kill(game.pid, SIGHUP);
    EXPECT_FALSE(game.gameAlive.closedWithin(300));
    kill(game.pid, SIGTERM);
    const int status = game.finish();
    ASSERT_TRUE(WIFEXITED(status)) << "status " << status;
    EXPECT_EQ(WEXITSTATUS(status), 128 + SIGTERM);
}

TEST(ExitSignals, CrashRescuesAndThenDiesOfItsSignal) {
    Game game;
    game.start(RescueForTest, 2, [] { std::abort(); });
    ASSERT_GT(game.box(), 0);
    const int status = game.finish();
    ASSERT_TRUE(WIFSIGNALED(status)) << "status " << status;
    EXPECT_EQ(WTERMSIG(status), SIGABRT);
    EXPECT_EQ(game.rescued.drain(), "r");
    EXPECT_TRUE(game.boxAlive.closedWithin(5000));
}

TEST(ExitSignals, ProcFileTexts) {
    // A wrong parent here would have the handler kill someone else's process.
    auto parent = [](const std::string& s) { return ParentInStat(s.data(), s.size()); };
    EXPECT_EQ(parent("1234 (sternenduell) S 77 1234 1234 0 -1"), 77);
    EXPECT_EQ(parent("1234 (a) S 1 (c) R 9 1 1"), 9) << "a name with brackets and spaces of its own";
    EXPECT_EQ(parent("1234 (x) S "), -1) << "cut short";

    pid_t pids[2] = {};
    const std::string list = "12 345 6789 \n";
    EXPECT_EQ(PidsInList(list.data(), list.size(), pids, 2), 2u) << "no more than there is room for";
    EXPECT_EQ(pids[1], 345);
}

TEST(ExitSignals, ChildrenFoundBothWays) {
    std::vector<pid_t> ours;
    for (int i = 0; i < 2; ++i) {
        const pid_t p = fork();
        if (p == 0) {
            for (;;) pause();
        }
        ASSERT_GT(p, 0);
        ours.push_back(p);
    }
    pid_t found[64];
    const std::vector<pid_t> direct(found, found + FindChildren(found, 64));
    const std::vector<pid_t> scanned(found, found + FindChildrenByScan(getpid(), found, 64));
    for (pid_t p : ours) {
        EXPECT_TRUE(Contains(direct, p)) << p;
        EXPECT_TRUE(Contains(scanned, p)) << p;
        kill(p, SIGKILL);
        waitpid(p, nullptr, 0);
    }
}
