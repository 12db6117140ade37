#!/usr/bin/python3
# SPDX-License-Identifier: MIT
# Reads the game's window through AT-SPI, as a screen reader does, and
# prints one line per object of interest, fields separated by tabs:
#     label  <name>
#     image  <name>  <description>
#     bar    <name>  <value>
# and "other <role> <name>" for anything else with a name. Exits 3 when
# no application named velmora is on the accessibility bus.
import sys

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402


def walk(node, depth=0):
    if node is None or depth > 20:
        return
    role = node.get_role_name()
    name = node.get_name() or ""
    showing = node.get_state_set().contains(Atspi.StateType.SHOWING)
    if showing:
        if role == "label":
            print(f"label\t{name}")
        elif role == "image":
            print(f"image\t{name}\t{node.get_description() or ''}")
        elif role == "progress bar":
            value = Atspi.Value.get_current_value(node) if "Value" in node.get_interfaces() else "none"
            print(f"bar\t{name}\t{value:g}" if value != "none" else f"bar\t{name}\tnone")
        elif name:
            print(f"other\t{role}\t{name}")
    for i in range(node.get_child_count()):
        walk(node.get_child_at_index(i), depth + 1)


desktop = Atspi.get_desktop(0)
for i in range(desktop.get_child_count()):
    app = desktop.get_child_at_index(i)
    if app is not None and app.get_name() == "velmora":
        walk(app)
        sys.exit(0)
sys.exit(3)
