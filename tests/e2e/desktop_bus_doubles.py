#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Stand-ins for the desktop services orvanta talks to on the session bus,
and a client for the tray item it puts there, for the end-to-end tests.

  watcher                 a StatusNotifierWatcher with a host registered:
                          prints each item registered, one a line
  notifications [actions] an org.freedesktop.Notifications server: prints
                          each Notify call as a JSON line; with "actions" it
                          offers buttons, and its extra method
                          org.orvanta.TestNotifications.InvokeAction(u, s)
                          sends ActionInvoked as a user's click would
  property ITEM NAME      an org.kde.StatusNotifierItem property (ToolTip
                          as its title; IconName, Title as text)
  menu ITEM [SUBMENU]     AboutToShow, then GetLayout of the item's menu
                          (or of its submenu labelled SUBMENU): one entry
                          a line, "label<TAB>enabled"
  click ITEM PATH         Event "clicked" on the entry at PATH ("Ezan
                          Dosyası Seç/ÖĞLE"), after "opened" on its menus

ITEM is the bus name the item registered with. Each client call waits at
most five seconds for an answer and exits 1 without one.
"""
import json
import sys

import gi

gi.require_version("Gio", "2.0")
from gi.repository import Gio, GLib  # noqa: E402

CALL_TIMEOUT_MS = 5000

WATCHER_XML = """
<node><interface name="org.kde.StatusNotifierWatcher">
  <method name="RegisterStatusNotifierItem"><arg type="s" direction="in"/></method>
  <method name="RegisterStatusNotifierHost"><arg type="s" direction="in"/></method>
  <property name="RegisteredStatusNotifierItems" type="as" access="read"/>
  <property name="IsStatusNotifierHostRegistered" type="b" access="read"/>
  <property name="ProtocolVersion" type="i" access="read"/>
  <signal name="StatusNotifierItemRegistered"><arg type="s"/></signal>
  <signal name="StatusNotifierItemUnregistered"><arg type="s"/></signal>
  <signal name="StatusNotifierHostRegistered"/>
</interface></node>"""

NOTIFICATIONS_XML = """
<node><interface name="org.freedesktop.Notifications">
  <method name="GetCapabilities"><arg type="as" direction="out"/></method>
  <method name="Notify">
    <arg type="s" direction="in"/><arg type="u" direction="in"/><arg type="s" direction="in"/>
    <arg type="s" direction="in"/><arg type="s" direction="in"/><arg type="as" direction="in"/>
    <arg type="a{sv}" direction="in"/><arg type="i" direction="in"/><arg type="u" direction="out"/>
  </method>
  <method name="CloseNotification"><arg type="u" direction="in"/></method>
  <method name="GetServerInformation">
    <arg type="s" direction="out"/><arg type="s" direction="out"/>
    <arg type="s" direction="out"/><arg type="s" direction="out"/>
  </method>
  <signal name="NotificationClosed"><arg type="u"/><arg type="u"/></signal>
  <signal name="ActionInvoked"><arg type="u"/><arg type="s"/></signal>
</interface>
<interface name="org.orvanta.TestNotifications">
  <method name="InvokeAction"><arg type="u" direction="in"/><arg type="s" direction="in"/></method>
</interface></node>"""

NOTIFICATIONS_PATH = "/org/freedesktop/Notifications"
NOTIFICATIONS_NAME = "org.freedesktop.Notifications"


def say(line):
    print(line, flush=True)


def serve(name, path, xml, on_call, on_property=None):
    """Owns NAME with the object at PATH and runs until killed."""
    bus = Gio.bus_get_sync(Gio.BusType.SESSION)
    for interface in Gio.DBusNodeInfo.new_for_xml(xml).interfaces:
        bus.register_object(path, interface, on_call, on_property, None)
    Gio.bus_own_name_on_connection(bus, name, Gio.BusNameOwnerFlags.NONE, None, None)
    GLib.MainLoop().run()


def run_watcher():
    items = []

    def on_call(bus, sender, path, interface, method, args, invocation):
        if method == "RegisterStatusNotifierItem":
            # Qt names its item by a well-known name; some name only the path.
            service = args[0] if not args[0].startswith("/") else sender
            items.append(service)
            bus.emit_signal(None, path, interface, "StatusNotifierItemRegistered", GLib.Variant("(s)", (service,)))
            say(service)
        invocation.return_value(None)

    def on_property(bus, sender, path, interface, name):
        return {
            "RegisteredStatusNotifierItems": GLib.Variant("as", items),
            "IsStatusNotifierHostRegistered": GLib.Variant("b", True),
            "ProtocolVersion": GLib.Variant("i", 0),
        }[name]

    serve("org.kde.StatusNotifierWatcher", "/StatusNotifierWatcher", WATCHER_XML, on_call, on_property)


def plain(value):
    """A hint's value as JSON can hold it."""
    return value if isinstance(value, (str, int, float, bool)) else repr(value)


def run_notifications(with_actions):
    capabilities = ["body", "actions"] if with_actions else ["body"]
    last_id = [0]

    def on_call(bus, sender, path, interface, method, args, invocation):
        if method == "GetCapabilities":
            invocation.return_value(GLib.Variant("(as)", (capabilities,)))
        elif method == "Notify":
            app, replaces, icon, summary, body, actions, hints, timeout = args.unpack()
            last_id[0] += 1
            notice_id = replaces or last_id[0]
            say(json.dumps({"id": notice_id, "replaces": replaces, "app": app, "icon": icon, "summary": summary,
                            "body": body, "actions": actions, "timeout": timeout,
                            "hints": {key: plain(value) for key, value in hints.items()}}, ensure_ascii=False))
            invocation.return_value(GLib.Variant("(u)", (notice_id,)))
        elif method == "GetServerInformation":
            invocation.return_value(GLib.Variant("(ssss)", ("doubles", "orvanta-tests", "1", "1.2")))
        elif method == "InvokeAction":
            bus.emit_signal(None, NOTIFICATIONS_PATH, NOTIFICATIONS_NAME, "ActionInvoked", args)
            invocation.return_value(None)
        else:  # CloseNotification
            invocation.return_value(None)

    serve(NOTIFICATIONS_NAME, NOTIFICATIONS_PATH, NOTIFICATIONS_XML, on_call)


def call(item, path, interface, method, args, reply_type):
    bus = Gio.bus_get_sync(Gio.BusType.SESSION)
    return bus.call_sync(item, path, interface, method, args, GLib.VariantType(reply_type),
                         Gio.DBusCallFlags.NONE, CALL_TIMEOUT_MS, None).unpack()


def item_property(item, name):
    (value,) = call(item, "/StatusNotifierItem", "org.freedesktop.DBus.Properties", "Get",
                    GLib.Variant("(ss)", ("org.kde.StatusNotifierItem", name)), "(v)")
    if name == "ToolTip":  # (icon name, pictures, title, text)
        return value[2]
    return value


def menu_path(item):
    (path,) = call(item, "/StatusNotifierItem", "org.freedesktop.DBus.Properties", "Get",
                   GLib.Variant("(ss)", ("org.kde.StatusNotifierItem", "Menu")), "(v)")
    return path


def menu_call(item, method, args, reply_type):
    return call(item, menu_path(item), "com.canonical.dbusmenu", method, args, reply_type)


def label(entry):
    # Mnemonics come as "_"; none of the program's labels has one of its own.
    return entry[1].get("label", "").replace("_", "")


def entries(item, parent_id):
    menu_call(item, "AboutToShow", GLib.Variant("(i)", (parent_id,)), "(b)")
    _, layout = menu_call(item, "GetLayout", GLib.Variant("(iias)", (parent_id, 1, [])), "(u(ia{sv}av))")
    return [child for child in layout[2] if child[1].get("type") != "separator"]


def entry_at(item, path):
    """The id of the entry at PATH, sending "opened" on each menu on the way."""
    parent_id = 0
    steps = path.split("/")
    for depth, step in enumerate(steps):
        found = [entry for entry in entries(item, parent_id) if label(entry) == step]
        if not found:
            sys.exit("no entry '%s' in the menu" % step)
        parent_id = found[0][0]
        if depth < len(steps) - 1:
            menu_call(item, "Event", GLib.Variant("(isvu)", (parent_id, "opened", GLib.Variant("i", 0), 0)), "()")
    return parent_id


def show_menu(item, submenu=None):
    for entry in entries(item, entry_at(item, submenu) if submenu else 0):
        say("%s\t%s" % (label(entry), "true" if entry[1].get("enabled", True) else "false"))


def click(item, path):
    menu_call(item, "Event", GLib.Variant("(isvu)", (entry_at(item, path), "clicked", GLib.Variant("i", 0), 0)), "()")


def main(argv):
    command, args = argv[1], argv[2:]
    try:
        if command == "watcher":
            run_watcher()
        elif command == "notifications":
            run_notifications(args[:1] == ["actions"])
        elif command == "property":
            say(item_property(*args))
        elif command == "menu":
            show_menu(*args)
        elif command == "click":
            click(*args)
        else:
            sys.exit(__doc__)
    except GLib.Error as error:
        sys.exit(error.message)


if __name__ == "__main__":
    main(sys.argv)
