// The measuring end of scripts/perf.sh: starts a program under an X server,
// finds its window and measures one thing about it with real X input (XTEST,
// the extension xdotool drives) and what the X server itself sees of the
// window (DAMAGE events, the window's pixels read back over MIT-SHM).
//
//   sd_perf_probe <what> [options] -- program [arguments]
//
//   start            ms from the start of the program to its window showing
//                    the picture it settles on
//   cpu              ms of CPU the program uses while the pointer moves over
//                    the board (--moves per second for --seconds)
//   click X Y        ms from a click at canvas point (X, Y) to the first
//                    changed pixel of the window, --count times
//   memory           peak resident memory of the program in MB (after the
//                    navigation, a pass of the pointer and --clicks clicks)
//   idle             wake-ups per second of the program while nothing happens
//   quit X Y         ms from a click at (X, Y) to the window gone and to the
//                    program gone
//
// Options: --nav X,Y clicks a canvas point before the measurement and waits
// until the window is quiet again (repeatable); --park X,Y is where the pointer
// waits meanwhile. Canvas points are mapped onto the window as the game
// letterboxes its 800 x 600 canvas, so they hold in full screen too.
//
// Prints "<what> <value>" lines; exits non-zero when the program could not be
// measured.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xdamage.h>
#include <dirent.h>
#include <poll.h>
#include <signal.h>
#include <sys/ipc.h>
#include <sys/shm.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

double NowMs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1000.0 + ts.tv_nsec / 1e6;
}

pid_t g_program = -1;  // the program under test, ended with the probe

[[noreturn]] void Fail(const std::string& why) {
    std::fprintf(stderr, "sd_perf_probe: %s\n", why.c_str());
    if (g_program > 0) {
        kill(g_program, SIGKILL);
        waitpid(g_program, nullptr, 0);
    }
    std::exit(2);
}

int IgnoreXErrors(Display*, XErrorEvent*) { return 0; }  // windows come and go under us

struct Point {
    double x = 0, y = 0;
};

Point ParsePoint(const char* text) {
    Point p;
    if (std::sscanf(text, "%lf,%lf", &p.x, &p.y) != 2) Fail(std::string("not a point: ") + text);
    return p;
}

// --- the program under test -------------------------------------------------

struct Child {
    pid_t pid = -1;
    int pidfd = -1;
    bool exited = false;

    void start(char** argv) {
        pid = fork();
        if (pid < 0) Fail("fork failed");
        if (pid == 0) {
            execvp(argv[0], argv);
            std::perror(argv[0]);
            _exit(127);
        }
        g_program = pid;
        pidfd = static_cast<int>(syscall(SYS_pidfd_open, pid, 0));
    }
    bool reap(bool block) {
        if (exited) return true;
        int status = 0;
        if (waitpid(pid, &status, block ? 0 : WNOHANG) == pid) exited = true;
        return exited;
    }
    void stop() {
        if (pid <= 0 || reap(false)) return;
        kill(pid, SIGTERM);
        for (int i = 0; i < 300 && !reap(false); ++i) usleep(10000);
        if (!exited) {
            kill(pid, SIGKILL);
            reap(true);
        }
    }

    // Every thread's time on a CPU, in ns.
    double cpuNs() const {
        double sum = 0;
        for (const std::string& task : tasks()) {
            std::ifstream f(task + "/schedstat");
            double ns = 0;
            if (f >> ns) sum += ns;
        }
        return sum;
    }
    // Every thread's context switches: how often it went to sleep or was woken.
    long switches() const {
        long sum = 0;
        for (const std::string& task : tasks()) {
            std::ifstream f(task + "/status");
            std::string line;
            while (std::getline(f, line)) {
                if (line.rfind("voluntary_ctxt_switches:", 0) == 0 || line.rfind("nonvoluntary_ctxt_switches:", 0) == 0)
                    sum += std::atol(line.substr(line.find(':') + 1).c_str());
            }
        }
        return sum;
    }
    double peakMb() const {
        std::ifstream f("/proc/" + std::to_string(pid) + "/status");
        std::string line;
        while (std::getline(f, line))
            if (line.rfind("VmHWM:", 0) == 0) return std::atof(line.substr(6).c_str()) / 1024.0;
        return -1;
    }

private:
    std::vector<std::string> tasks() const {
        std::vector<std::string> out;
        const std::string dir = "/proc/" + std::to_string(pid) + "/task";
        if (DIR* d = opendir(dir.c_str())) {
            while (dirent* e = readdir(d))
                if (e->d_name[0] != '.') out.push_back(dir + "/" + e->d_name);
            closedir(d);
        }
        return out;
    }
};

// --- the X side -------------------------------------------------------------

class Probe {
public:
    Probe() {
        dpy_ = XOpenDisplay(nullptr);
        if (!dpy_) Fail("no X display");
        XSetErrorHandler(IgnoreXErrors);
        root_ = DefaultRootWindow(dpy_);
        int major = 0, minor = 0, evBase = 0, errBase = 0;
        if (!XTestQueryExtension(dpy_, &evBase, &errBase, &major, &minor)) Fail("the X server has no XTEST");
        if (!XDamageQueryExtension(dpy_, &damageEvent_, &errBase)) Fail("the X server has no DAMAGE");
        if (!XShmQueryExtension(dpy_)) Fail("the X server has no MIT-SHM");
        XSelectInput(dpy_, root_, SubstructureNotifyMask);
        XSync(dpy_, False);
    }
    ~Probe() {
        freeImage();
        XCloseDisplay(dpy_);
    }

    Child child;
    double lastChangeMs = 0;  // when the window last changed

    // Waits for the program's window and then until it has not changed for
    // quietMs. Returns when it first showed the picture it settled on.
    double waitForWindow(double startMs, double quietMs, double limitMs) {
        std::vector<std::pair<double, uint64_t>> frames;
        const double deadline = startMs + limitMs;
        while (NowMs() < deadline) {
            if (window_ && mapped_ && lastChangeMs > 0 && NowMs() - lastChangeMs >= quietMs) break;
            const double wait = window_ && mapped_ && lastChangeMs > 0 ? lastChangeMs + quietMs - NowMs() : 50;
            if (pump(std::max(1.0, wait)) && grab()) frames.emplace_back(lastChangeMs, hash());
            if (child.reap(false)) Fail("the program ended before its window settled");
        }
        if (!window_ || frames.empty()) Fail("the program showed no window in time");
        locked_ = true;
        const uint64_t last = frames.back().second;
        for (const auto& [t, h] : frames)
            if (h == last) return t - startMs;
        return frames.back().first - startMs;
    }

    // Lets the window settle after something was done to it.
    void settle(double quietMs, double limitMs = 5000) {
        const double deadline = NowMs() + limitMs;
        lastChangeMs = std::max(lastChangeMs, NowMs());
        while (NowMs() < deadline && NowMs() - lastChangeMs < quietMs) {
            if (pump(std::max(1.0, lastChangeMs + quietMs - NowMs()))) grab();
        }
    }

    // Canvas point (fractional pixels of the 800 x 600 canvas) on the screen.
    Point toScreen(Point canvas) {
        XWindowAttributes a{};
        XGetWindowAttributes(dpy_, window_, &a);
        int rx = 0, ry = 0;
        Window dummy;
        XTranslateCoordinates(dpy_, window_, root_, 0, 0, &rx, &ry, &dummy);
        const double scale = std::min(a.width / 800.0, a.height / 600.0);
        const double ox = (a.width - 800.0 * scale) / 2, oy = (a.height - 600.0 * scale) / 2;
        return {rx + std::floor(ox) + canvas.x * scale, ry + std::floor(oy) + canvas.y * scale};
    }

    void moveTo(Point canvas) {
        const Point s = toScreen(canvas);
        XTestFakeMotionEvent(dpy_, DefaultScreen(dpy_), static_cast<int>(s.x), static_cast<int>(s.y), 0);
        XFlush(dpy_);
    }
    // The pointer waits in the screen's bottom-right corner, where no hover
    // changes the first picture.
    void parkInCorner() {
        XTestFakeMotionEvent(dpy_, DefaultScreen(dpy_), DisplayWidth(dpy_, DefaultScreen(dpy_)) - 1,
                             DisplayHeight(dpy_, DefaultScreen(dpy_)) - 1, 0);
        XSync(dpy_, False);
    }
    void click() {
        XTestFakeButtonEvent(dpy_, 1, True, 0);
        XTestFakeButtonEvent(dpy_, 1, False, 0);
        XFlush(dpy_);
    }
    void clickAt(Point canvas) {
        moveTo(canvas);
        settle(150);
        click();
    }

    // Clicks and returns the ms until the window first showed a changed pixel
    // (negative: nothing changed within the limit).
    double timeClick(double limitMs) {
        pumpAll();
        if (!grab()) return -1;
        const std::vector<char> before = pixels();
        const double t0 = NowMs();
        click();
        while (NowMs() - t0 < limitMs) {
            if (!pump(limitMs - (NowMs() - t0))) continue;
            const double seen = lastChangeMs;
            if (grab() && pixels() != before) return seen - t0;
        }
        return -1;
    }

    // Until the window is unmapped or destroyed; ms after t0, or -1.
    double waitWindowGone(double t0, double limitMs) {
        while (NowMs() - t0 < limitMs && mapped_) pump(limitMs - (NowMs() - t0), true);
        return mapped_ ? -1 : goneMs_ - t0;
    }
    double waitProgramGone(double t0, double limitMs) {
        while (NowMs() - t0 < limitMs) {
            if (child.reap(false)) return NowMs() - t0;
            pollfd fds[2] = {{child.pidfd, POLLIN, 0}, {ConnectionNumber(dpy_), POLLIN, 0}};
            poll(fds, child.pidfd >= 0 ? 2 : 0, child.pidfd >= 0 ? 50 : 1);
            pumpAll();
        }
        return -1;
    }

    void pumpAll() { pump(0); }

private:
    // Handles X events for up to waitMs; true when the window changed. With
    // anyEvent it returns after the first batch of events of any kind.
    bool pump(double waitMs, bool anyEvent = false) {
        bool changed = false;
        const double deadline = NowMs() + waitMs;
        for (;;) {
            bool any = false;
            while (XPending(dpy_)) {
                changed |= handle();
                any = true;
            }
            if (changed || (any && anyEvent)) return changed;
            const double left = deadline - NowMs();
            if (left <= 0) return false;
            pollfd fd{ConnectionNumber(dpy_), POLLIN, 0};
            poll(&fd, 1, static_cast<int>(std::ceil(left)));
        }
    }

    bool handle() {
        XEvent ev;
        XNextEvent(dpy_, &ev);
        const double now = NowMs();
        if (ev.type == CreateNotify && !locked_ && !ev.xcreatewindow.override_redirect) {
            candidates_.push_back(ev.xcreatewindow.window);
            XDamageCreate(dpy_, ev.xcreatewindow.window, XDamageReportNonEmpty);
        } else if (ev.type == MapNotify && !locked_ &&
                   std::find(candidates_.begin(), candidates_.end(), ev.xmap.window) != candidates_.end()) {
            window_ = ev.xmap.window;
            mapped_ = true;
        } else if (ev.type == MapNotify && ev.xmap.window == window_) {
            mapped_ = true;
        } else if ((ev.type == UnmapNotify && ev.xunmap.window == window_) ||
                   (ev.type == DestroyNotify && ev.xdestroywindow.window == window_)) {
            if (mapped_) goneMs_ = now;
            mapped_ = false;
            // A program may replace its first window (SDL does for an OpenGL
            // renderer): until the window settled, look out for the next one.
            if (!locked_ && ev.type == DestroyNotify) window_ = 0;
        } else if (ev.type == damageEvent_ + XDamageNotify) {
            const auto& d = reinterpret_cast<const XDamageNotifyEvent&>(ev);
            XDamageSubtract(dpy_, d.damage, None, None);
            if (d.drawable == window_) {
                lastChangeMs = now;
                return true;
            }
        }
        return false;
    }

    // Reads the window's pixels; false when it cannot be read (unmapped).
    bool grab() {
        if (!window_ || !mapped_) return false;
        XWindowAttributes a{};
        if (!XGetWindowAttributes(dpy_, window_, &a) || a.map_state != IsViewable) return false;
        if (!image_ || image_->width != a.width || image_->height != a.height) {
            freeImage();
            image_ = XShmCreateImage(dpy_, a.visual, a.depth, ZPixmap, nullptr, &shm_, a.width, a.height);
            if (!image_) return false;
            shm_.shmid = shmget(IPC_PRIVATE, image_->bytes_per_line * image_->height, IPC_CREAT | 0600);
            shm_.shmaddr = image_->data = static_cast<char*>(shmat(shm_.shmid, nullptr, 0));
            shm_.readOnly = False;
            XShmAttach(dpy_, &shm_);
            XSync(dpy_, False);
            shmctl(shm_.shmid, IPC_RMID, nullptr);
        }
        return XShmGetImage(dpy_, window_, image_, 0, 0, AllPlanes);
    }
    void freeImage() {
        if (!image_) return;
        XShmDetach(dpy_, &shm_);
        XDestroyImage(image_);
        shmdt(shm_.shmaddr);
        image_ = nullptr;
    }
    std::vector<char> pixels() const {
        return std::vector<char>(image_->data, image_->data + image_->bytes_per_line * image_->height);
    }
    uint64_t hash() const {
        uint64_t h = 1469598103934665603ull;
        const size_t n = static_cast<size_t>(image_->bytes_per_line) * image_->height / 8;
        const auto* words = reinterpret_cast<const uint64_t*>(image_->data);
        for (size_t i = 0; i < n; ++i) h = (h ^ words[i]) * 1099511628211ull;
        return h;
    }

    Display* dpy_ = nullptr;
    Window root_ = 0;
    int damageEvent_ = 0;
    std::vector<Window> candidates_;
    Window window_ = 0;
    bool locked_ = false;  // window_ is the program's window for good
    bool mapped_ = false;
    double goneMs_ = 0;
    XImage* image_ = nullptr;
    XShmSegmentInfo shm_{};
};

// A path over the board, cell row by cell row, back and forth, 6 pixels a
// move: at 50 moves a second the pointer enters five cells a second, as a
// hand sweeping over the board does (and as the first measurement of the
// game's hover cost, about 110 cells in 20 seconds, did).
std::vector<Point> BoardPath() {
    std::vector<Point> path;
    for (int row = 0; row < 7; ++row) {
        const double y = 30 + 60 * row;
        for (int k = 0; k < 120; ++k) {
            const double x = 20 + 6 * (row % 2 == 0 ? k : 119 - k);
            path.push_back({x, y});
        }
    }
    return path;
}

// Moves the pointer along the path, perSecond moves a second, for seconds.
void MovePointer(Probe& p, double perSecond, double seconds) {
    const std::vector<Point> path = BoardPath();
    const long steps = std::lround(perSecond * seconds);
    timespec next{};
    clock_gettime(CLOCK_MONOTONIC, &next);
    const long periodNs = static_cast<long>(1e9 / perSecond);
    for (long i = 0; i < steps; ++i) {
        p.moveTo(path[static_cast<size_t>(i) % path.size()]);
        p.pumpAll();
        next.tv_nsec += periodNs;
        while (next.tv_nsec >= 1000000000L) {
            next.tv_nsec -= 1000000000L;
            ++next.tv_sec;
        }
        clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &next, nullptr);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) Fail("usage: sd_perf_probe <start|cpu|click X Y|memory|idle|quit X Y> [options] -- program ...");
    const std::string what = argv[1];
    int i = 2;
    Point target;
    if (what == "click" || what == "quit") {
        if (argc < 5) Fail(what + " needs a canvas point X Y");
        target = {std::atof(argv[2]), std::atof(argv[3])};
        i = 4;
    }
    std::vector<Point> nav;
    Point park{790, 10};
    double seconds = 20, perSecond = 50, quietMs = 300;
    int count = 16, clicks = 2;
    for (; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        const std::string opt = argv[i];
        if (i + 1 >= argc) Fail("option without a value: " + opt);
        const char* value = argv[++i];
        if (opt == "--nav") nav.push_back(ParsePoint(value));
        else if (opt == "--park") park = ParsePoint(value);
        else if (opt == "--seconds") seconds = std::atof(value);
        else if (opt == "--moves") perSecond = std::atof(value);
        else if (opt == "--count") count = std::atoi(value);
        else if (opt == "--clicks") clicks = std::atoi(value);
        else if (opt == "--quiet") quietMs = std::atof(value);
        else Fail("unknown option " + opt);
    }
    if (i + 1 >= argc) Fail("no program given after --");
    signal(SIGPIPE, SIG_IGN);

    Probe p;
    p.parkInCorner();
    const double t0 = NowMs();
    p.child.start(argv + i + 1);
    const double startMs = p.waitForWindow(t0, quietMs, 15000);
    if (what == "start") {
        std::printf("start %.2f\n", startMs);
        p.child.stop();
        return 0;
    }
    for (const Point& n : nav) {
        p.clickAt(n);
        p.settle(quietMs);
    }
    p.moveTo(park);
    p.settle(quietMs);

    int rc = 0;
    if (what == "cpu") {
        const double before = p.child.cpuNs();
        MovePointer(p, perSecond, seconds);
        const double used = (p.child.cpuNs() - before) / 1e6;
        std::printf("cpu %.2f\n", used);
    } else if (what == "click") {
        p.moveTo(target);
        p.settle(quietMs);
        for (int k = 0; k < count; ++k) {
            // A person's hand moves a little between clicks: the button shows
            // its hover look again before the next press.
            p.moveTo({target.x + 3, target.y + 2});
            p.moveTo(target);
            p.settle(quietMs);
            const double ms = p.timeClick(2000);
            if (ms < 0) rc = 1;
            std::printf("click %.3f\n", ms);
            p.settle(quietMs);
        }
    } else if (what == "memory") {
        MovePointer(p, perSecond, 4);
        for (int k = 0; k < clicks; ++k) {
            p.clickAt({90, 504});
            p.settle(quietMs);
        }
        std::printf("memory %.2f\n", p.child.peakMb());
    } else if (what == "idle") {
        const long before = p.child.switches();
        const double t = NowMs();
        usleep(static_cast<useconds_t>(seconds * 1e6));
        const long woke = p.child.switches() - before;
        std::printf("idle %.2f\n", woke / ((NowMs() - t) / 1000.0));
    } else if (what == "quit") {
        p.moveTo(target);
        p.settle(quietMs);
        const double tc = NowMs();
        p.click();
        const double gone = p.waitWindowGone(tc, 5000);
        const double ended = p.waitProgramGone(tc, 5000);
        std::printf("quit_window %.2f\nquit_process %.2f\n", gone, ended);
        if (gone < 0 || ended < 0) rc = 1;
    } else {
        Fail("unknown measurement " + what);
    }
    p.child.stop();
    return rc;
}
