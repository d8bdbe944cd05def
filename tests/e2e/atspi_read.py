#!/usr/bin/python3
"""Reads the window's controls over AT-SPI, as a screen reader would: the accessibility bus
of this session, the application's tree, each control's role and name, and the value of
one control.

Usage: atspi_read.py list              -> "role<TAB>name" for every control of the windows
       atspi_read.py value <name>      -> the numeric value of the control named <name>
"""
import sys

from gi.repository import Gio, GLib

ACCESSIBLE = "org.a11y.atspi.Accessible"


def a11y_bus():
    session = Gio.bus_get_sync(Gio.BusType.SESSION, None)
    reply = session.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress",
                              None, GLib.VariantType("(s)"), Gio.DBusCallFlags.NONE, 5000,
                              None)
    return Gio.DBusConnection.new_for_address_sync(
        reply.unpack()[0],
        Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT
        | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION, None, None)


def call(bus, node, interface, method, args=None):
    return bus.call_sync(node[0], node[1], interface, method, args, None,
                         Gio.DBusCallFlags.NONE, 5000, None).unpack()


def prop(bus, node, interface, name):
    return call(bus, node, "org.freedesktop.DBus.Properties", "Get",
                GLib.Variant("(ss)", (interface, name)))[0]


def walk(bus, node, depth=0):
    yield node
    if depth >= 4:
        return
    for child in call(bus, node, ACCESSIBLE, "GetChildren")[0]:
        yield from walk(bus, child, depth + 1)


def controls(bus):
    root = ("org.a11y.atspi.Registry", "/org/a11y/atspi/accessible/root")
    for app in call(bus, root, ACCESSIBLE, "GetChildren")[0]:
        for node in walk(bus, app):
            yield node, call(bus, node, ACCESSIBLE, "GetRoleName")[0], prop(
                bus, node, ACCESSIBLE, "Name")


def main():
    bus = a11y_bus()
    if sys.argv[1] == "list":
        for _, role, name in controls(bus):
            print(f"{role}\t{name}")
        return 0
    for node, _, name in controls(bus):
        if name == sys.argv[2]:
            print(int(prop(bus, node, "org.a11y.atspi.Value", "CurrentValue")))
            return 0
    print(f"no control named {sys.argv[2]}", file=sys.stderr)
    return 1


if __name__ == "__main__":
    sys.exit(main())
