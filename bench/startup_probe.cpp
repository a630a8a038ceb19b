// Start-up probe for scripts/bench-startup.sh: starts a program, waits for its window to be
// mapped on the X display, and reports the time from exec to mapping and the program's
// resident memory shortly afterwards.
//
//   startup_probe --title TITLE [--settle-ms N] [--timeout-ms N] [--output FILE] -- PROGRAM [ARGS...]
//
// Prints one line, "startup_us=<microseconds> rss_kb=<kilobytes>", and exits 0; on failure
// prints a reason to standard error and exits non-zero. The program's own output goes to
// FILE (appended), or to /dev/null. The program is killed before the probe exits.
//
// The clock is CLOCK_MONOTONIC, read just before fork. The window counts as mapped when a
// window titled TITLE (WM_NAME or _NET_WM_NAME) is viewable, that is, mapped together with
// all its ancestors, including the window manager's frame. The probe looks for it only
// when a window is mapped: it listens for structure changes among the root's children (the
// frame is one) and on every new top-level window (the program's own window, before the
// window manager reparents it), so that it loads the X server as little as possible while
// the program starts. A check every 20 ms covers anything the events might miss.

#include <X11/Xlib.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <utility>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;  // CLOCK_MONOTONIC on Linux

struct Options {
    std::string title;
    int settleMs = 500;
    int timeoutMs = 30000;
    std::string output = "/dev/null";
    std::vector<char*> command;  // null-terminated for execv
};

[[noreturn]] void usage()
{
    std::fputs("usage: startup_probe --title TITLE [--settle-ms N] [--timeout-ms N] [--output FILE] -- PROGRAM [ARGS...]\n",
               stderr);
    std::exit(2);
}

Options parseOptions(int argc, char* argv[])
{
    Options options;
    int i = 1;
    for (; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--") {
            ++i;
            break;
        }
        if (i + 1 >= argc)
            usage();
        if (arg == "--title")
            options.title = argv[++i];
        else if (arg == "--settle-ms")
            options.settleMs = std::atoi(argv[++i]);
        else if (arg == "--timeout-ms")
            options.timeoutMs = std::atoi(argv[++i]);
        else if (arg == "--output")
            options.output = argv[++i];
        else
            usage();
    }
    if (options.title.empty() || i >= argc)
        usage();
    for (; i < argc; ++i)
        options.command.push_back(argv[i]);
    options.command.push_back(nullptr);
    return options;
}

// Windows may vanish between two requests; such errors are expected and ignored.
int ignoreXError(Display* /*display*/, XErrorEvent* /*event*/) { return 0; }

class WindowFinder {
public:
    WindowFinder(Display* display, std::string title)
        : display_(display),
          title_(std::move(title)),
          netWmName_(XInternAtom(display, "_NET_WM_NAME", False)),
          utf8String_(XInternAtom(display, "UTF8_STRING", False))
    {
    }

    // True when a viewable window with the title exists. Subtrees of windows that are not
    // viewable are skipped: nothing inside them can be viewable either.
    bool viewableWindowExists() { return search(DefaultRootWindow(display_)); }

private:
    bool search(Window parent)
    {
        Window root = 0;
        Window parentOfParent = 0;
        Window* children = nullptr;
        unsigned int count = 0;
        if (!XQueryTree(display_, parent, &root, &parentOfParent, &children, &count))
            return false;
        bool found = false;
        for (unsigned int i = 0; i < count && !found; ++i) {
            XWindowAttributes attributes;
            if (!XGetWindowAttributes(display_, children[i], &attributes) || attributes.map_state != IsViewable)
                continue;
            found = hasTitle(children[i]) || search(children[i]);
        }
        if (children)
            XFree(children);
        return found;
    }

    bool hasTitle(Window window)
    {
        bool match = false;
        char* name = nullptr;
        if (XFetchName(display_, window, &name) && name) {
            match = title_ == name;
            XFree(name);
        }
        if (match)
            return true;
        Atom type = 0;
        int format = 0;
        unsigned long items = 0;
        unsigned long remaining = 0;
        unsigned char* data = nullptr;
        if (XGetWindowProperty(display_, window, netWmName_, 0, 1024, False, utf8String_, &type, &format, &items,
                               &remaining, &data) == Success &&
            data) {
            match = type == utf8String_ && format == 8 &&
                    std::string_view(reinterpret_cast<const char*>(data), items) == title_;
            XFree(data);
        }
        return match;
    }

    Display* display_;
    std::string title_;
    Atom netWmName_;
    Atom utf8String_;
};

std::optional<long> residentKilobytes(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return std::nullopt;
}

void stop(pid_t pid)
{
    kill(pid, SIGTERM);
    const auto deadline = Clock::now() + std::chrono::seconds(3);
    while (Clock::now() < deadline) {
        if (waitpid(pid, nullptr, WNOHANG) == pid)
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

}  // namespace

int main(int argc, char* argv[])
{
    const Options options = parseOptions(argc, argv);

    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fputs("startup_probe: cannot open the X display (is DISPLAY set?)\n", stderr);
        return 3;
    }
    XSetErrorHandler(ignoreXError);
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);
    WindowFinder finder(display, options.title);
    if (finder.viewableWindowExists()) {
        std::fprintf(stderr, "startup_probe: a window titled '%s' is already shown\n", options.title.c_str());
        return 3;
    }

    const auto start = Clock::now();
    const pid_t pid = fork();
    if (pid < 0) {
        std::perror("startup_probe: fork");
        return 3;
    }
    if (pid == 0) {
        const int out = open(options.output.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
        if (out >= 0) {
            dup2(out, STDOUT_FILENO);
            dup2(out, STDERR_FILENO);
        }
        execv(options.command[0], options.command.data());
        std::fprintf(stderr, "startup_probe: cannot run %s: %s\n", options.command[0], std::strerror(errno));
        _exit(127);
    }

    const auto deadline = start + std::chrono::milliseconds(options.timeoutMs);
    pollfd connection{ConnectionNumber(display), POLLIN, 0};
    std::optional<Clock::time_point> mapped;
    bool lookNow = false;
    auto nextLook = Clock::now();
    for (;;) {
        if (lookNow || Clock::now() >= nextLook) {
            if (finder.viewableWindowExists()) {
                mapped = Clock::now();
                break;
            }
            lookNow = false;
            nextLook = Clock::now() + std::chrono::milliseconds(20);
        }
        if (waitpid(pid, nullptr, WNOHANG) == pid) {
            std::fprintf(stderr, "startup_probe: %s ended before its window was shown\n", options.command[0]);
            XCloseDisplay(display);
            return 4;
        }
        if (Clock::now() > deadline) {
            std::fprintf(stderr, "startup_probe: no window titled '%s' within %d ms\n", options.title.c_str(),
                         options.timeoutMs);
            stop(pid);
            XCloseDisplay(display);
            return 5;
        }
        if (XPending(display) == 0)
            poll(&connection, 1, 5);
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == CreateNotify && event.xcreatewindow.parent == DefaultRootWindow(display))
                XSelectInput(display, event.xcreatewindow.window, StructureNotifyMask);
            else if (event.type == MapNotify)
                lookNow = true;
        }
    }

    std::this_thread::sleep_for(std::chrono::milliseconds(options.settleMs));
    const std::optional<long> rss = residentKilobytes(pid);
    stop(pid);
    XCloseDisplay(display);
    if (!rss) {
        std::fputs("startup_probe: cannot read VmRSS of the program\n", stderr);
        return 6;
    }
    const auto micros = std::chrono::duration_cast<std::chrono::microseconds>(*mapped - start).count();
    std::printf("startup_us=%lld rss_kb=%ld\n", static_cast<long long>(micros), *rss);
    return 0;
}
