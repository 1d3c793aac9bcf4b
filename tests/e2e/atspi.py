#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Bellmora authors
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads and drives Bellmora over AT-SPI, as a screen reader does.

    atspi.py show NAME...        until labels with all these names are found
    atspi.py cells TEXT...       until table cells with all these texts are found
    atspi.py hear NAME...        prints "listening" once the program knows of it, then
                                 waits until a change of a label's name to each of
                                 these has been announced
    atspi.py window TITLE [WxH]  until a window with this title shows (of this size);
                                 prints its role: "frame", "alert" (a message box)...
    atspi.py gone TITLE          until no window with this title shows
    atspi.py press NAME          presses the button with this name

Each waits at most 15 seconds, then exits 1 saying what it found or heard.
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


def descendants(node):
    yield node
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is not None:
            yield from descendants(child)


def windows():
    app = bellmora()
    if app is None:
        return []
    found = (app.get_child_at_index(i) for i in range(app.get_child_count()))
    return [w for w in found if w is not None and w.get_state_set().contains(Atspi.StateType.SHOWING)]


def wait_for(found):
    """Calls found() every 200 ms until it is true or the deadline passes."""
    loop = GLib.MainLoop()
    result = [found()]

    def again():
        result[0] = found()
        if result[0]:
            loop.quit()
        return not result[0]

    if not result[0]:
        GLib.timeout_add(200, again)
        GLib.timeout_add(DEADLINE_MS, loop.quit)
        loop.run()
    return result[0]


def show(wanted, role=Atspi.Role.LABEL, what="labels"):
    seen = []

    def found():
        app = bellmora()
        seen[:] = [n.get_name() for n in descendants(app) if n.get_role() == role] if app else []
        return all(name in seen for name in wanted)

    if not wait_for(found):
        print(f"{what} missing: {[n for n in wanted if n not in seen]!r}; the {what} are: {seen!r}")
        return 1
    return 0


def cells(wanted):
    return show(wanted, Atspi.Role.TABLE_CELL, "cells")


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

    # The registry tells the program of a new listener on its own time; only then does the
    # program send the events. A second was too short on a machine busy with other builds.
    def ready():
        print("listening", flush=True)
        return False

    GLib.timeout_add(3000, ready)
    Atspi.event_main()
    if not all(name in heard for name in wanted):
        print(f"no name change to {[n for n in wanted if n not in heard]!r}; heard {heard!r}")
        return 1
    return 0


def window(args):
    title, size = args[0], args[1] if len(args) > 1 else None

    def found():
        for w in windows():
            extents = w.get_extents(Atspi.CoordType.WINDOW)
            if w.get_name() == title and (size is None or f"{extents.width}x{extents.height}" == size):
                return w
        return None

    w = wait_for(found)
    if not w:
        seen = [(w.get_name(), w.get_extents(Atspi.CoordType.WINDOW)) for w in windows()]
        print(f"no window {title!r} {size or ''}; the windows are: "
              + ", ".join(f"{n!r} {e.width}x{e.height}" for n, e in seen))
        return 1
    print(w.get_role_name())
    return 0


def gone(args):
    if not wait_for(lambda: all(w.get_name() != args[0] for w in windows())):
        print(f"the window {args[0]!r} is still there")
        return 1
    return 0


def press(args):
    def found():
        app = bellmora()
        buttons = [n for n in descendants(app) if n.get_role() == Atspi.Role.PUSH_BUTTON] if app else []
        return next((b for b in buttons if b.get_name() == args[0]), None)

    button = wait_for(found)
    if not button:
        print(f"no button {args[0]!r}")
        return 1
    # A button that opens a modal box answers only once the box is closed: do not wait.
    Atspi.set_timeout(1000, -1)
    try:
        button.do_action(0)
    except GLib.Error as error:
        if "reply" not in error.message:
            raise
    return 0


if __name__ == "__main__":
    commands = {"show": show, "cells": cells, "hear": hear, "window": window, "gone": gone, "press": press}
    sys.exit(commands[sys.argv[1]](sys.argv[2:]))
