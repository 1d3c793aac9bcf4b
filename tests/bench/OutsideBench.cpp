// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Measures the real program as a user meets it, from outside: on a private Xvfb it starts
// the program, times exec to the mapping of its window, reads its peak memory, starts a
// run, reads the CPU time of the program and of the X server while the run waits for a
// key, and again while correct keys come through XTest. Prints every round and the
// medians with the machine's conditions. Not a test: it asserts nothing.
//
//     bellmora_outside_bench PROGRAM [ROUNDS]
//     bellmora_outside_bench --startup PROGRAM FLOOR [STARTS]
//
// The second form only starts the program and the floor (a bare Qt window) in turn and
// compares their starts: time to the mapped window, CPU until then and 2 s later, and the
// peak memory 2 s after mapping.
//
// With BELLMORA_PERF_DIR set, `perf record` samples the program and the X server during
// the keys, into that folder.

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

namespace {

constexpr int kKeys = 200;
constexpr auto kKeyGap = 60ms;
constexpr auto kAfterKeys = 1s;
constexpr auto kWaitSpan = 10s;
constexpr int kLongest = 32767;

[[noreturn]] void Fail(const std::string& what) {
    std::fprintf(stderr, "bellmora_outside_bench: %s\n", what.c_str());
    std::exit(1);
}

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

// CPU time of every thread of a process, in nanoseconds, from the scheduler's own
// account (finer than the clock ticks of /proc/PID/stat). A thread that ends between two
// readings takes its time with it, so the thread count is kept to check against.
struct Cpu {
    double ns = 0;
    int threads = 0;
};

Cpu ProcessCpu(pid_t pid) {
    Cpu cpu;
    const fs::path tasks = "/proc/" + std::to_string(pid) + "/task";
    std::error_code error;
    for (const auto& task : fs::directory_iterator(tasks, error)) {
        std::ifstream in(task.path() / "schedstat");
        double ns = 0;
        if (in >> ns) {
            cpu.ns += ns;
            ++cpu.threads;
        }
    }
    return cpu;
}

// Busy and total jiffies of the whole machine, to tell how loaded it was.
struct MachineTime {
    long long busy = 0;
    long long total = 0;
};

MachineTime ReadMachineTime() {
    std::ifstream in("/proc/stat");
    std::string cpu;
    in >> cpu;
    MachineTime t;
    long long value = 0;
    for (int i = 0; i < 10 && in >> value; ++i) {
        t.total += value;
        if (i != 3 && i != 4) t.busy += value;  // idle and iowait
    }
    return t;
}

double StatusKb(pid_t pid, const std::string& field) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(in, line);)
        if (line.rfind(field + ":", 0) == 0) return std::atof(line.c_str() + field.size() + 1);
    return 0;
}

std::string FirstLine(const std::string& path) {
    std::ifstream in(path);
    std::string line;
    std::getline(in, line);
    return line;
}

std::string CpuModel() {
    std::ifstream in("/proc/cpuinfo");
    for (std::string line; std::getline(in, line);)
        if (line.rfind("model name", 0) == 0) return line.substr(line.find(':') + 2);
    return "unknown";
}

double Median(std::vector<double> v) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

double Spread(const std::vector<double>& v, bool max) {
    if (v.empty()) return 0;
    return max ? *std::max_element(v.begin(), v.end()) : *std::min_element(v.begin(), v.end());
}

pid_t Spawn(const std::vector<std::string>& argv, const fs::path& folder, const fs::path& log,
            int keepFd = -1) {
    const pid_t pid = fork();
    if (pid < 0) Fail("fork failed");
    if (pid == 0) {
        if (!folder.empty() && chdir(folder.c_str()) != 0) _exit(127);
        const int out = open(log.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
        if (out >= 0) {
            dup2(out, 1);
            dup2(out, 2);
        }
        if (keepFd >= 0) dup2(keepFd, 3);
        std::vector<char*> args;
        for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
        args.push_back(nullptr);
        execvp(args[0], args.data());
        _exit(127);
    }
    return pid;
}

void Stop(pid_t pid) {
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

// The private X server: -displayfd picks a free display without racing anyone.
struct XServer {
    pid_t pid = 0;
    std::string display;

    void Start(const fs::path& root) {
        int fds[2];
        if (pipe(fds) != 0) Fail("pipe failed");
        pid = Spawn({"Xvfb", "-displayfd", "3", "-screen", "0", "1024x768x24", "-nolisten", "tcp",
                     "-noreset"},
                    {}, root / "xvfb.log", fds[1]);
        close(fds[1]);
        std::string number;
        char c;
        pollfd p{fds[0], POLLIN, 0};
        while (poll(&p, 1, 20000) > 0 && read(fds[0], &c, 1) == 1 && c != '\n') number += c;
        close(fds[0]);
        if (number.empty()) Fail("Xvfb did not start");
        display = ":" + number;
    }
};

class Session {
public:
    explicit Session(const std::string& display) : dpy_(XOpenDisplay(display.c_str())) {
        if (!dpy_) Fail("cannot open the display " + display);
        int event, error, major, minor;
        if (!XTestQueryExtension(dpy_, &event, &error, &major, &minor)) Fail("no XTest");
        root_ = DefaultRootWindow(dpy_);
    }
    ~Session() { XCloseDisplay(dpy_); }

    void WatchMaps(bool on) {
        XSelectInput(dpy_, root_, on ? SubstructureNotifyMask : NoEventMask);
        XSync(dpy_, True);  // and forget what came before
    }

    // The first normal (not override-redirect) window mapped on the screen, and when.
    std::optional<std::pair<Window, Clock::time_point>> WaitForMap(Clock::duration limit) {
        const auto deadline = Clock::now() + limit;
        while (Clock::now() < deadline) {
            while (XPending(dpy_)) {
                XEvent e;
                XNextEvent(dpy_, &e);
                if (e.type == MapNotify && !e.xmap.override_redirect)
                    return std::make_pair(e.xmap.window, Clock::now());
            }
            pollfd p{ConnectionNumber(dpy_), POLLIN, 0};
            poll(&p, 1, 50);
        }
        return std::nullopt;
    }

    void Focus(Window w) {
        XSetInputFocus(dpy_, w, RevertToParent, CurrentTime);
        XTestFakeMotionEvent(dpy_, 0, 1020, 764, CurrentTime);  // the pointer off the window
        XSync(dpy_, False);
    }

    void Key(KeySym sym) {
        const KeyCode code = XKeysymToKeycode(dpy_, sym);
        if (!code) Fail("no key for a character of the text");
        XTestFakeKeyEvent(dpy_, code, True, CurrentTime);
        XTestFakeKeyEvent(dpy_, code, False, CurrentTime);
        XFlush(dpy_);
    }

    // The traffic light, from the colour of each lamp's centre.
    std::string Lamp(Window w) {
        XImage* image = XGetImage(dpy_, w, 63, 113, 1, 22, AllPlanes, ZPixmap);
        if (!image) return "none";
        const auto rgb = [&](int y, int shift) { return (XGetPixel(image, 0, y) >> shift) & 0xff; };
        const bool red = rgb(0, 16) > 200, yellow = rgb(10, 8) > 180, green = rgb(21, 8) > 150;
        XDestroyImage(image);
        return red ? "red" : yellow ? "yellow" : green ? "green" : "off";
    }

private:
    Display* dpy_;
    Window root_;
};

bool PollUntil(Clock::duration limit, const std::function<bool()>& done) {
    const auto deadline = Clock::now() + limit;
    while (Clock::now() < deadline) {
        if (done()) return true;
        std::this_thread::sleep_for(20ms);
    }
    return false;
}

struct Text {
    std::string name;  // file name less ".txt"
    std::string body;  // lower-case letters and blanks: keys of every keyboard map
};

struct Round {
    double mappedMs = 0, mappedCpuMs = 0, peakMiB = 0;
    double waitMs = 0, waitXMs = 0;  // per 10 s
    double keyMs = 0, keyXMs = 0;    // per keystroke
    double busyOthers = 0;           // share of the machine's cores busy besides us
    bool complete = true;            // every key of the short run hit (its record is written)
};

Round RunOnce(const std::string& program, const XServer& x, Session& session,
              const fs::path& folder, const Text& text) {
    fs::create_directories(folder);
    std::ofstream(folder / (text.name + ".txt")) << text.body;
    Round r;

    session.WatchMaps(true);
    const auto exec = Clock::now();
    const pid_t pid = Spawn({program}, folder, folder / "program.log");
    const auto mapped = session.WaitForMap(20s);
    session.WatchMaps(false);
    if (!mapped) Fail("the window did not appear");
    r.mappedMs = Ms(mapped->second - exec);
    r.mappedCpuMs = ProcessCpu(pid).ns / 1e6;
    const Window w = mapped->first;
    std::this_thread::sleep_for(2s);
    r.peakMiB = StatusKb(pid, "VmHWM") / 1024;

    // Down picks the one problem in the list, which loads it; Return moves on to Start,
    // and Return again presses it.
    session.Focus(w);
    session.Key(XK_Down);
    std::this_thread::sleep_for(500ms);
    session.Key(XK_Return);
    std::this_thread::sleep_for(100ms);
    session.Key(XK_Return);
    if (!PollUntil(10s, [&] { return session.Lamp(w) != "green"; })) Fail("no countdown");
    if (!PollUntil(10s, [&] { return session.Lamp(w) == "green"; })) Fail("no green light");
    std::this_thread::sleep_for(1s);

    const MachineTime m0 = ReadMachineTime();
    const Cpu w0 = ProcessCpu(pid), wx0 = ProcessCpu(x.pid);
    const auto t0 = Clock::now();
    std::this_thread::sleep_for(kWaitSpan);
    const Cpu w1 = ProcessCpu(pid), wx1 = ProcessCpu(x.pid);
    const double waitSpan = Ms(Clock::now() - t0);
    const double waitRate = (w1.ns - w0.ns) / 1e6 / waitSpan;  // ms per ms
    const double waitXRate = (wx1.ns - wx0.ns) / 1e6 / waitSpan;
    r.waitMs = waitRate * 10000;
    r.waitXMs = waitXRate * 10000;

    std::vector<pid_t> perf;
    if (const char* dir = std::getenv("BELLMORA_PERF_DIR")) {
        for (const auto& [who, id] : {std::pair{"program", pid}, std::pair{"xserver", x.pid}}) {
            const std::string out = std::string(dir) + "/" + text.name + "-" + who + ".data";
            perf.push_back(Spawn({"perf", "record", "-q", "-F", "2999", "--call-graph",
                                  "dwarf,16384", "-p", std::to_string(id), "-o", out},
                                 {}, fs::path(dir) / "perf.log"));
        }
        std::this_thread::sleep_for(2s);  // perf attaches
    }

    const Cpu k0 = ProcessCpu(pid), kx0 = ProcessCpu(x.pid);
    const auto first = Clock::now();
    for (int i = 0; i < kKeys; ++i) {
        const char c = text.body.at(static_cast<std::size_t>(i));
        session.Key(c == ' ' ? XK_space : static_cast<KeySym>(XK_a + (c - 'a')));
        std::this_thread::sleep_until(first + (i + 1) * kKeyGap);
    }
    std::this_thread::sleep_for(kAfterKeys);
    const Cpu k1 = ProcessCpu(pid), kx1 = ProcessCpu(x.pid);
    const double keySpan = Ms(Clock::now() - first);
    const MachineTime m1 = ReadMachineTime();
    for (pid_t p : perf) {
        kill(p, SIGINT);
        waitpid(p, nullptr, 0);
    }
    r.keyMs = ((k1.ns - k0.ns) / 1e6 - waitRate * keySpan) / kKeys;
    r.keyXMs = ((kx1.ns - kx0.ns) / 1e6 - waitXRate * keySpan) / kKeys;
    if (w0.threads != w1.threads || k0.threads != k1.threads)
        std::fprintf(stderr, "  (the program's threads changed during a measurement)\n");

    // The machine's busy share over both measurements, less the program and the server.
    const double ours = (k1.ns - w0.ns + kx1.ns - wx0.ns) / 1e9 * sysconf(_SC_CLK_TCK);
    const double total = static_cast<double>(m1.total - m0.total);
    r.busyOthers = total > 0 ? std::max(0.0, (m1.busy - m0.busy - ours) / total) : 0;

    // A short text of exactly kKeys characters ends its run at the last key: the record
    // written then shows that every key hit.
    if (static_cast<int>(text.body.size()) == kKeys)
        r.complete = PollUntil(5s, [&] { return fs::exists(folder / (text.name + ".REC")); });
    Stop(pid);
    return r;
}

struct Start {
    double mappedMs = 0, mappedCpuMs = 0, laterCpuMs = 0, peakMiB = 0;
};

// One start of a program in a folder holding one short text, until 2 s after its window
// is mapped.
Start StartOnce(const std::string& program, Session& session, const fs::path& folder) {
    fs::create_directories(folder);
    std::ofstream(folder / "short.txt") << "the quick brown fox";
    Start s;
    session.WatchMaps(true);
    const auto exec = Clock::now();
    const pid_t pid = Spawn({program}, folder, folder / "program.log");
    const auto mapped = session.WaitForMap(20s);
    session.WatchMaps(false);
    if (!mapped) Fail("the window of " + program + " did not appear");
    s.mappedMs = Ms(mapped->second - exec);
    s.mappedCpuMs = ProcessCpu(pid).ns / 1e6;
    std::this_thread::sleep_for(2s);
    s.laterCpuMs = ProcessCpu(pid).ns / 1e6;
    s.peakMiB = StatusKb(pid, "VmHWM") / 1024;
    Stop(pid);
    fs::remove_all(folder);
    return s;
}

void PrintRound(const char* what, int round, const Round& r) {
    std::printf(
        "  round %d %-6s exec->mapped %5.1f ms (CPU %5.1f)  VmHWM %5.1f MiB  wait %6.2f ms/10s (X "
        "%5.2f)"
        "  key %5.3f ms (X %5.3f)  others busy %3.0f %%%s\n",
        round, what, r.mappedMs, r.mappedCpuMs, r.peakMiB, r.waitMs, r.waitXMs, r.keyMs, r.keyXMs,
        r.busyOthers * 100, r.complete ? "" : "  INCOMPLETE RUN");
}

}  // namespace

std::vector<double> Field(const std::vector<Start>& starts, double Start::*field) {
    std::vector<double> v;
    for (const Start& s : starts) v.push_back(s.*field);
    return v;
}

// The program and the floor started in turn, the order turned each time.
void CompareStarts(const std::string& program, const std::string& floor, int starts,
                   Session& session, const fs::path& root) {
    std::printf(
        "Start-up beside the floor (a bare Qt window with one Japanese label), %d starts "
        "each, in turn\n",
        starts);
    std::printf("  machine: %s, %ld cores; load average at start: %s\n", CpuModel().c_str(),
                sysconf(_SC_NPROCESSORS_ONLN), FirstLine("/proc/loadavg").c_str());
    std::vector<Start> ours, floors;
    for (int i = 1; i <= starts; ++i) {
        for (int k = 0; k < 2; ++k) {
            const bool isFloor = (k == 0) == (i % 2 == 0);
            const Start s = StartOnce(isFloor ? floor : program, session, root / "start");
            std::printf(
                "  start %d %-8s mapped %5.1f ms  CPU %5.1f ms (2 s later %5.1f)  "
                "VmHWM %5.2f MiB\n",
                i, isFloor ? "floor" : "Bellmora", s.mappedMs, s.mappedCpuMs, s.laterCpuMs,
                s.peakMiB);
            std::fflush(stdout);
            (isFloor ? floors : ours).push_back(s);
        }
    }
    std::printf("  load average at end: %s\n\nmedians       %10s %10s %10s\n",
                FirstLine("/proc/loadavg").c_str(), "Bellmora", "floor", "difference");
    const auto line = [&](const char* what, double Start::*field, const char* unit) {
        const double a = Median(Field(ours, field)), b = Median(Field(floors, field));
        std::printf("%-24s %7.2f %-3s %7.2f %-3s %+7.2f %s\n", what, a, unit, b, unit, a - b, unit);
    };
    line("exec -> window mapped", &Start::mappedMs, "ms");
    line("CPU until mapped", &Start::mappedCpuMs, "ms");
    line("CPU 2 s after mapping", &Start::laterCpuMs, "ms");
    line("peak memory (VmHWM)", &Start::peakMiB, "MiB");
}

int main(int argc, char** argv) {
    if (argc >= 4 && std::string_view(argv[1]) == "--startup") {
        char folder[] = "/tmp/bellmora-startup-XXXXXX";
        if (!mkdtemp(folder)) Fail("mkdtemp failed");
        XServer x;
        x.Start(folder);
        setenv("DISPLAY", x.display.c_str(), 1);
        fs::create_directories(fs::path(folder) / "runtime");
        fs::permissions(fs::path(folder) / "runtime", fs::perms::owner_all);
        setenv("XDG_RUNTIME_DIR", (fs::path(folder) / "runtime").c_str(), 1);
        unsetenv("QT_QPA_PLATFORM");
        {
            Session session(x.display);
            CompareStarts(fs::absolute(argv[2]).string(), fs::absolute(argv[3]).string(),
                          argc > 4 ? std::max(1, std::atoi(argv[4])) : 6, session, folder);
        }
        Stop(x.pid);
        fs::remove_all(folder);
        return 0;
    }
    if (argc < 2) Fail("usage: bellmora_outside_bench PROGRAM [ROUNDS]");
    const std::string program = fs::absolute(argv[1]).string();
    const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;

    std::string pattern = "the quick brown fox jumps over the lazy dog ";
    Text shortText{"short", {}}, longText{"longest", {}};
    while (shortText.body.size() < kKeys) shortText.body += pattern;
    shortText.body.resize(kKeys);
    shortText.body.back() = 'z';  // no trailing blank: the reader would drop it
    while (longText.body.size() < kLongest) longText.body += pattern;
    longText.body.resize(kLongest);
    longText.body.back() = 'z';

    char rootTemplate[] = "/tmp/bellmora-outside-XXXXXX";
    if (!mkdtemp(rootTemplate)) Fail("mkdtemp failed");
    const fs::path root = rootTemplate;
    XServer x;
    x.Start(root);
    setenv("DISPLAY", x.display.c_str(), 1);
    fs::create_directories(root / "runtime");
    fs::permissions(root / "runtime", fs::perms::owner_all);
    setenv("XDG_RUNTIME_DIR", (root / "runtime").c_str(), 1);
    unsetenv("QT_QPA_PLATFORM");
    auto session = std::make_unique<Session>(x.display);

    std::printf(
        "Bellmora from outside: the real program on a private Xvfb, %d correct keys %lld ms "
        "apart through XTest\n",
        kKeys, static_cast<long long>(kKeyGap.count()));
    std::printf("  machine: %s, %ld cores; load average at start: %s\n", CpuModel().c_str(),
                sysconf(_SC_NPROCESSORS_ONLN), FirstLine("/proc/loadavg").c_str());

    std::vector<Round> shorts, longs;
    for (int i = 1; i <= rounds; ++i) {
        // Interleaved, the order turned each round, so a change of load hits both alike.
        const bool shortFirst = i % 2 == 1;
        for (int k = 0; k < 2; ++k) {
            const bool isShort = (k == 0) == shortFirst;
            const Text& text = isShort ? shortText : longText;
            const fs::path folder = root / (text.name + std::to_string(i));
            Round r = RunOnce(program, x, *session, folder, text);
            PrintRound(isShort ? "short" : "long", i, r);
            std::fflush(stdout);
            (isShort ? shorts : longs).push_back(r);
            fs::remove_all(folder);
        }
    }
    std::printf("  load average at end: %s\n", FirstLine("/proc/loadavg").c_str());

    std::vector<Round> all = shorts;
    all.insert(all.end(), longs.begin(), longs.end());
    const auto figure = [](const std::vector<Round>& rs, double Round::*field) {
        std::vector<double> v;
        for (const Round& r : rs) v.push_back(r.*field);
        return v;
    };
    const auto line = [&](const char* what, const std::vector<double>& v, const char* unit,
                          const char* target) {
        std::printf("%-46s median %7.3f %s (%.3f to %.3f)  target %s\n", what, Median(v), unit,
                    Spread(v, false), Spread(v, true), target);
    };
    std::printf("\nmedians of %d rounds (%zu starts):\n", rounds, all.size());
    line("exec -> window mapped", figure(all, &Round::mappedMs), "ms", "under 30 ms");
    line("  CPU of the program until then", figure(all, &Round::mappedCpuMs), "ms", "-");
    line("peak memory (VmHWM) 2 s after mapping", figure(all, &Round::peakMiB), "MiB",
         "under 32 MiB");
    line("CPU while a run waits for a key, per 10 s", figure(all, &Round::waitMs), "ms",
         "under 2 ms");
    line("  X server meanwhile, per 10 s", figure(all, &Round::waitXMs), "ms", "-");
    line("CPU per correct keystroke, 200-character text", figure(shorts, &Round::keyMs), "ms",
         "under 0.7 ms");
    line("CPU per correct keystroke, 32 767 characters", figure(longs, &Round::keyMs), "ms",
         "under 0.7 ms");
    line("X server CPU per keystroke, 200 characters", figure(shorts, &Round::keyXMs), "ms",
         "under 0.2 ms");
    line("X server CPU per keystroke, 32 767 characters", figure(longs, &Round::keyXMs), "ms",
         "under 0.2 ms");
    std::vector<double> busy = figure(all, &Round::busyOthers);
    for (double& b : busy) b *= 100;
    line("machine's cores busy besides program and X", busy, "%", "-");
    const bool complete =
        std::all_of(shorts.begin(), shorts.end(), [](const Round& r) { return r.complete; });
    std::printf("every short run ended with its record written: %s\n", complete ? "yes" : "NO");

    session.reset();
    Stop(x.pid);
    fs::remove_all(root);
    return complete ? 0 : 1;
}
