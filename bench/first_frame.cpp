// Starts a program and reports how long it took until its first top-level window was mapped and
// first painted (the first damage to it), and the peak memory of the process.
// Usage: first_frame PROGRAM [ARGS...]   (needs an X server with the DAMAGE extension, e.g. Xvfb)
// Prints: "<ms to first frame> <peak resident KiB>"
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>
#include <csignal>
#include <cstdio>
#include <ctime>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

double nowMs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<double>(ts.tv_sec) * 1000.0 + static_cast<double>(ts.tv_nsec) / 1e6;
}

// Waits for the next X event at most until the deadline; false on time-out.
bool nextEvent(Display* dpy, XEvent* ev, double deadline) {
    const int fd = ConnectionNumber(dpy);
    while (XPending(dpy) == 0) {
        const double left = deadline - nowMs();
        if (left <= 0) {
            return false;
        }
        fd_set fds;
        FD_ZERO(&fds);
        FD_SET(fd, &fds);
        timeval tv{static_cast<time_t>(left / 1000), static_cast<suseconds_t>(static_cast<long>(left) % 1000 * 1000)};
        select(fd + 1, &fds, nullptr, nullptr, &tv);
    }
    XNextEvent(dpy, ev);
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }
    Display* dpy = XOpenDisplay(nullptr);
    if (!dpy) {
        std::fprintf(stderr, "no X display\n");
        return 2;
    }
    int damageEvent = 0;
    int damageError = 0;
    if (!XDamageQueryExtension(dpy, &damageEvent, &damageError)) {
        std::fprintf(stderr, "the X server has no DAMAGE extension\n");
        return 2;
    }
    const Window root = DefaultRootWindow(dpy);
    XSelectInput(dpy, root, SubstructureNotifyMask);
    XSync(dpy, False);

    const double start = nowMs();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    const double deadline = start + 20000;
    double firstFrame = -1;
    Damage damage = 0;
    XEvent ev;
    while (firstFrame < 0 && nextEvent(dpy, &ev, deadline)) {
        if (ev.type == MapNotify && ev.xmap.event == root && !ev.xmap.override_redirect && damage == 0) {
            damage = XDamageCreate(dpy, ev.xmap.window, XDamageReportNonEmpty);
        } else if (ev.type == damageEvent + XDamageNotify) {
            firstFrame = nowMs() - start;
        }
    }
    // Let it settle so the peak includes the work done right after the first frame.
    usleep(300 * 1000);
    kill(child, SIGKILL);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    XCloseDisplay(dpy);
    if (firstFrame < 0) {
        std::fprintf(stderr, "no window was painted within 20 s\n");
        return 1;
    }
    std::printf("%.1f %ld\n", firstFrame, usage.ru_maxrss);
    return 0;
}
