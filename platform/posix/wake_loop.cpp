// The loop on GLib's main loop. The deadline counts running time (CLOCK_MONOTONIC), which
// stops during a suspend: logind's resume and the clock's change wake the loop instead, and
// the handler measures what is due on the realtime clock. A timerfd armed with
// TFD_TIMER_CANCEL_ON_SET at the end of time never expires; it only reports clock changes.
#include "platform/wake_loop.h"

#include <gio/gio.h>
#include <glib-unix.h>
#include <sys/timerfd.h>
#include <unistd.h>

#include <cerrno>
#include <limits>
#include <memory>

namespace veloranth::platform {
namespace {

struct Loop {
    GMainLoop* main = nullptr;
    WakeHandler handler;
    guint deadline = 0;
    guint settle = 0;  // files being changed: one wake once they are still
    int clockFd = -1;
    int status = 0;
    std::vector<GFileMonitor*> monitors;
};

Loop& TheLoop() {
    static Loop loop;
    return loop;
}

void Call(WakeReason reason) {
    if (TheLoop().handler) {
        TheLoop().handler(reason);
    }
}

gboolean OnDeadline(gpointer) {
    TheLoop().deadline = 0;
    Call(WakeReason::Deadline);
    return G_SOURCE_REMOVE;
}

bool ArmClockWatch(int fd) {
    itimerspec never{};
    never.it_value.tv_sec = std::numeric_limits<time_t>::max() / 2;
    return timerfd_settime(fd, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &never, nullptr) == 0;
}

gboolean OnClockFd(gint fd, GIOCondition, gpointer) {
    std::uint64_t expirations = 0;
    // ECANCELED: the realtime clock was set; the watch must be armed again.
    if (read(fd, &expirations, sizeof expirations) < 0 && errno == ECANCELED) {
        ArmClockWatch(fd);
        Call(WakeReason::ClockSet);
    }
    return G_SOURCE_CONTINUE;
}

gboolean OnSettled(gpointer) {
    TheLoop().settle = 0;
    Call(WakeReason::FilesChanged);
    return G_SOURCE_REMOVE;
}

void OnFileEvent(GFileMonitor*, GFile*, GFile*, GFileMonitorEvent event, gpointer) {
    // A write in progress (CHANGED) is followed by CHANGES_DONE_HINT; a replacement by a
    // rename gives RENAMED or MOVED_IN. Several events of one edit make one wake.
    if (event == G_FILE_MONITOR_EVENT_CHANGED || event == G_FILE_MONITOR_EVENT_PRE_UNMOUNT) {
        return;
    }
    Loop& loop = TheLoop();
    if (loop.settle != 0) {
        g_source_remove(loop.settle);
    }
    loop.settle = g_timeout_add(200, OnSettled, nullptr);
}

gboolean OnStarted(gpointer) {
    Call(WakeReason::Started);
    return G_SOURCE_REMOVE;
}

gboolean OnSignal(gpointer) {
    QuitLoop(0);
    return G_SOURCE_REMOVE;
}

struct WakeRequest {
    WakeReason reason;
};

gboolean OnWakeRequest(gpointer data) {
    std::unique_ptr<WakeRequest> request(static_cast<WakeRequest*>(data));
    Call(request->reason);
    return G_SOURCE_REMOVE;
}

}  // namespace

std::int64_t RealTimeMilliseconds() {
    return g_get_real_time() / 1000;
}

void WakeAfter(std::int64_t milliseconds) {
    Loop& loop = TheLoop();
    if (loop.deadline != 0) {
        g_source_remove(loop.deadline);
    }
    const std::int64_t most = G_MAXUINT;
    guint wait = static_cast<guint>(milliseconds < 0      ? 0
                                    : milliseconds > most ? most
                                                          : milliseconds);
    loop.deadline = g_timeout_add(wait, OnDeadline, nullptr);
}

void WatchFiles(const std::vector<std::string>& paths) {
    Loop& loop = TheLoop();
    for (GFileMonitor* monitor : loop.monitors) {
        g_object_unref(monitor);
    }
    loop.monitors.clear();
    for (const std::string& path : paths) {
        GFile* file = g_file_new_for_path(path.c_str());
        GFileMonitor* monitor =
            g_file_monitor_file(file, G_FILE_MONITOR_WATCH_MOVES, nullptr, nullptr);
        g_object_unref(file);
        if (monitor != nullptr) {
            g_signal_connect(monitor, "changed", G_CALLBACK(OnFileEvent), nullptr);
            loop.monitors.push_back(monitor);
        }
    }
}

void WakeFor(WakeReason reason) {
    g_idle_add(OnWakeRequest, new WakeRequest{reason});
}

int RunLoop(const WakeHandler& handler) {
    Loop& loop = TheLoop();
    loop.handler = handler;
    loop.main = g_main_loop_new(nullptr, FALSE);
    loop.clockFd = timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC);
    if (loop.clockFd >= 0 && ArmClockWatch(loop.clockFd)) {
        g_unix_fd_add(loop.clockFd, G_IO_IN, OnClockFd, nullptr);
    }
    g_unix_signal_add(SIGTERM, OnSignal, nullptr);
    g_unix_signal_add(SIGINT, OnSignal, nullptr);
    g_idle_add(OnStarted, nullptr);
    g_main_loop_run(loop.main);
    g_main_loop_unref(loop.main);
    loop.main = nullptr;
    return loop.status;
}

void QuitLoop(int status) {
    TheLoop().status = status;
    if (TheLoop().main != nullptr) {
        g_main_loop_quit(TheLoop().main);
    }
}

}  // namespace veloranth::platform
