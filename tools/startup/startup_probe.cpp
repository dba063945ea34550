// narabe-startup-probe: starts a window program and watches it from the X server's side.
// It reports when the program's first window was mapped, when every visible pixel of that
// window had been drawn at least once since the mapping ("first painted"), and, at the end
// of the observation, the program's peak resident memory and the processor time it used.
//
//   narabe-startup-probe SECONDS PROGRAM [ARGUMENTS...]
//
// The probe watches the root window for new top-level windows and puts an X Damage
// object on each as soon as the server announces it, before the program can map or draw
// it. Qt creates its windows with no background, so the server itself draws nothing into
// them: every damaged rectangle is the program's own drawing. A window counts as painted
// when the union of the rectangles drawn into it since it was mapped covers the part of it
// that lies on the screen. Nothing in the program is changed or asked: any X client can be
// measured the same way.
//
// After SECONDS from the start the probe reads VmHWM from /proc/PID/status, kills the
// program and takes its processor time (user + system, every thread, ended ones included)
// from wait4. It prints one line of KEY=VALUE fields; a time is -1 when it did not happen.
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

double nowMs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

// What the probe knows about one top-level window of the program.
struct Window {
    bool mapped = false;
    // The window's rectangle clipped to the screen, in window coordinates, and which of its
    // pixels have been drawn since the mapping.
    int left = 0, top = 0, width = 0, height = 0;
    std::vector<bool> drawn;
    long remaining = 0;

    void startCoverage(int x, int y, int w, int h, int screenW, int screenH) {
        left = std::max(0, -x);
        top = std::max(0, -y);
        width = std::max(0, std::min(w, screenW - x) - left);
        height = std::max(0, std::min(h, screenH - y) - top);
        drawn.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), false);
        remaining = static_cast<long>(width) * height;
    }

    // Marks a drawn rectangle (window coordinates); true when the window is now covered.
    bool draw(int x, int y, int w, int h) {
        const int x0 = std::max(x, left) - left, x1 = std::min(x + w, left + width) - left;
        const int y0 = std::max(y, top) - top, y1 = std::min(y + h, top + height) - top;
        for (int row = y0; row < y1; ++row)
            for (int col = x0; col < x1; ++col) {
                const auto at = static_cast<std::size_t>(row) * static_cast<std::size_t>(width) +
                                static_cast<std::size_t>(col);
                if (!drawn[at]) {
                    drawn[at] = true;
                    --remaining;
                }
            }
        return remaining == 0;
    }
};

long peakResidentKb(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}

double ms(const timeval& t) {
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_usec) / 1e3;
}

// The X server's side of the probe: the connection, the screen and the Damage extension.
struct Display {
    xcb_connection_t* x = nullptr;
    const xcb_screen_t* screen = nullptr;
    const xcb_query_extension_reply_t* damage = nullptr;
};

// Connects to the display and asks to hear of every new top-level window; false with a
// message when that cannot be done.
bool openDisplay(Display& display) {
    int screenNumber = 0;
    display.x = xcb_connect(nullptr, &screenNumber);
    xcb_connection_t* x = display.x;
    if (xcb_connection_has_error(x) != 0) {
        std::fprintf(stderr, "startup-probe: cannot open the display\n");
        return false;
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(x));
    for (int i = 0; i < screenNumber; ++i)
        xcb_screen_next(&screens);
    display.screen = screens.data;

    display.damage = xcb_get_extension_data(x, &xcb_damage_id);
    if (display.damage == nullptr || display.damage->present == 0) {
        std::fprintf(stderr, "startup-probe: the X server has no Damage extension\n");
        return false;
    }
    std::free(xcb_damage_query_version_reply(
        x, xcb_damage_query_version(x, XCB_DAMAGE_MAJOR_VERSION, XCB_DAMAGE_MINOR_VERSION),
        nullptr));
    const std::uint32_t rootEvents = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, display.screen->root, XCB_CW_EVENT_MASK, &rootEvents);
    std::free(xcb_get_input_focus_reply(x, xcb_get_input_focus(x), nullptr));
    return true;
}

// When the program's first window was mapped and painted, in ms from the start; -1 if not.
struct Moments {
    double mapped = -1;
    double painted = -1;
};

// Follows the program's windows until `end` (ms on the monotonic clock).
Moments watchWindows(const Display& display, double start, double end) {
    xcb_connection_t* x = display.x;
    std::map<xcb_window_t, Window> windows;
    Moments moments;
    pollfd fd{xcb_get_file_descriptor(x), POLLIN, 0};
    for (double now = nowMs(); now < end; now = nowMs()) {
        std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> event(xcb_poll_for_event(x),
                                                                         &std::free);
        if (!event) {
            if (xcb_connection_has_error(x) != 0) break;
            poll(&fd, 1, std::max(1, static_cast<int>(end - now)));
            continue;
        }
        const double at = nowMs() - start;
        const std::uint8_t type = event->response_type & 0x7f;
        if (type == XCB_CREATE_NOTIFY) {
            const auto* e = reinterpret_cast<xcb_create_notify_event_t*>(event.get());
            if (e->parent != display.screen->root) continue;
            xcb_damage_create(x, xcb_generate_id(x), e->window,
                              XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
            xcb_flush(x);
            windows[e->window];
        } else if (type == XCB_MAP_NOTIFY) {
            const auto* e = reinterpret_cast<xcb_map_notify_event_t*>(event.get());
            const auto it = windows.find(e->window);
            if (it == windows.end() || it->second.mapped) continue;
            std::unique_ptr<xcb_get_geometry_reply_t, decltype(&std::free)> g(
                xcb_get_geometry_reply(x, xcb_get_geometry(x, e->window), nullptr), &std::free);
            if (!g) continue;
            it->second.mapped = true;
            it->second.startCoverage(g->x, g->y, g->width, g->height,
                                     display.screen->width_in_pixels,
                                     display.screen->height_in_pixels);
            if (moments.mapped < 0) moments.mapped = at;
        } else if (type == display.damage->first_event + XCB_DAMAGE_NOTIFY) {
            const auto* e = reinterpret_cast<xcb_damage_notify_event_t*>(event.get());
            const auto it = windows.find(e->drawable);
            if (it == windows.end() || !it->second.mapped || moments.painted >= 0) continue;
            if (it->second.draw(e->area.x, e->area.y, e->area.width, e->area.height))
                moments.painted = at;
        }
    }
    return moments;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s SECONDS PROGRAM [ARGUMENTS...]\n", argv[0]);
        return 2;
    }
    const double seconds = std::strtod(argv[1], nullptr);
    Display display;
    if (!openDisplay(display)) return 1;

    const double start = nowMs();
    const pid_t pid = fork();
    if (pid < 0) {
        std::perror("fork");
        return 1;
    }
    if (pid == 0) {
        close(xcb_get_file_descriptor(display.x));
        execvp(argv[2], argv + 2);
        std::perror(argv[2]);
        _exit(127);
    }
    const Moments moments = watchWindows(display, start, start + seconds * 1e3);

    const long peak = peakResidentKb(pid);
    kill(pid, SIGKILL);
    int status = 0;
    rusage usage{};
    while (wait4(pid, &status, 0, &usage) < 0 && errno == EINTR) {
    }
    xcb_disconnect(display.x);

    std::printf("mapped_ms=%.1f painted_ms=%.1f peak_kb=%ld cpu_ms=%.1f user_ms=%.1f "
                "system_ms=%.1f exited=%d\n",
                moments.mapped, moments.painted, peak, ms(usage.ru_utime) + ms(usage.ru_stime),
                ms(usage.ru_utime), ms(usage.ru_stime),
                WIFEXITED(status) ? WEXITSTATUS(status) : -1);
    return 0;
}
