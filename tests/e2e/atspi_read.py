#!/usr/bin/python3
"""Reads the window's controls over AT-SPI, as a screen reader would: the accessibility bus
of this session, the application's tree, each control's role and name, where it lies on
the screen, and the value of one control. The end-to-end scripts find what they click by
these names, so that a control moved by a redesign is still found.

Usage: atspi_read.py list              -> "role<TAB>name" for every control of the windows
       atspi_read.py places            -> "role<TAB>name<TAB>x y width height<TAB>shown"
                                          for every control, in screen coordinates; the
                                          last field is "hidden" for one not on show
       atspi_read.py states            -> "role<TAB>name<TAB>value<TAB>checked" for every
                                          control on show: what it reads, not how it looks
       atspi_read.py value <name>      -> the numeric value of the control named <name>
       atspi_read.py texts <window>    -> the name of every control of the window named
                                          <window>, shown or not (a tab behind another),
                                          however deep: every text it holds
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


def walk(bus, node, depth=0, deepest=6):
    yield node
    # The window, its areas, their controls and the board's numbers.
    if depth >= deepest:
        return
    for child in call(bus, node, ACCESSIBLE, "GetChildren")[0]:
        yield from walk(bus, child, depth + 1, deepest)


def controls(bus):
    root = ("org.a11y.atspi.Registry", "/org/a11y/atspi/accessible/root")
    for app in call(bus, root, ACCESSIBLE, "GetChildren")[0]:
        for node in walk(bus, app):
            yield node, call(bus, node, ACCESSIBLE, "GetRoleName")[0], prop(
                bus, node, ACCESSIBLE, "Name")


CHECKED = 4  # ATSPI_STATE_CHECKED, in the first word of GetState's bit set
SHOWING = 25  # ATSPI_STATE_SHOWING
SCREEN = 0  # ATSPI_COORD_TYPE_SCREEN


def showing(bus):
    for node, role, name in controls(bus):
        state = call(bus, node, ACCESSIBLE, "GetState")[0][0]
        if state & (1 << SHOWING):
            yield node, role, name, state


def states(bus):
    for node, role, name, state in showing(bus):
        value = ""
        if "org.a11y.atspi.Value" in call(bus, node, ACCESSIBLE, "GetInterfaces")[0]:
            value = int(prop(bus, node, "org.a11y.atspi.Value", "CurrentValue"))
        print(f"{role}\t{name}\t{value}\t{'checked' if state & (1 << CHECKED) else ''}")


def places(bus):
    for node, role, name in controls(bus):
        state = call(bus, node, ACCESSIBLE, "GetState")[0][0]
        try:
            x, y, width, height = call(bus, node, "org.a11y.atspi.Component", "GetExtents",
                                       GLib.Variant("(u)", (SCREEN,)))[0]
        except GLib.Error:  # a node that lies nowhere, such as the application
            continue
        shown = "shown" if state & (1 << SHOWING) else "hidden"
        print(f"{role}\t{name}\t{x} {y} {width} {height}\t{shown}")


def texts(bus, window):
    root = ("org.a11y.atspi.Registry", "/org/a11y/atspi/accessible/root")
    for app in call(bus, root, ACCESSIBLE, "GetChildren")[0]:
        for frame in call(bus, app, ACCESSIBLE, "GetChildren")[0]:
            if prop(bus, frame, ACCESSIBLE, "Name") != window:
                continue
            # Deep enough for a table's cells on a page of a tab in a splitter.
            for node in walk(bus, frame, deepest=20):
                name = prop(bus, node, ACCESSIBLE, "Name")
                if name:
                    print(name.replace("\n", " "))
            return 0
    print(f"no window named {window}", file=sys.stderr)
    return 1


def main():
    bus = a11y_bus()
    if sys.argv[1] == "texts":
        return texts(bus, sys.argv[2])
    if sys.argv[1] == "list":
        for _, role, name in controls(bus):
            print(f"{role}\t{name}")
        return 0
    if sys.argv[1] == "places":
        places(bus)
        return 0
    if sys.argv[1] == "states":
        states(bus)
        return 0
    for node, _, name in controls(bus):
        if name == sys.argv[2]:
            print(int(prop(bus, node, "org.a11y.atspi.Value", "CurrentValue")))
            return 0
    print(f"no control named {sys.argv[2]}", file=sys.stderr)
    return 1


if __name__ == "__main__":
    sys.exit(main())
