// Time from exec to the main window being mapped, and resident memory one
// second after the map, for a program and a floor program started in turn.
// The map is seen from outside, as a MapNotify on the root window; then the
// window is asked to close (WM_DELETE_WINDOW), as a user would.
//   startup_bench 31 build/app/spanwright build/bench/startup/startup_floor
//     -> median start-up (ms) and RSS (KiB) of each, and their ratios
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

namespace {

double NowMs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

long RssKiB(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}

xcb_atom_t Atom(xcb_connection_t* c, const char* name) {
    xcb_intern_atom_reply_t* reply =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
    std::free(reply);
    return atom;
}

struct Run {
    double startMs = -1;
    long rssKiB = -1;
};

class Bench {
public:
    Bench() {
        c_ = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(c_)) {
            std::fprintf(stderr, "no X display\n");
            std::exit(2);
        }
        root_ = xcb_setup_roots_iterator(xcb_get_setup(c_)).data->root;
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(c_, root_, XCB_CW_EVENT_MASK, &mask);
        protocols_ = Atom(c_, "WM_PROTOCOLS");
        deleteWindow_ = Atom(c_, "WM_DELETE_WINDOW");
        xcb_flush(c_);
    }
    ~Bench() { xcb_disconnect(c_); }

    Run Once(const char* program) {
        Drain();
        Run run;
        const double t0 = NowMs();
        const pid_t pid = fork();
        if (pid == 0) {
            execl(program, program, static_cast<char*>(nullptr));
            _exit(127);
        }
        xcb_window_t mapped = 0;
        while (!mapped) {
            xcb_generic_event_t* event = xcb_wait_for_event(c_);
            if (!event) break;
            if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY) {
                auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
                if (!map->override_redirect) mapped = map->window;
            }
            std::free(event);
        }
        run.startMs = NowMs() - t0;
        usleep(1000 * 1000);
        run.rssKiB = RssKiB(pid);
        Close(mapped);
        if (!Reap(pid, 5000)) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
        }
        return run;
    }

private:
    void Close(xcb_window_t window) {
        xcb_client_message_event_t message{};
        message.response_type = XCB_CLIENT_MESSAGE;
        message.format = 32;
        message.window = window;
        message.type = protocols_;
        message.data.data32[0] = deleteWindow_;
        message.data.data32[1] = XCB_CURRENT_TIME;
        xcb_send_event(c_, 0, window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&message));
        xcb_flush(c_);
    }

    static bool Reap(pid_t pid, int timeoutMs) {
        for (int waited = 0; waited < timeoutMs; waited += 10) {
            if (waitpid(pid, nullptr, WNOHANG) == pid) return true;
            usleep(10 * 1000);
        }
        return false;
    }

    void Drain() {
        while (xcb_generic_event_t* event = xcb_poll_for_event(c_)) std::free(event);
    }

    xcb_connection_t* c_ = nullptr;
    xcb_window_t root_ = 0;
    xcb_atom_t protocols_ = 0;
    xcb_atom_t deleteWindow_ = 0;
};

template <class T>
T Median(std::vector<T> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s runs program floor-program\n", argv[0]);
        return 2;
    }
    const int runs = std::max(1, std::atoi(argv[1]));
    Bench bench;
    std::vector<double> startA, startB;
    std::vector<long> rssA, rssB;
    bench.Once(argv[2]);  // warm the file cache; not counted
    bench.Once(argv[3]);
    for (int i = 0; i < runs; ++i) {
        // Interleaved, alternating which goes first.
        const bool programFirst = i % 2 == 0;
        for (int k = 0; k < 2; ++k) {
            const bool program = (k == 0) == programFirst;
            const Run run = bench.Once(program ? argv[2] : argv[3]);
            (program ? startA : startB).push_back(run.startMs);
            (program ? rssA : rssB).push_back(run.rssKiB);
        }
    }
    const double a = Median(startA), b = Median(startB);
    const long ra = Median(rssA), rb = Median(rssB);
    std::printf("runs %d each, interleaved\n", runs);
    std::printf("start-up to map  program %.1f ms  floor %.1f ms  ratio %.3f\n", a, b, a / b);
    std::printf("RSS after 1 s    program %ld KiB  floor %ld KiB  ratio %.3f\n", ra, rb, double(ra) / double(rb));
    return 0;
}
