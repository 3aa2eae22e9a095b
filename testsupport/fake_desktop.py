#!/usr/bin/python3
# A desktop for the companion's tests, on private buses: a recording notification service on
# the session bus, and logind's PrepareForSleep on the system bus.
#
#   fake_desktop.py RECORD
#
# Each Notify call is appended to RECORD as a JSON line with the (faked) time it came. SIGUSR1
# sends PrepareForSleep(false), as logind does on a resume; SIGUSR2 chooses the "stop" action
# of the latest notification that offers it.
import json
import signal
import sys
import time

import dbus
import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

NOTIFICATIONS = "org.freedesktop.Notifications"
LOGIN = "org.freedesktop.login1.Manager"


class Notifications(dbus.service.Object):
    def __init__(self, bus, record):
        super().__init__(bus, "/org/freedesktop/Notifications")
        self.record, self.count, self.stoppable = record, 0, 0

    @dbus.service.method(NOTIFICATIONS, in_signature="susssasa{sv}i", out_signature="u")
    def Notify(self, app, replaces, icon, summary, body, actions, hints, timeout):
        self.count += 1
        if "stop" in actions[::2]:
            self.stoppable = self.count
        with open(self.record, "a", encoding="utf-8") as f:
            f.write(json.dumps({"at": time.time(), "app": str(app), "summary": str(summary),
                                "body": str(body), "actions": [str(a) for a in actions],
                                "hints": sorted(str(k) for k in hints)}) + "\n")
        return self.count

    @dbus.service.method(NOTIFICATIONS, out_signature="as")
    def GetCapabilities(self):
        return ["actions", "body"]

    @dbus.service.method(NOTIFICATIONS, out_signature="ssss")
    def GetServerInformation(self):
        return ["fake-desktop", "veloranth", "1", "1.2"]

    @dbus.service.signal(NOTIFICATIONS, signature="us")
    def ActionInvoked(self, id, action):
        pass


class Login(dbus.service.Object):
    def __init__(self, bus):
        super().__init__(bus, "/org/freedesktop/login1")

    @dbus.service.signal(LOGIN, signature="b")
    def PrepareForSleep(self, starting):
        pass


def main():
    DBusGMainLoop(set_as_default=True)
    session = dbus.bus.BusConnection(dbus.bus.BUS_SESSION)
    system = dbus.bus.BusConnection(dbus.bus.BUS_SYSTEM)
    names = [dbus.service.BusName(NOTIFICATIONS, session),
             dbus.service.BusName("org.freedesktop.login1", system)]
    notifications, login = Notifications(session, sys.argv[1]), Login(system)
    loop = GLib.MainLoop()
    GLib.unix_signal_add(GLib.PRIORITY_DEFAULT, signal.SIGUSR1,
                         lambda: login.PrepareForSleep(False) or True)
    GLib.unix_signal_add(GLib.PRIORITY_DEFAULT, signal.SIGUSR2,
                         lambda: notifications.ActionInvoked(notifications.stoppable, "stop") or True)
    GLib.unix_signal_add(GLib.PRIORITY_DEFAULT, signal.SIGTERM, lambda: loop.quit() or False)
    print("ready", flush=True)
    loop.run()
    del names


if __name__ == "__main__":
    main()
