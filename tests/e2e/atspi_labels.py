#!/usr/bin/python3
"""Reads Bellmora's labels over AT-SPI, as a screen reader does.

    atspi_labels.py show NAME...   until labels with all these names are found
    atspi_labels.py hear NAME...   prints "listening", then waits until a change of a
                                   label's name to each of these has been announced

Exits 1 after 15 seconds without them, printing what it found or heard.
"""
import sys

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

DEADLINE_MS = 15000


def bellmora():
    desktop = Atspi.get_desktop(0)
    for i in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(i)
        if app is not None and app.get_name() == "Bellmora":
            return app
    return None


def label_names(node, names):
    if node.get_role() == Atspi.Role.LABEL:
        names.append(node.get_name())
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is not None:
            label_names(child, names)
    return names


def show(wanted):
    seen = []
    loop = GLib.MainLoop()

    def look():
        app = bellmora()
        seen[:] = label_names(app, []) if app else []
        if all(name in seen for name in wanted):
            loop.quit()
            return False
        return True

    if look():
        GLib.timeout_add(200, look)
        GLib.timeout_add(DEADLINE_MS, loop.quit)
        loop.run()
    missing = [name for name in wanted if name not in seen]
    if missing:
        print(f"labels missing: {missing!r}; the labels are: {seen!r}")
        return 1
    return 0


def hear(wanted):
    heard = []

    def on_name(event):
        if event.source.get_role() == Atspi.Role.LABEL:
            heard.append(event.source.get_name())
        if all(name in heard for name in wanted):
            Atspi.event_quit()

    listener = Atspi.EventListener.new(on_name)
    listener.register("object:property-change:accessible-name")
    GLib.timeout_add(DEADLINE_MS, Atspi.event_quit)
    print("listening", flush=True)
    Atspi.event_main()
    missing = [name for name in wanted if name not in heard]
    if missing:
        print(f"no name change to {missing!r}; heard {heard!r}")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit({"show": show, "hear": hear}[sys.argv[1]](sys.argv[2:]))
