// Start-up of a real program (quenby or tollmere, chosen when built) under a
// private Xvfb: the time from starting the process to the first frame of its
// start-up table on the screen, and the resident memory once it has settled.
// Each iteration is one start, with no settings file, in a fresh folder.
#include <benchmark/benchmark.h>

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <poll.h>
#include <signal.h>
#include <stdexcept>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

// The table colour of a first start (no settings file), and where in the
// window to look for it: the bottom-left corner below quenby's menu bar, the
// middle of the right edge beside tollmere's title picture.
constexpr unsigned long TablePixel = TABLE_PIXEL;
constexpr bool ProbeRightEdge = PROBE_RIGHT_EDGE;

struct Xvfb {
    pid_t pid = 0;
    std::string display;

    Xvfb()
    {
        int fds[2];
        if (pipe(fds) != 0)
            throw std::runtime_error("pipe");
        pid = fork();
        if (pid == 0) {
            setpgid(0, 0);
            const std::string fd = std::to_string(fds[1]);
            close(fds[0]);
            freopen("/dev/null", "w", stderr);
            execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1280x1024x24", "-nolisten", "tcp",
                   "-noreset", static_cast<char*>(nullptr));
            _exit(127);
        }
        close(fds[1]);
        char buffer[32] = {};
        const ssize_t n = read(fds[0], buffer, sizeof buffer - 1);
        close(fds[0]);
        if (n <= 0)
            throw std::runtime_error("Xvfb did not start");
        display = ":" + std::string(buffer, std::strcspn(buffer, "\n"));
    }
    ~Xvfb()
    {
        if (pid > 0) {
            kill(pid, SIGTERM);
            waitpid(pid, nullptr, 0);
        }
    }
};

Xvfb& Server()
{
    static Xvfb server;
    return server;
}

std::string Program()
{
    if (const char* path = std::getenv("PROGRAM"))
        return path;
    return PROGRAM_PATH;
}

long ResidentKiB(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    return 0;
}

// True once the probed point of the window shows the table colour: the table
// has been painted.
bool TableShown(Display* display, Window window)
{
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window, &attributes) || attributes.map_state != IsViewable)
        return false;
    const int x = ProbeRightEdge ? attributes.width - 5 : 4;
    const int y = ProbeRightEdge ? attributes.height / 2 : attributes.height - 5;
    XImage* image = XGetImage(display, window, x, y, 1, 1, AllPlanes, ZPixmap);
    if (!image)
        return false;
    const unsigned long pixel = XGetPixel(image, 0, 0) & 0xFFFFFF;
    XDestroyImage(image);
    return pixel == TablePixel;
}

struct Start {
    double firstFrameMs = 0;
    double residentMiB = 0;
};

Start OneStart(const std::string& configHome)
{
    Display* display = nullptr;
    for (int attempt = 0; attempt < 40 && !display; ++attempt) {
        display = XOpenDisplay(Server().display.c_str());
        if (!display)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    if (!display)
        throw std::runtime_error("cannot open display " + Server().display);
    int damageEvent = 0, damageError = 0;
    XDamageQueryExtension(display, &damageEvent, &damageError);
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    const auto started = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        setpgid(0, 0);
        setenv("DISPLAY", Server().display.c_str(), 1);
        setenv("XDG_CONFIG_HOME", configHome.c_str(), 1);
        setenv("QT_QPA_PLATFORM", "xcb", 1);
        freopen("/dev/null", "w", stderr);
        if (chdir(configHome.c_str()) != 0)
            _exit(126);
        const std::string program = Program();
        execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }

    Start result;
    Window window = 0;
    const auto deadline = started + std::chrono::seconds(20);
    while (Clock::now() < deadline) {
        if (window && TableShown(display, window)) {
            result.firstFrameMs = std::chrono::duration<double, std::milli>(Clock::now() - started).count();
            break;
        }
        if (!XPending(display)) {
            pollfd fd{ConnectionNumber(display), POLLIN, 0};
            poll(&fd, 1, 50);
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        // Every top-level window of the program is watched for drawing; the
        // main window is the one that shows the table.
        if (event.type == MapNotify && !event.xmap.override_redirect && !window) {
            window = event.xmap.window;
            XDamageCreate(display, window, XDamageReportNonEmpty);
        }
        if (event.type == damageEvent + XDamageNotify)
            XDamageSubtract(display, reinterpret_cast<XDamageNotifyEvent*>(&event)->damage, None, None);
    }
    XCloseDisplay(display);

    std::this_thread::sleep_for(std::chrono::seconds(1));
    result.residentMiB = double(ResidentKiB(pid)) / 1024.0;
    kill(-pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    if (result.firstFrameMs == 0)
        throw std::runtime_error("no first frame within 20 s");
    return result;
}

void StartUp(benchmark::State& state)
{
    char pattern[] = "/tmp/startup-bench.XXXXXX";
    const char* home = mkdtemp(pattern);
    if (!home) {
        state.SkipWithError("no temporary folder");
        return;
    }
    try {
        OneStart(home); // warm the file cache
        double resident = 0;
        for (auto _ : state) {
            const Start start = OneStart(home);
            state.SetIterationTime(start.firstFrameMs / 1000.0);
            resident += start.residentMiB;
        }
        state.counters["rss_MiB"] = benchmark::Counter(resident, benchmark::Counter::kAvgIterations);
    } catch (const std::exception& error) {
        state.SkipWithError(error.what());
    }
    std::system((std::string("rm -rf ") + home).c_str());
}

} // namespace

BENCHMARK(StartUp)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(7)
    ->ReportAggregatesOnly(true);

BENCHMARK_MAIN();
