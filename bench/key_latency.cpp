// Measures, from outside as a user's keyboard would, the time from a key press (XTest) to the first
// damage it causes in a program's window. Starts the program, waits for its content, then runs the
// Moon Magick round (Alt+M open, Alt+M reading, Enter closes the result, Alt+M open, Esc closes)
// a number of times.
// Usage: key_latency ROUNDS PROGRAM [ARGS...]
// Prints one line per step: "<step> <first paint: median, min, max ms> <last paint: median ms>";
// the last paint is the last damage before the window has been quiet for 150 ms.
#include "bench/x11_frames.h"

#include <X11/extensions/XTest.h>
#include <X11/extensions/Xdamage.h>
#include <X11/keysym.h>
#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

using namespace lunara::bench;

namespace {

struct Step {
    const char* name;
    KeySym key;
    bool alt;
};

// Access keys include the 100 ms animated press of the button they reach.
constexpr Step kRound[] = {
    {"access key Alt+M, opens Moon Magick", XK_m, true},   {"access key Alt+M, the reading", XK_m, true},
    {"Enter, closes the result window", XK_Return, false}, {"access key Alt+M, opens Moon Magick", XK_m, true},
    {"Esc, closes Moon Magick", XK_Escape, false},
};

void press(Display* dpy, const Step& step) {
    const KeyCode alt = XKeysymToKeycode(dpy, XK_Alt_L);
    const KeyCode key = XKeysymToKeycode(dpy, step.key);
    if (step.alt) {
        XTestFakeKeyEvent(dpy, alt, True, CurrentTime);
    }
    XTestFakeKeyEvent(dpy, key, True, CurrentTime);
    XTestFakeKeyEvent(dpy, key, False, CurrentTime);
    if (step.alt) {
        XTestFakeKeyEvent(dpy, alt, False, CurrentTime);
    }
    XFlush(dpy);
}

// Reads damage until the window has been quiet for a while (or the deadline passes); the time of
// the last damage seen, or 0.
double settle(Display* dpy, Damage damage, int damageEvent, double quietMs) {
    XEvent ev;
    double last = 0;
    const double deadline = nowMs() + 3000;
    while (nextEvent(dpy, &ev, std::min(deadline, nowMs() + quietMs))) {
        if (ev.type == damageEvent + XDamageNotify) {
            XDamageSubtract(dpy, damage, None, None);
            last = nowMs();
        }
    }
    return last;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s ROUNDS PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }
    const int rounds = std::max(1, std::atoi(argv[1]));
    Display* dpy = XOpenDisplay(nullptr);
    int damageEvent = 0;
    int damageError = 0;
    int xtest[4] = {};
    if (!dpy || !XDamageQueryExtension(dpy, &damageEvent, &damageError) ||
        !XTestQueryExtension(dpy, &xtest[0], &xtest[1], &xtest[2], &xtest[3])) {
        std::fprintf(stderr, "needs an X display with the DAMAGE and XTEST extensions\n");
        return 2;
    }
    // A window that goes away takes its damage object with it; that is no error worth stopping for.
    XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
    const Window root = DefaultRootWindow(dpy);
    XSelectInput(dpy, root, SubstructureNotifyMask);
    XSync(dpy, False);
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[2], argv + 2);
        _exit(127);
    }

    Window window = 0;
    Damage damage = 0;
    bool shown = false;
    XEvent ev;
    const double startDeadline = nowMs() + 20000;
    while (!shown && nextEvent(dpy, &ev, startDeadline)) {
        if (ev.type == MapNotify && ev.xmap.event == root && !ev.xmap.override_redirect) {
            // The window shown last is the one in use.
            window = ev.xmap.window;
            damage = XDamageCreate(dpy, window, XDamageReportNonEmpty);
        } else if (ev.type == damageEvent + XDamageNotify) {
            XDamageSubtract(dpy, damage, None, None);
            shown = hasContent(dpy, window, nullptr);
        }
    }
    if (!shown) {
        kill(child, SIGKILL);
        std::fprintf(stderr, "no window showed content within 20 s\n");
        return 1;
    }
    settle(dpy, damage, damageEvent, 500);
    // No window manager: give the window the keyboard focus as one would.
    XSetInputFocus(dpy, window, RevertToParent, CurrentTime);
    XSync(dpy, False);

    std::vector<std::vector<double>> times(std::size(kRound));
    std::vector<std::vector<double>> done(std::size(kRound));
    bool failed = false;
    for (int r = 0; r < rounds && !failed; ++r) {
        for (std::size_t i = 0; i < std::size(kRound); ++i) {
            const double t0 = nowMs();
            press(dpy, kRound[i]);
            bool seen = false;
            while (!seen && nextEvent(dpy, &ev, t0 + 2000)) {
                seen = ev.type == damageEvent + XDamageNotify;
            }
            if (!seen) {
                std::fprintf(stderr, "no reaction to \"%s\" within 2 s\n", kRound[i].name);
                failed = true;
                break;
            }
            times[i].push_back(nowMs() - t0);
            XDamageSubtract(dpy, damage, None, None);
            const double last = settle(dpy, damage, damageEvent, 150);
            done[i].push_back((last > 0 ? last : t0 + times[i].back()) - t0);
        }
    }
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    XCloseDisplay(dpy);
    if (failed) {
        return 1;
    }
    for (std::size_t i = 0; i < std::size(kRound); ++i) {
        auto& t = times[i];
        std::sort(t.begin(), t.end());
        auto& d = done[i];
        std::sort(d.begin(), d.end());
        std::printf("%s\t%.1f\t%.1f\t%.1f\t%.1f\n", kRound[i].name, t[t.size() / 2], t.front(), t.back(),
                    d[d.size() / 2]);
    }
    return 0;
}
