# SPDX-FileCopyrightText: 2026 The sakana developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Drives the program on a Wayland desktop and checks what the output shows.

Run by tests/wayland.sh, inside a compositor that shows its output as a
window on a virtual X display: input goes to that window through xdotool,
and screenshots of it are the compositor's output, pixel for pixel.

Usage: wayland.py PROGRAM OUTPUT_WINDOW SHOTS_DIR PID_FILE
The program is started here, without an X display, and its process id is
written to PID_FILE so that the caller can end it whatever happens.
"""

import io
import os
import subprocess
import sys
import time

from PIL import Image, ImageChops

PROGRAM, OUTPUT, SHOTS, PID_FILE = sys.argv[1:5]

# The designs, in pixels at scale 1 (twips / 15).
LIST_SIZE = (768, 480)  # the lookup and drill screens' client area
MENU_SIZE = (766, 478)
BLUE, CYAN = (0, 0, 255), (0, 255, 255)  # the list screens' frame, the menu's background
NAME_COLUMNS = [(12, 60, 155, 399), (600, 60, 155, 399)]  # x, y, width, height
PROMPT = (34, 15, 419, 37)
QUESTION = (74, 15, 448, 37)  # the drill's prompt
CAPTION = (209, 407, 345, 38)
SCORE = (466, 413, 87, 38)  # the drill's percentage, empty before the first answer
ANSWER_MARK = (293, 157, 201, 189)


def white(p):
    return min(p) >= 224


def yellow(p):
    return p[0] >= 224 and p[1] >= 224 and p[2] < 96


LOOKUP_TEXTS = [("names", NAME_COLUMNS, white), ("prompt", [PROMPT], yellow), ("caption", [CAPTION], white)]
DRILL_TEXTS = [("names", NAME_COLUMNS, white), ("prompt", [QUESTION], yellow)]


def mark_colour(p):  # the red of the right answer's mark, or the blue of the wrong one's
    return any(all(abs(a - b) <= 24 for a, b in zip(p, c)) for c in ((227, 38, 42), (31, 91, 216)))


def red(p):  # a name marked or under the pointer
    return p[0] >= 224 and p[1] < 64 and p[2] < 64


def dark(p):
    return max(p) < 64


failures = []
shot_number = 0
program = None


def check(ok, what):
    print(("ok      " if ok else "FAILED  ") + what, flush=True)
    if not ok:
        failures.append(what)


def give_up(what):
    print("FAILED  " + what, flush=True)
    sys.exit(1)


def screenshot(label=None):
    global shot_number
    if program.poll() is not None:
        give_up(f"the program ended with status {program.returncode}")
    data = subprocess.run(["import", "-silent", "-window", "root", "png:-"], check=True,
                          capture_output=True).stdout
    image = Image.open(io.BytesIO(data)).convert("RGB").crop(output_rect)
    if label:
        shot_number += 1
        image.save(os.path.join(SHOTS, f"{shot_number:02d}-{label}.png"))
    return image


def frame(image, colour, size):
    """The screen whose background colour fills a box of the design's
    proportions: (left, top, scale), or None."""
    r, g, b = image.split()
    mask = ImageChops.logical_and(
        ImageChops.logical_and(r.point(lambda v: 255 if v == colour[0] else 0, "1"),
                               g.point(lambda v: 255 if v == colour[1] else 0, "1")),
        b.point(lambda v: 255 if v == colour[2] else 0, "1"))
    box = mask.getbbox()
    if not box:
        return None
    width, height = box[2] - box[0], box[3] - box[1]
    scale = width / size[0]
    if scale < 0.99 or abs(height - size[1] * scale) > 2:
        return None
    return (box[0], box[1], scale)


def list_frame(image, scale_wanted):
    place = frame(image, BLUE, LIST_SIZE)
    return place if place and scale_wanted(place[2]) else None


def wait_for(what, condition, timeout=15, fatal=True):
    """Screenshots until the condition gives something; the last one is
    saved either way. Unless fatal, a timeout is left to the caller's checks."""
    deadline = time.monotonic() + timeout
    while True:
        image = screenshot()
        found = condition(image)
        if found or time.monotonic() > deadline:
            screenshot(what.replace(" ", "-"))
            if not found and fatal:
                give_up(f"{what}: not seen within {timeout} s")
            return image, found
        time.sleep(0.2)


def settled(place, size):
    """Waits until the screen at place has stopped changing."""
    previous = None
    for _ in range(25):
        image = screenshot()
        box = region(place, (0, 0) + size)
        crop = image.crop(box)
        if previous is not None and ImageChops.difference(crop, previous).getbbox() is None:
            return image
        previous = crop
        time.sleep(0.2)
    return image


def region(place, rect):
    left, top, scale = place
    x, y, w, h = rect
    return (round(left + x * scale), round(top + y * scale),
            round(left + (x + w) * scale), round(top + (y + h) * scale))


def shares(image, place, rects, ink):
    """The share of dark pixels and of text-coloured ones in the rectangles."""
    pixels = []
    for rect in rects:
        pixels += list(image.crop(region(place, rect)).getdata())
    return (sum(map(dark, pixels)) / len(pixels), sum(map(ink, pixels)) / len(pixels))


def drawn_as_before(label, before, image, place, reference_image, reference_place, texts):
    """Each text drawn as on the reference: not much more of its area dark,
    at least half as much of it in the text colour."""
    for name, rects, ink in texts:
        d, i = shares(image, place, rects, ink)
        d0, i0 = shares(reference_image, reference_place, rects, ink)
        check(d <= d0 + 0.1 and i >= 0.5 * i0,
              f"{label}: {name} drawn: {d:.0%} of the area dark, {i:.1%} in the text colour "
              f"({before}: {d0:.0%} dark, {i0:.1%})")


def full_screen_and_back(label, leave, reference, place, texts):
    """F11, then the key that leaves full screen: the screen fills the output
    and is drawn as before, then as a window again. Gives the window's place."""
    key("F11")
    full_shot, full = wait_for(f"{label} full screen", lambda i: list_frame(i, lambda scale: scale > 1.2), timeout=10)
    full_shot = settled(full, LIST_SIZE)
    full = frame(full_shot, BLUE, LIST_SIZE)
    left, top, right, bottom = region(full, (0, 0) + LIST_SIZE)
    width, height = output_size
    check((abs(right - left - width) <= 1 and abs(top - (height - bottom + top) / 2) <= 1)
          or (abs(bottom - top - height) <= 1 and abs(left - (width - right + left) / 2) <= 1),
          f"{label} full screen: fills the {width}x{height} output: the design is drawn at "
          f"{left},{top} to {right},{bottom} (scale {full[2]:.3f})")
    drawn_as_before(f"{label} full screen", "before F11", full_shot, full, reference, place, texts)

    key(leave)
    back_shot, back = wait_for(f"{label} after {leave}", lambda i: list_frame(i, lambda scale: scale < 1.01),
                               timeout=10)
    back_shot = settled(back, LIST_SIZE)
    back = frame(back_shot, BLUE, LIST_SIZE)
    screenshot(f"{label}-window-again")
    print(f"{label}: at {place[:2]} before F11, at {back[:2]} after F11 and {leave}", flush=True)
    drawn_as_before(f"{label} after F11 and {leave}", "before F11", back_shot, back, reference, place, texts)
    return back


def centre(place, size):
    left, top, scale = place
    return (left + size[0] * scale / 2, top + size[1] * scale / 2)


def stays(label, before, before_size, after, after_size):
    (x0, y0), (x1, y1) = centre(before, before_size), centre(after, after_size)
    check(abs(x1 - x0) <= 2 and abs(y1 - y0) <= 2,
          f"{label}: the window stays where it was: centre ({x0:.0f}, {y0:.0f}) -> ({x1:.0f}, {y1:.0f})")


def xdotool(*args):
    subprocess.run(["xdotool", *map(str, args)], check=True)


def point_at(x, y):
    """Moves the pointer to x, y of the output in two steps, so that the
    compositor has seen it move there before anything else happens."""
    xdotool("mousemove", "--window", OUTPUT, x - 1, y - 1)
    time.sleep(0.05)
    xdotool("mousemove", "--window", OUTPUT, x, y)
    time.sleep(0.1)


def click(place, x, y):
    """Clicks at x, y of the design, then takes the pointer off the window."""
    left, top, scale = place
    point_at(round(left + x * scale), round(top + y * scale))
    xdotool("click", "1")
    time.sleep(0.3)
    park_pointer()


def click_name(place, fish):
    """Clicks a fish's name once the program shows the pointer over it (the
    name turns red): the compositor now and then misses a pointer move from
    the X display, and a click must not land elsewhere."""
    x, y = (89 if fish <= 20 else 677), 69 + 20 * ((fish - 1) % 20)
    cell = (x - 70, y - 5, 140, 10)
    left, top, scale = place
    for attempt in range(4):
        point_at(round(left + x * scale), round(top + y * scale))
        for _ in range(5):
            if shares(screenshot(), place, [cell], red)[1] > 0.3:
                break
            time.sleep(0.2)
        else:
            where = subprocess.run(["xdotool", "getmouselocation"], capture_output=True, text=True).stdout.strip()
            print(f"the pointer is not seen over name {fish} (the X display has it at {where})"
                  + (": out of the output and back" if attempt < 3 else ""), flush=True)
            # Leaving the output's window and entering it again tells the
            # compositor where the pointer is.
            xdotool("mousemove", "--window", OUTPUT, output_size[0] + 40, output_size[1] + 40)
            time.sleep(0.3)
            continue
        break
    xdotool("click", "1")  # seen there or not: what follows is checked either way
    time.sleep(0.3)
    park_pointer()


def click_button(place, x, y, what, condition):
    """Clicks a button and waits for what it leads to; clicks once more if
    nothing happened (a missed pointer move), and says so."""
    for attempt in range(2):
        click(place, x, y)
        image, found = wait_for(what, condition, timeout=6, fatal=attempt == 1)
        if found:
            return image, found
        print(f"{what}: nothing happened after the click; out of the output and back, and clicked again", flush=True)
        xdotool("mousemove", "--window", OUTPUT, output_size[0] + 40, output_size[1] + 40)
        time.sleep(0.3)


def park_pointer():
    point_at(output_size[0] - 3, output_size[1] - 3)


def key(name):
    park_pointer()  # the output window has the keyboard while the pointer is in it
    xdotool("key", name)


geometry = subprocess.run(["xdotool", "getwindowgeometry", "--shell", OUTPUT], check=True,
                          capture_output=True, text=True).stdout
g = dict(line.split("=") for line in geometry.split())
output_rect = (int(g["X"]), int(g["Y"]), int(g["X"]) + int(g["WIDTH"]), int(g["Y"]) + int(g["HEIGHT"]))
output_size = (output_rect[2] - output_rect[0], output_rect[3] - output_rect[1])

env = dict(os.environ, QT_QPA_PLATFORM="wayland")
env.pop("DISPLAY", None)
program = subprocess.Popen([PROGRAM], env=env, stdout=sys.stderr, stderr=subprocess.STDOUT)
with open(PID_FILE, "w") as pid_file:
    print(program.pid, file=pid_file)

try:
    _, menu = wait_for("menu", lambda i: frame(i, CYAN, MENU_SIZE), timeout=30)
    print(f"menu at {menu[:2]}", flush=True)
    key("Return")  # the first button, 魚しらべ
    _, lookup = wait_for("lookup", lambda i: frame(i, BLUE, LIST_SIZE))
    stays("menu -> lookup", menu, MENU_SIZE, lookup, LIST_SIZE)
    lookup = frame(settled(lookup, LIST_SIZE), BLUE, LIST_SIZE)

    click_name(lookup, 24)  # たい
    chosen, _ = wait_for("lookup with a fish",
                         lambda i: shares(i, lookup, [CAPTION], white)[1] > 0.02)
    chosen = settled(lookup, LIST_SIZE)
    screenshot("lookup-before-F11")
    for (name, rects, ink), least in zip(LOOKUP_TEXTS, (0.005, 0.1, 0.02)):
        d, i = shares(chosen, lookup, rects, ink)
        check(d < 0.15 and i > least, f"before F11: {name} drawn ({d:.0%} of the area dark, {i:.1%} in the text colour)")

    back = full_screen_and_back("lookup", "F11", chosen, lookup, LOOKUP_TEXTS)
    _, menu_again = click_button(back, 693, 34, "menu again", lambda i: frame(i, CYAN, MENU_SIZE))  # メニュー
    stays("lookup -> menu", back, LIST_SIZE, menu_again, MENU_SIZE)
    menu_again = frame(settled(menu_again, MENU_SIZE), CYAN, MENU_SIZE)

    _, drill = click_button(menu_again, 393, 435, "drill",  # 魚ドリル
                            lambda i: None if frame(i, CYAN, MENU_SIZE) else frame(i, BLUE, LIST_SIZE))
    stays("menu -> drill", menu_again, MENU_SIZE, drill, LIST_SIZE)
    question = settled(drill, LIST_SIZE)
    drill = frame(question, BLUE, LIST_SIZE)
    drawn_as_before("drill", "on the lookup screen", question, drill, chosen, lookup, LOOKUP_TEXTS[:1])
    drill = full_screen_and_back("drill", "Escape", question, drill, DRILL_TEXTS)
    question = settled(drill, LIST_SIZE)

    def answered(image):
        """The share of the mark's colours over the picture, and of white in
        the percentage, each beyond what the question showed."""
        mark = shares(image, drill, [ANSWER_MARK], mark_colour)[1] - shares(question, drill, [ANSWER_MARK], mark_colour)[1]
        score = shares(image, drill, [SCORE], white)[1] - shares(question, drill, [SCORE], white)[1]
        return mark, score

    click_name(drill, 1)  # あいなめ, right or wrong
    shot, _ = wait_for("drill answered", lambda i: min(a - b for a, b in zip(answered(i), (0.1, 0.003))) > 0,
                       timeout=5, fatal=False)
    mark, score = answered(shot)
    check(mark > 0.1 and score > 0.003,
          f"drill: one answer shows its mark ({mark:+.0%} of the picture's area in the mark's colours) "
          f"and the percentage ({score:+.1%} of its box white)")
finally:
    if program.poll() is None:
        program.terminate()
        try:
            program.wait(5)
        except subprocess.TimeoutExpired:
            program.kill()

if failures:
    print(f"{len(failures)} check(s) failed", flush=True)
    sys.exit(1)
