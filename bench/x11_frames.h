#pragma once

// What the start-up and key benchmarks share: a clock, bounded waits for X events, and the test
// whether a window shows its content yet.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <cstdio>
#include <ctime>
#include <sys/select.h>

namespace lunara::bench {

inline double nowMs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<double>(ts.tv_sec) * 1000.0 + static_cast<double>(ts.tv_nsec) / 1e6;
}

// Waits for the next X event at most until the deadline; false on time-out.
inline bool nextEvent(Display* dpy, XEvent* ev, double deadline) {
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

// A window shows content once a visible share of it is not black.
inline bool hasContent(Display* dpy, Window w, const char* saveTo) {
    XWindowAttributes attrs{};
    if (!XGetWindowAttributes(dpy, w, &attrs) || attrs.width <= 0 || attrs.height <= 0) {
        return false;
    }
    XImage* image = XGetImage(dpy, w, 0, 0, static_cast<unsigned>(attrs.width), static_cast<unsigned>(attrs.height),
                              AllPlanes, ZPixmap);
    if (!image) {
        return false;
    }
    long lit = 0;
    for (int y = 0; y < attrs.height; y += 4) {
        for (int x = 0; x < attrs.width; x += 4) {
            lit += (XGetPixel(image, x, y) & 0xFFFFFFU) != 0 ? 1 : 0;
        }
    }
    const long samples = static_cast<long>((attrs.width + 3) / 4) * ((attrs.height + 3) / 4);
    const bool content = lit * 100 > samples; // more than 1 %
    if (content && saveTo) {
        if (FILE* out = std::fopen(saveTo, "wb")) {
            std::fprintf(out, "P6 %d %d 255\n", attrs.width, attrs.height);
            for (int y = 0; y < attrs.height; ++y) {
                for (int x = 0; x < attrs.width; ++x) {
                    const unsigned long p = XGetPixel(image, x, y);
                    const unsigned char rgb[3] = {static_cast<unsigned char>(p >> 16),
                                                  static_cast<unsigned char>(p >> 8), static_cast<unsigned char>(p)};
                    std::fwrite(rgb, 1, 3, out);
                }
            }
            std::fclose(out);
        }
    }
    XDestroyImage(image);
    return content;
}

} // namespace lunara::bench
