// The buses with GLib's GDBus: plain method calls and signal subscriptions, the whole of what
// the notification service and logind need (libnotify would add GTK's image library for
// nothing the companion shows).
#include "platform/desktop_bus.h"

#include <gio/gio.h>

#include <memory>

#include "platform/wake_loop.h"

namespace veloranth::platform {
namespace {

constexpr char kNotifications[] = "org.freedesktop.Notifications";
constexpr char kNotificationsPath[] = "/org/freedesktop/Notifications";
constexpr char kStopAction[] = "stop";

struct Buses {
    GDBusConnection* session = nullptr;
    GDBusConnection* system = nullptr;
    std::function<void()> stop;
    guint32 stoppable = 0;  // the notification whose action stops the call
};

Buses& TheBuses() {
    static Buses buses;
    return buses;
}

std::string TextOf(GError* error) {
    std::string text = error != nullptr ? error->message : "";
    g_clear_error(&error);
    return text;
}

struct Shown {
    bool stoppable;
    std::function<void(const std::string&)> failed;
};

void OnNotified(GObject* source, GAsyncResult* result, gpointer data) {
    std::unique_ptr<Shown> shown(static_cast<Shown*>(data));
    GError* error = nullptr;
    GVariant* reply = g_dbus_connection_call_finish(G_DBUS_CONNECTION(source), result, &error);
    if (reply == nullptr) {
        shown->failed(TextOf(error));
        return;
    }
    guint32 id = 0;
    g_variant_get(reply, "(u)", &id);
    g_variant_unref(reply);
    if (shown->stoppable) {
        TheBuses().stoppable = id;
    }
}

void OnActionInvoked(GDBusConnection*, const gchar*, const gchar*, const gchar*, const gchar*,
                     GVariant* parameters, gpointer) {
    guint32 id = 0;
    const gchar* action = nullptr;
    g_variant_get(parameters, "(u&s)", &id, &action);
    Buses& buses = TheBuses();
    if (id != 0 && id == buses.stoppable && g_strcmp0(action, kStopAction) == 0 && buses.stop) {
        buses.stop();
    }
}

void OnPrepareForSleep(GDBusConnection*, const gchar*, const gchar*, const gchar*, const gchar*,
                       GVariant* parameters, gpointer) {
    gboolean starting = TRUE;
    g_variant_get(parameters, "(b)", &starting);
    if (!starting) {
        WakeFor(WakeReason::Resume);
    }
}

}  // namespace

NameResult TakeSessionName(const char* name, std::string& error) {
    GError* failure = nullptr;
    Buses& buses = TheBuses();
    buses.session = g_bus_get_sync(G_BUS_TYPE_SESSION, nullptr, &failure);
    if (buses.session == nullptr) {
        error = TextOf(failure);
        return NameResult::NoBus;
    }
    constexpr guint32 kDoNotQueue = 4, kPrimaryOwner = 1;
    GVariant* reply = g_dbus_connection_call_sync(
        buses.session, "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
        "RequestName", g_variant_new("(su)", name, kDoNotQueue), G_VARIANT_TYPE("(u)"),
        G_DBUS_CALL_FLAGS_NONE, -1, nullptr, &failure);
    if (reply == nullptr) {
        error = TextOf(failure);
        return NameResult::NoBus;
    }
    guint32 answer = 0;
    g_variant_get(reply, "(u)", &answer);
    g_variant_unref(reply);
    if (answer != kPrimaryOwner) {
        return NameResult::HeldByAnother;
    }
    g_dbus_connection_signal_subscribe(buses.session, kNotifications, kNotifications,
                                       "ActionInvoked", kNotificationsPath, nullptr,
                                       G_DBUS_SIGNAL_FLAGS_NONE, OnActionInvoked, nullptr, nullptr);
    return NameResult::Taken;
}

void ShowNotification(const DesktopNotification& n,
                      const std::function<void(const std::string&)>& failed) {
    GVariantBuilder actions, hints;
    g_variant_builder_init(&actions, G_VARIANT_TYPE("as"));
    g_variant_builder_init(&hints, G_VARIANT_TYPE("a{sv}"));
    g_variant_builder_add(&hints, "{sv}", "urgency", g_variant_new_byte(1));
    if (!n.stopLabel.empty()) {
        g_variant_builder_add(&actions, "s", kStopAction);
        g_variant_builder_add(&actions, "s", n.stopLabel.c_str());
        // The call is the sound: the service's own would cover it.
        g_variant_builder_add(&hints, "{sv}", "suppress-sound", g_variant_new_boolean(TRUE));
    }
    g_dbus_connection_call(TheBuses().session, kNotifications, kNotificationsPath, kNotifications,
                           "Notify",
                           g_variant_new("(susssasa{sv}i)", "Veloranth", 0u, "", n.summary.c_str(),
                                         n.body.c_str(), &actions, &hints, -1),
                           G_VARIANT_TYPE("(u)"), G_DBUS_CALL_FLAGS_NONE, -1, nullptr, OnNotified,
                           new Shown{!n.stopLabel.empty(), failed});
}

void OnStopAction(const std::function<void()>& stop) {
    TheBuses().stop = stop;
}

bool WatchResume(std::string& error) {
    GError* failure = nullptr;
    Buses& buses = TheBuses();
    buses.system = g_bus_get_sync(G_BUS_TYPE_SYSTEM, nullptr, &failure);
    if (buses.system == nullptr) {
        error = TextOf(failure);
        return false;
    }
    g_dbus_connection_signal_subscribe(buses.system, "org.freedesktop.login1",
                                       "org.freedesktop.login1.Manager", "PrepareForSleep",
                                       "/org/freedesktop/login1", nullptr, G_DBUS_SIGNAL_FLAGS_NONE,
                                       OnPrepareForSleep, nullptr, nullptr);
    return true;
}

}  // namespace veloranth::platform
