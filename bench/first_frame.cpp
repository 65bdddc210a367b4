// Starts a program and reports how long it took until its first top-level window showed its
// content, and the peak memory of the process. The first damage to a new window is only the X
// server's black fill; the content arrives with a later one, so each damage is checked by a grab.
// Usage: first_frame [--save FILE.ppm | --stop] PROGRAM [ARGS...]
// (needs an X server with the DAMAGE extension, e.g. Xvfb; --save keeps the frame it stopped at;
// --stop ends the program at that frame with SIGTERM and waits for it, so a tool it runs under,
// such as callgrind, counts up to the first frame and writes its figures)
// Prints: "<ms to first frame with content> <peak resident KiB>"
#include "bench/x11_frames.h"

#include <X11/extensions/Xdamage.h>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace lunara::bench;

int main(int argc, char** argv) {
    const char* saveTo = nullptr;
    bool stop = false;
    int first = 1;
    if (argc > 3 && std::strcmp(argv[1], "--save") == 0) {
        saveTo = argv[2];
        first = 3;
    } else if (argc > 2 && std::strcmp(argv[1], "--stop") == 0) {
        stop = true;
        first = 2;
    }
    if (argc <= first) {
        std::fprintf(stderr, "usage: %s [--save FILE.ppm | --stop] PROGRAM [ARGS...]\n", argv[0]);
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
        execvp(argv[first], argv + first);
        _exit(127);
    }
    // Under callgrind a start takes many times longer.
    const double deadline = start + (stop ? 120000 : 20000);
    double firstFrame = -1;
    Damage damage = 0;
    Window window = 0;
    XEvent ev;
    while (firstFrame < 0 && nextEvent(dpy, &ev, deadline)) {
        if (ev.type == MapNotify && ev.xmap.event == root && !ev.xmap.override_redirect && damage == 0) {
            window = ev.xmap.window;
            damage = XDamageCreate(dpy, window, XDamageReportNonEmpty);
        } else if (ev.type == damageEvent + XDamageNotify) {
            const double at = nowMs() - start;
            // Report the next damage too. A damage with newer events behind it is superseded; the
            // grab shows what the window held at this one only if nothing arrived meanwhile.
            XDamageSubtract(dpy, damage, None, None);
            if (XEventsQueued(dpy, QueuedAfterFlush) == 0 && hasContent(dpy, window, saveTo) &&
                XEventsQueued(dpy, QueuedAfterFlush) == 0) {
                firstFrame = at;
            }
        }
    }
    if (stop) {
        kill(child, SIGTERM);
    } else {
        // Let it settle so the peak includes the work done right after the first frame.
        usleep(300 * 1000);
        kill(child, SIGKILL);
    }
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
