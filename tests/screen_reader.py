# SPDX-FileCopyrightText: 2026 The sakana developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Drives the program through the accessibility bus as a screen reader's user
would and checks what the bus tells: run by tests/screen_reader.sh.

Arguments: the media folder, "full" to answer every question (or "fail" to
answer every one wrongly), and "listen"
to only drive (while Orca listens) without checking."""
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402
from PIL import Image, ImageChops, ImageGrab  # noqa: E402

MEDIA, LISTEN = sys.argv[1], sys.argv[3:] == ["listen"]
FULL, FAIL = sys.argv[2] in ("full", "fail"), sys.argv[2] == "fail"
events = []  # (type, role, name, detail1)
failures = []
gone = []  # events whose source no longer answered when asked


def heard(event):
    try:
        role, name = event.source.get_role_name(), event.source.get_name()
    except GLib.Error:
        role, name = "(gone)", ""
        gone.append(event.type)
    events.append((event.type, role, name, event.detail1))


listener = Atspi.EventListener.new(heard)
for kind in ("object:state-changed:showing", "object:state-changed:focused", "object:state-changed:active",
             "object:property-change:accessible-name", "window:activate", "window:deactivate"):
    listener.register(kind)


def pump(seconds):
    end = time.monotonic() + seconds
    context = GLib.MainContext.default()
    while time.monotonic() < end:
        while context.iteration(False):
            pass
        time.sleep(0.01)


def find(node, role, name=None):
    """The first object under node, depth first, of that role and name."""
    wanted = name is None or (name(node.get_name()) if callable(name) else node.get_name() == name)
    if node.get_role_name() == role and wanted:
        return node
    for k in range(node.get_child_count()):
        child = node.get_child_at_index(k)
        found = child and find(child, role, name)
        if found:
            return found
    return None


def window(title):
    """Waits for the program's showing window of that title."""
    for _ in range(100):
        desktop = Atspi.get_desktop(0)
        for a in range(desktop.get_child_count()):
            app = desktop.get_child_at_index(a)
            if not app or app.get_name() != "sakana":
                continue
            for w in range(app.get_child_count()):
                frame = app.get_child_at_index(w)
                if frame and frame.get_name() == title and frame.get_state_set().contains(Atspi.StateType.SHOWING):
                    return frame
        pump(0.1)
    sys.exit(f"screen_reader: FAIL: no window {title} on the accessibility bus")


def press(node):
    Atspi.Action.do_action(node, 0)


def question(frame):
    """The fish whose picture the question shows, by its pixels."""
    box = find(frame, "image", lambda name: "もんだい" in name)
    e = box.get_extents(Atspi.CoordType.SCREEN)
    shown = ImageGrab.grab((e.x, e.y, e.x + e.width, e.y + e.height), xdisplay=None).convert("RGB")
    best, fish = None, 0
    for k in range(1, 41):
        picture = Image.open(f"{MEDIA}/画像/f{k}.gif").convert("RGBA")
        opaque = picture.getchannel("A")
        diff = ImageChops.difference(picture.convert("RGB"), shown).convert("L")
        score = sum(ImageChops.multiply(diff, opaque).getdata())
        if best is None or score < best:
            best, fish = score, k
    return fish


def check(what, seen, expected):
    if seen != expected:
        failures.append(f"{what}: {seen!r}, expected {expected!r}")


def spaced_names(node, found):
    """Names under node that part their letters or words with ASCII spaces."""
    if " " in (node.get_name() or ""):
        found.append(node.get_name())
    for k in range(node.get_child_count()):
        spaced_names(node.get_child_at_index(k), found)
    return found


def hit(frame, node):
    """What a point in the middle of node finds, descending from the window."""
    e = node.get_extents(Atspi.CoordType.SCREEN)
    x, y, found = e.x + e.width // 2, e.y + e.height // 2, frame
    while True:
        inner = found.get_accessible_at_point(x, y, Atspi.CoordType.SCREEN)
        if not inner:
            return found
        found = inner


def main():
    menu = window("メニュー")
    pump(1)
    check("menu title", bool(find(menu, "image", "魚")), True)
    press(find(menu, "push button", "魚しらべ"))
    lookup = window("魚しらべ")
    pump(1)
    check("lookup focus", [e[2] for e in events if e[0].endswith("focused") and e[3]][-1:], ["さかなのなまえ"])
    press(find(lookup, "list item", "たい"))
    pump(1.5)
    spoken = ["鯛（たい）"]
    check("lookup names with spaces", spaced_names(lookup, []), [])
    press(find(lookup, "push button", "魚ドリル"))
    drill = window("魚ドリル")
    pump(1)
    check("drill focus", [e[2] for e in events if e[0].endswith("focused") and e[3]][-1:], ["さかなのなまえ"])
    names = find(drill, "list")
    fishes = [names.get_child_at_index(i).get_name() for i in range(names.get_child_count())]  # in fish order
    score = find(drill, "label", lambda name: name.startswith("せいかいりつ"))
    check("score found at its middle", hit(drill, score).get_name(), score.get_name())
    right = 0
    for k in range(40 if FULL else 3):
        fish = question(drill)
        answer = fish if k != 1 and not FAIL else fish % 40 + 1
        right += answer == fish
        print(f"question {k + 1}: {fishes[fish - 1]}, answered {fishes[answer - 1]}", flush=True)
        press(names.get_child_at_index(answer - 1))
        pump(0.5)
        selected = [fishes[i] for i in range(len(fishes))
                    if names.get_child_at_index(i).get_state_set().contains(Atspi.StateType.SELECTED)]
        check(f"answer {k + 1}: selected", selected, [fishes[fish - 1]])
        mark = "せいかい" if answer == fish else "まちがい。" + fishes[fish - 1]
        spoken.append(f"{mark}。せいかいりつ{right * 100 // (k + 1)}％。のこり{39 - k}")
        pump(2.5)
    if FULL:
        if not FAIL:
            spoken.append("きんメダル")  # every one right but one
        pump(3)
        # The fail notice is said as the keyboard comes to it, the medal as it shows.
        check("focus at the grade", [e[2] for e in events if e[0].endswith("focused") and e[3]][-1:],
              ["ふごうかく" if FAIL else "はじめから"])
    check("drill names with spaces", spaced_names(drill, []), [])
    check("notifications", [e[2] for e in events if e[1] == "notification" and e[3]], spoken)
    marks = [e[2] for e in events if e[0].endswith("showing") and e[1] == "image" and e[3]
             and e[2] in ("せいかい", "まちがい")]
    check("marks as they show", marks, [m.split("。")[0] for m in spoken[1:1 + (40 if FULL else 3)]])
    check("events whose source is gone", gone, [])


main()
if failures and not LISTEN:
    sys.exit("screen_reader: FAIL:\n  " + "\n  ".join(failures))
print("screen_reader: the events and names are as a screen reader needs them")
