#!/usr/bin/env python3
"""The built dms2dd under a desktop theme, seen from outside.

Starts a private Xvfb, runs the program once with no desktop theme and once
under the theme given in the environment options, types the longest result
into the window and takes a screenshot of each. Every text of the window must
stand out from what is behind it by at least 4.5:1 (WCAG 2), measured on the
themed screenshot, and the themed window must be drawn exactly as the plain
one. The controls' places come from the window's description table.

Exit status 0 when all holds, 1 otherwise; the screenshots are kept in the
artifacts folder for a look by eye.
"""

import argparse
import io
import os
import re
import subprocess
import sys
import time
from collections import Counter

from PIL import Image

TWIPS_PER_PIXEL = 15
MINIMUM_CONTRAST = 4.5
# Typed into degrees, minutes and seconds: the result field then holds the
# longest text it can show, "-1.79769313486231E+308".
TYPED = ["-1.79769313486231E+308", "34", "56"]
EXPECTED_RESULT = "-1.79769313486231E+308"
# Frames of fields and buttons are not text: their insides are measured.
FRAME_INSET = {"TextBox": 3, "CommandButton": 4, "Label": 0}
LIMIT_SECONDS = 30


def pixels_from_twips(twips):
    return (twips + TWIPS_PER_PIXEL // 2) // TWIPS_PER_PIXEL


def controls_of(description_file):
    """(name, kind, left, top, width, height) in pixels, from the table rows."""
    row = re.compile(
        r'ControlDescription\{"(\w+)",\s*(-?\w+),\s*ControlKind::(\w+),\s*'
        r"(\d+),\s*(\d+),\s*(\d+),\s*(\d+)")
    controls = []
    with open(description_file, encoding="utf-8") as source:
        for match in row.finditer(source.read()):
            name, index, kind = match.group(1), match.group(2), match.group(3)
            if index != "notInArray":
                name = f"{name}({index})"
            left, top, width, height = (pixels_from_twips(int(v)) for v in match.groups()[3:])
            controls.append((name, kind, left, top, width, height))
    if len(controls) != 11:
        sys.exit(f"found {len(controls)} controls in {description_file}, expected the window's 11")
    return controls


def luminance(rgb):
    def channel(value):
        value /= 255.0
        return value / 12.92 if value <= 0.04045 else ((value + 0.055) / 1.055) ** 2.4
    red, green, blue = (channel(v) for v in rgb[:3])
    return 0.2126 * red + 0.7152 * green + 0.0722 * blue


def contrast(a, b):
    la, lb = luminance(a), luminance(b)
    return (max(la, lb) + 0.05) / (min(la, lb) + 0.05)


def wait_until(condition, what):
    deadline = time.monotonic() + LIMIT_SECONDS
    while time.monotonic() < deadline:
        result = condition()
        if result:
            return result
        time.sleep(0.1)
    sys.exit(f"timed out waiting for {what}")


class XServer:
    def __init__(self):
        read_end, write_end = os.pipe()
        self.process = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "800x600x24", "-nolisten", "tcp"],
            pass_fds=[write_end], stderr=subprocess.DEVNULL)
        os.close(write_end)
        with os.fdopen(read_end) as pipe:
            number = pipe.readline().strip()
        if not number:
            sys.exit("Xvfb did not start")
        self.display = f":{number}"

    def run(self, *command, check=True):
        return subprocess.run(command, env={**os.environ, "DISPLAY": self.display},
                              capture_output=True, text=True, check=check).stdout

    def screenshot(self):
        data = subprocess.run(["import", "-window", "root", "png:-"],
                              env={**os.environ, "DISPLAY": self.display},
                              capture_output=True, check=True).stdout
        return Image.open(io.BytesIO(data)).convert("RGB")

    def stop(self):
        self.process.terminate()
        self.process.wait()


def window_picture(server, app, theme):
    """The client area of the window with the longest result typed in, and
    the focus on the button so that no text caret blinks."""
    env = {key: value for key, value in os.environ.items()
           if key not in ("QT_QPA_PLATFORMTHEME", "QT_STYLE_OVERRIDE", "GTK_THEME")}
    env.update({"DISPLAY": server.display, "LC_ALL": "C"}, **theme)
    program = subprocess.Popen([app], env=env, stderr=subprocess.DEVNULL)
    try:
        window = wait_until(lambda: server.run("xdotool", "search", "--onlyvisible", "--name", "^Form1$",
                                               check=False).split(), "the window").pop(0)
        server.run("xdotool", "windowfocus", "--sync", window)
        for text in TYPED:
            server.run("xdotool", "type", "--delay", "30", "--", text)
            server.run("xdotool", "key", "Return")
        server.run("xdotool", "key", "Tab", "space")   # to the button, and copy
        copied = wait_until(lambda: server.run("xclip", "-o", "-selection", "clipboard", check=False),
                            "the copied result")
        if copied != EXPECTED_RESULT:
            sys.exit(f"the result field holds {copied!r}, expected {EXPECTED_RESULT!r}")
        geometry = dict(line.split("=") for line in
                        server.run("xdotool", "getwindowgeometry", "--shell", window).split())
        box = (int(geometry["X"]), int(geometry["Y"]),
               int(geometry["X"]) + int(geometry["WIDTH"]), int(geometry["Y"]) + int(geometry["HEIGHT"]))
        # Settled once two pictures in a row agree.
        previous = [None]

        def settled():
            picture = server.screenshot().crop(box)
            same = previous[0] is not None and picture.tobytes() == previous[0].tobytes()
            previous[0] = picture
            return picture if same else None
        time.sleep(0.3)
        return wait_until(settled, "the window to settle")
    finally:
        program.terminate()
        program.wait()


def measure(picture, controls):
    """Each control's text colour against its background: the most common
    colour inside the control is the background, the pixel that stands out
    most from it is the text's ink."""
    failures = []
    for name, kind, left, top, width, height in controls:
        inset = FRAME_INSET[kind]
        region = picture.crop((left + inset, top + inset, left + width - inset, top + height - inset))
        colours = Counter(region.getdata())
        background = colours.most_common(1)[0][0]
        ink = max(colours, key=lambda colour: contrast(colour, background))
        ratio = contrast(ink, background)
        ink_pixels = sum(count for colour, count in colours.items() if contrast(colour, background) >= 2)
        print(f"{name:10} text {ink} on {background}: {ratio:5.2f}:1 ({ink_pixels} ink pixels)")
        if ratio < MINIMUM_CONTRAST:
            failures.append(f"{name}: text at {ratio:.2f}:1")
        elif ink_pixels < 10:
            failures.append(f"{name} shows no text")
    return failures


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--app", required=True)
    parser.add_argument("--description", required=True, help="window/form1_description.cpp")
    parser.add_argument("--artifacts", required=True)
    parser.add_argument("--name", required=True, help="name of the screenshots")
    parser.add_argument("theme", nargs="+", help="environment of the themed run, as NAME=VALUE")
    options = parser.parse_args()
    theme = dict(assignment.split("=", 1) for assignment in options.theme)
    controls = controls_of(options.description)
    os.makedirs(options.artifacts, exist_ok=True)

    server = XServer()
    try:
        plain = window_picture(server, options.app, {})
        themed = window_picture(server, options.app, theme)
    finally:
        server.stop()
    plain.save(os.path.join(options.artifacts, f"{options.name}-plain.png"))
    themed.save(os.path.join(options.artifacts, f"{options.name}-themed.png"))

    print("under", " ".join(options.theme))
    failures = measure(themed, controls)
    if themed.size != plain.size or themed.tobytes() != plain.tobytes():
        failures.append("the themed window is drawn differently from the plain one")
    for failure in failures:
        print("FAIL:", failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
