#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 Korvane developers
#
# SPDX-License-Identifier: MIT

"""A stand-in for the desktop's settings portal on a private session bus.

  fake_portal.py SCHEME   answers org.freedesktop.portal.Settings with
                          org.freedesktop.appearance color-scheme = SCHEME
                          (0 no preference, 1 dark, 2 light), as GNOME's
                          portal does; SIGUSR1 switches it to 1, SIGUSR2 to
                          0, each with the SettingChanged signal a desktop
                          sends when the user flips its dark switch.
Prints "ready" once it owns org.freedesktop.portal.Desktop.
"""

import signal
import sys

import dbus
import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

SETTINGS = "org.freedesktop.portal.Settings"
APPEARANCE = "org.freedesktop.appearance"
KEY = "color-scheme"


class Settings(dbus.service.Object):
    def __init__(self, bus, scheme):
        super().__init__(bus, "/org/freedesktop/portal/desktop")
        self.scheme = scheme

    def value(self):
        return dbus.UInt32(self.scheme)

    def known(self, namespace, key):
        if namespace != APPEARANCE or key != KEY:
            raise dbus.exceptions.DBusException(
                "no such setting", name="org.freedesktop.portal.Error.NotFound")

    @dbus.service.method(SETTINGS, in_signature="as", out_signature="a{sa{sv}}")
    def ReadAll(self, namespaces):
        wanted = not namespaces or any(n in (APPEARANCE, "", "org.freedesktop.*") for n in namespaces)
        return {APPEARANCE: {KEY: self.value()}} if wanted else {}

    @dbus.service.method(SETTINGS, in_signature="ss", out_signature="v")
    def Read(self, namespace, key):
        self.known(namespace, key)
        return self.value()

    @dbus.service.method(SETTINGS, in_signature="ss", out_signature="v")
    def ReadOne(self, namespace, key):
        self.known(namespace, key)
        return self.value()

    @dbus.service.signal(SETTINGS, signature="ssv")
    def SettingChanged(self, namespace, key, value):
        pass

    def switch(self, scheme):
        self.scheme = scheme
        self.SettingChanged(APPEARANCE, KEY, self.value())
        return True

    @dbus.service.method(dbus.PROPERTIES_IFACE, in_signature="ss", out_signature="v")
    def Get(self, interface, name):
        if interface == SETTINGS and name == "version":
            return dbus.UInt32(2)
        raise dbus.exceptions.DBusException("no such property", name="org.freedesktop.DBus.Error.InvalidArgs")


def main(argv):
    DBusGMainLoop(set_as_default=True)
    bus = dbus.SessionBus()
    settings = Settings(bus, int(argv[1]) if len(argv) > 1 else 1)
    name = dbus.service.BusName("org.freedesktop.portal.Desktop", bus)
    loop = GLib.MainLoop()
    GLib.unix_signal_add(GLib.PRIORITY_DEFAULT, signal.SIGUSR1, settings.switch, 1)
    GLib.unix_signal_add(GLib.PRIORITY_DEFAULT, signal.SIGUSR2, settings.switch, 0)
    GLib.unix_signal_add(GLib.PRIORITY_DEFAULT, signal.SIGTERM, loop.quit)
    print("ready", flush=True)
    loop.run()
    del name


if __name__ == "__main__":
    main(sys.argv)
