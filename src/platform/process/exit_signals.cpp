// Signal handlers that give the display back, close our message boxes and
// end the process. Everything a handler runs here is async-signal-safe
// (system calls, no allocation, no stdio) except the display rescue, which
// the watchdog alarm guards.
#include "platform/process/exit_signals.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>

namespace sd::platform::detail {

namespace {

constexpr int kExitSignals[] = {SIGTERM, SIGINT, SIGHUP, SIGQUIT};
constexpr int kCrashSignals[] = {SIGSEGV, SIGABRT, SIGBUS, SIGFPE};
constexpr size_t kMaxChildren = 64;

// The process that installed the handlers; its forks (SDL's box processes)
// inherit them but have nothing of ours to clean up.
pid_t g_owner = 0;
DisplayRescue g_rescue = nullptr;
unsigned g_watchdogSeconds = 2;
// The signal whose cleanup is running; 0 before any.
std::atomic<int> g_ending{0};
static_assert(std::atomic<int>::is_always_lock_free, "used from signal handlers");
// What the crash signals did before us, for them to go on to.
struct sigaction g_previousCrash[sizeof kCrashSignals / sizeof kCrashSignals[0]];

bool IsExitSignal(int sig) {
    for (int s : kExitSignals)
        if (s == sig) return true;
    return false;
}

// --- small pieces without the C library's buffered or allocating calls ---

size_t AppendText(char* buf, size_t pos, size_t size, const char* text) {
    while (*text && pos + 1 < size) buf[pos++] = *text++;
    buf[pos] = '\0';
    return pos;
}

// The start of a file, NUL-terminated; -1 when it cannot be opened.
long ReadStart(const char* path, char* buf, size_t size) {
    const int fd = open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0) return -1;
    size_t got = 0;
    while (got + 1 < size) {
        const ssize_t n = read(fd, buf + got, size - 1 - got);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        got += static_cast<size_t>(n);
    }
    close(fd);
    buf[got] = '\0';
    return static_cast<long>(got);
}

bool AllDigits(const char* s) {
    if (!*s) return false;
    for (; *s; ++s)
        if (*s < '0' || *s > '9') return false;
    return true;
}

// Calls visit(name) for every entry of a directory whose name is a number
// (the processes of /proc, the threads of /proc/self/task); false when the
// directory cannot be read. opendir allocates; getdents64 does not.
template <typename Visit>
bool ForEachNumberedEntry(const char* dir, Visit visit) {
    const int fd = open(dir, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return false;
    alignas(8) char buf[4096];
    for (;;) {
        const ssize_t n = getdents64(fd, buf, sizeof buf);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        for (ssize_t at = 0; at < n;) {
            const auto* entry = reinterpret_cast<const struct dirent64*>(buf + at);
            if (AllDigits(entry->d_name)) visit(entry->d_name);
            at += entry->d_reclen;
        }
    }
    close(fd);
    return true;
}

// The first way: each thread's children file (kernels built with it list
// there the children that thread forked). False when there are none.
bool ChildrenFromThreads(pid_t* out, size_t max, size_t& count) {
    bool anyFile = false;
    const bool listed = ForEachNumberedEntry("/proc/self/task", [&](const char* tid) {
        char path[64], text[1024];
        size_t p = AppendText(path, 0, sizeof path, "/proc/self/task/");
        p = AppendText(path, p, sizeof path, tid);
        AppendText(path, p, sizeof path, "/children");
        const long n = ReadStart(path, text, sizeof text);
        if (n < 0) return;
        anyFile = true;
        count += PidsInList(text, static_cast<size_t>(n), out + count, max - count);
    });
    return listed && anyFile;
}

// --- the handlers ---

void KillChildren() {
    pid_t children[kMaxChildren];
    const size_t n = FindChildren(children, kMaxChildren);
    for (size_t i = 0; i < n; ++i) kill(children[i], SIGKILL);
    // Reaped, so that not even a zombie of the box outlives us; a SIGKILLed
    // process ends at once, and the watchdog is armed should one not.
    for (size_t i = 0; i < n; ++i)
        while (waitpid(children[i], nullptr, 0) < 0 && errno == EINTR) {
        }
}

void OnWatchdog(int) { _exit(128 + g_ending.load()); }

void ArmWatchdog() {
    struct sigaction sa {};
    sa.sa_handler = OnWatchdog;
    sigemptyset(&sa.sa_mask);
    sigaction(SIGALRM, &sa, nullptr);
    alarm(g_watchdogSeconds);
}

// Returns true when this call is the one to clean up.
bool ClaimCleanup(int sig) {
    int none = 0;
    return g_ending.compare_exchange_strong(none, sig);
}

void CleanUp() {
    ArmWatchdog();
    KillChildren();
    if (g_rescue) g_rescue();
}

void OnExitSignal(int sig) {
    // A box process: SDL's state in it is a copy of ours, nothing to give back.
    if (getpid() != g_owner) _exit(128 + sig);
    if (!ClaimCleanup(sig)) {
        // Another thread is cleaning up (on that thread the other exit signals
        // are held back); it ends the process, or its watchdog does.
        for (;;) pause();
    }
    CleanUp();
    _exit(128 + sig);
}

void OnCrashSignal(int sig, siginfo_t* info, void*) {
    const int savedErrno = errno;
    if (getpid() == g_owner) {
        if (ClaimCleanup(sig)) {
            CleanUp();
            // A sanitizer's report that follows may take longer than the watchdog.
            alarm(0);
        } else if (const int ending = g_ending.load(); IsExitSignal(ending)) {
            // The cleanup for an exit signal crashed: end as that signal asked.
            _exit(128 + ending);
        }
    }
    // On to what the signal did before us. A fault comes back by itself when
    // the instruction runs again; a sent signal (abort, kill) is sent again
    // and waits until we return (our handler holds it back meanwhile).
    for (size_t i = 0; i < sizeof kCrashSignals / sizeof kCrashSignals[0]; ++i)
        if (kCrashSignals[i] == sig) sigaction(sig, &g_previousCrash[i], nullptr);
    if (info == nullptr || info->si_code <= 0) raise(sig);
    errno = savedErrno;
}

// The action before ours, for an exit signal: ignored ones stay so.
bool WasIgnored(int sig) {
    struct sigaction old {};
    return sigaction(sig, nullptr, &old) == 0 && !(old.sa_flags & SA_SIGINFO) && old.sa_handler == SIG_IGN;
}

}  // namespace

pid_t ParentInStat(const char* text, size_t length) {
    // "pid (comm) state ppid ...": the command name ends at the last ')'.
    size_t nameEnd = length;
    for (size_t i = 0; i < length; ++i)
        if (text[i] == ')') nameEnd = i;
    if (nameEnd == length) return -1;
    size_t i = nameEnd + 1;
    auto skip = [&](char c) {
        if (i < length && text[i] == c) {
            ++i;
            return true;
        }
        return false;
    };
    if (!skip(' ') || i >= length) return -1;
    ++i;  // the state letter
    if (!skip(' ')) return -1;
    long ppid = 0;
    const size_t start = i;
    while (i < length && text[i] >= '0' && text[i] <= '9' && ppid < 100000000) ppid = ppid * 10 + (text[i++] - '0');
    if (i == start || (i < length && text[i] != ' ')) return -1;
    return static_cast<pid_t>(ppid);
}

size_t PidsInList(const char* text, size_t length, pid_t* out, size_t max) {
    size_t count = 0;
    for (size_t i = 0; i < length && count < max;) {
        if (text[i] < '0' || text[i] > '9') {
            ++i;
            continue;
        }
        long pid = 0;
        while (i < length && text[i] >= '0' && text[i] <= '9' && pid < 100000000) pid = pid * 10 + (text[i++] - '0');
        if (pid > 0) out[count++] = static_cast<pid_t>(pid);
    }
    return count;
}

size_t FindChildrenByScan(pid_t parent, pid_t* out, size_t max) {
    size_t count = 0;
    ForEachNumberedEntry("/proc", [&](const char* pid) {
        if (count >= max) return;
        char path[64], text[512];
        size_t p = AppendText(path, 0, sizeof path, "/proc/");
        p = AppendText(path, p, sizeof path, pid);
        AppendText(path, p, sizeof path, "/stat");
        const long n = ReadStart(path, text, sizeof text);
        if (n > 0 && ParentInStat(text, static_cast<size_t>(n)) == parent) {
            long value = 0;
            for (const char* c = pid; *c; ++c) value = value * 10 + (*c - '0');
            out[count++] = static_cast<pid_t>(value);
        }
    });
    return count;
}

size_t FindChildren(pid_t* out, size_t max) {
    size_t count = 0;
    if (ChildrenFromThreads(out, max, count)) return count;
    return FindChildrenByScan(getpid(), out, max);
}

void InstallExitSignals(DisplayRescue rescue, unsigned watchdogSeconds) {
    g_rescue = rescue;
    g_watchdogSeconds = watchdogSeconds > 0 ? watchdogSeconds : 1;
    if (g_owner == getpid()) return;
    g_owner = getpid();

    // While one exit signal is handled the others wait (forever: the handler
    // ends the process), so a second Ctrl+C cannot cut the cleanup short.
    sigset_t exitSignals;
    sigemptyset(&exitSignals);
    for (int sig : kExitSignals) sigaddset(&exitSignals, sig);

    struct sigaction onExit {};
    onExit.sa_handler = OnExitSignal;
    onExit.sa_mask = exitSignals;
    for (int sig : kExitSignals)
        if (!WasIgnored(sig)) sigaction(sig, &onExit, nullptr);

    // Reset on entry: a fault inside the cleanup meets the default action
    // instead of this handler again. On the alternate stack where there is
    // one (a sanitizer's), so a stack overflow is handled too.
    struct sigaction onCrash {};
    onCrash.sa_sigaction = OnCrashSignal;
    onCrash.sa_mask = exitSignals;
    onCrash.sa_flags = SA_SIGINFO | SA_RESETHAND | SA_ONSTACK;
    for (size_t i = 0; i < sizeof kCrashSignals / sizeof kCrashSignals[0]; ++i)
        sigaction(kCrashSignals[i], &onCrash, &g_previousCrash[i]);
}

}  // namespace sd::platform::detail
