"""What a blind user hears: the built window under a real Orca.

Runs inside its own D-Bus session (see spoken_by_orca.sh), with its own X
server, accessibility bus, window manager, speech-dispatcher and Orca, all
confined to a scratch folder. Drives the window from outside with xdotool as
a keyboard user would, and after each step waits for what Orca speaks, read
from the SPEECH OUTPUT lines of Orca's debug log.

Usage: spoken_by_orca.py PATH/TO/dms2dd SCRATCH_FOLDER
"""

import os
import pty
import re
import subprocess
import sys
import threading
import time
import tty

from desktop_session import Failure, run, start_x_server, wait_for_accessibility_bus

# Hang guards only: each wait ends as soon as what it waits for is spoken.
START_LIMIT = 60.0
SPEECH_LIMIT = 20.0

KEY_HELP = "Suivant : Tab ou CR  / Effacer tout : Esc"
REFUSAL = "Valeur refusée : supérieure à 60"
COPIED = "Résultat copié"

# An entry of Orca's debug log starts with the time ("12:00:00.000000 - ");
# a text of several lines goes on in lines indented under it. A spoken text
# is "SPEECH OUTPUT: 'text'", in some versions followed by the voice's settings.
ENTRY = re.compile(r"^\d\d:\d\d:\d\d\.\d+ - (.*)$")
INDENT = " " * 18
SPOKEN = re.compile(r"^SPEECH OUTPUT: '(.*)'\s*(?:\{.*\})?\s*$", re.DOTALL)


def confine(scratch):
    """Points every per-user folder into the scratch folder, so that two runs
    side by side share no speech-dispatcher, settings or sockets, and makes
    speech-dispatcher write to ALSA's null device: no sound card needed."""
    folders = {}
    for variable, name in (("HOME", "home"), ("XDG_CONFIG_HOME", "config"), ("XDG_DATA_HOME", "data"),
                           ("XDG_CACHE_HOME", "cache"), ("XDG_RUNTIME_DIR", "runtime")):
        folders[variable] = os.path.join(scratch, name)
        os.makedirs(folders[variable], mode=0o700, exist_ok=True)
        os.environ[variable] = folders[variable]
    speechd = os.path.join(folders["XDG_CONFIG_HOME"], "speech-dispatcher")
    os.makedirs(speechd, exist_ok=True)
    with open(os.path.join(speechd, "speechd.conf"), "w", encoding="utf-8") as conf:
        conf.write('AudioOutputMethod "alsa"\nAudioALSADevice "null"\n')
    # Orca keeps its settings in memory rather than in a dconf database, and
    # speaks English whatever the machine's language.
    os.environ["GSETTINGS_BACKEND"] = "memory"
    os.environ.pop("LANGUAGE", None)
    os.environ["LANG"] = os.environ["LC_ALL"] = "C.UTF-8"
    # Orca will not start while it finds another Orca of the same user (it
    # asks pgrep), be it the user's own or this test's beside it. This one
    # is alone in its own session and buses: it is shown no other.
    tools = os.path.join(scratch, "bin")
    os.makedirs(tools, exist_ok=True)
    with open(os.path.join(tools, "pgrep"), "w", encoding="utf-8") as pgrep:
        pgrep.write("#!/bin/sh\nexit 1\n")
    os.chmod(os.path.join(tools, "pgrep"), 0o755)
    os.environ["PATH"] = tools + os.pathsep + os.environ["PATH"]


def start_window_manager(scratch, processes):
    """Starts openbox and waits until it has taken the screen: a window shown
    before then is never given the focus, and Orca says nothing of it. Now
    and then openbox ends at once, saying nothing, when other X servers start
    beside this one: it is started again, up to three times."""
    output = open(os.path.join(scratch, "openbox.txt"), "ab")
    for _ in range(3):
        window_manager = subprocess.Popen(["openbox", "--sm-disable"], stdout=output, stderr=subprocess.STDOUT)
        processes.append(window_manager)
        deadline = time.monotonic() + START_LIMIT
        while time.monotonic() < deadline and window_manager.poll() is None:
            root = subprocess.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], capture_output=True, text=True,
                                  timeout=START_LIMIT)
            if "window id" in root.stdout:
                return
            time.sleep(0.1)
        if window_manager.poll() is None:
            raise Failure("the window manager did not take the screen")
        print(f"openbox ended with status {window_manager.returncode}; starting it again")
    raise Failure("the window manager would not start")


def activate_when_shown(title):
    """Waits until a window of that title is shown and makes sure it is the
    active one, as a user does who finds a new window without the focus: the
    window manager does not always give the focus to a window that appears."""
    subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", f"^{title}$", "windowactivate", "--sync"],
                   check=True, stdout=subprocess.DEVNULL, timeout=START_LIMIT)


class Speech:
    """What Orca has spoken so far, in order, read from its debug log as it
    is written.

    Orca writes its log through a buffered file, which would hold the last
    lines back for as long as Orca has nothing more to say. Given a terminal
    instead, Python writes each line at once: the log goes to a
    pseudo-terminal, read here as it comes (and copied to `copy`)."""

    def __init__(self, copy):
        self._master, self.terminal = pty.openpty()
        tty.setraw(self.terminal)
        self._copy = open(copy, "wb")
        self._text = bytearray()
        self._lock = threading.Lock()
        self.lines = []
        threading.Thread(target=self._drain, daemon=True).start()

    def started(self):
        """Closes this side's copy of the terminal, now that Orca holds it."""
        os.close(self.terminal)

    def _drain(self):
        while True:
            try:
                chunk = os.read(self._master, 65536)
            except OSError:
                chunk = b""
            if not chunk:
                break
            self._copy.write(chunk)
            self._copy.flush()
            with self._lock:
                self._text += chunk

    def _update(self):
        with self._lock:
            text = self._text.decode("utf-8", errors="replace")
        # Whole lines only; an entry is complete once the next line is not
        # part of it.
        lines = text.split("\n")[:-1]
        entries = []
        current = None
        for line in lines:
            start = ENTRY.match(line)
            if current is not None and line.startswith(INDENT) and not start:
                current.append(line[len(INDENT):])
                continue
            if current is not None:
                entries.append("\n".join(current))
                current = None
            if start:
                current = [start.group(1)]
        spoken = []
        for entry in entries:
            match = SPOKEN.match(entry)
            if match:
                spoken.append(match.group(1).strip())
        self.lines = spoken

    def wait_for(self, what, test, after=0, limit=SPEECH_LIMIT):
        """Waits until a line spoken at or after index `after` passes `test`;
        returns its index."""
        deadline = time.monotonic() + limit
        while True:
            self._update()
            for index in range(after, len(self.lines)):
                if test(self.lines[index]):
                    print(f"ok: {what}: spoken {self.lines[index]!r}")
                    return index
            if time.monotonic() > deadline:
                raise Failure(f"Orca did not speak {what}; it spoke: {self.lines[after:]!r}")
            time.sleep(0.05)

    def wait_for_field_value(self, value, after):
        """Waits for what Orca says of a text field as it takes the focus,
        "36 selected.": that is where a value cut short would show. Under
        load Orca may take the field's caret move first and say only "36"
        and "selected"; then, once the time-out has passed, that counts."""
        deadline = time.monotonic() + SPEECH_LIMIT
        while True:
            self._update()
            spoken = self.lines[after:]
            if f"{value} selected" in (line.rstrip(".") for line in spoken):
                print(f"ok: {value} on focus: spoken {value + ' selected'!r}")
                return
            if time.monotonic() > deadline:
                if value in spoken and "selected" in spoken:
                    print(f"ok: {value} on focus: spoken {value!r} 'selected'")
                    return
                raise Failure(f"Orca did not speak {value} on focus; it spoke: {spoken!r}")
            time.sleep(0.05)

    def expect_none(self, what, test, start, end):
        """Fails if a line spoken from index `start` up to `end` passes `test`."""
        self._update()
        for line in self.lines[start:end]:
            if test(line):
                raise Failure(f"Orca spoke {what}: {line!r}; it spoke: {self.lines[start:end]!r}")
        print(f"ok: never {what}")

    def mark(self):
        """The index the next spoken line will have."""
        self._update()
        return len(self.lines)


def spoken_value(line):
    """The value in a line Orca speaks for a text field: "45.21 selected."
    and "45.21" both give "45.21"."""
    value = line.rstrip(".")
    return value[:-len(" selected")] if value.endswith(" selected") else value


def is_cut_short(value, whole):
    return 0 < len(value) < len(whole) and whole.startswith(value)


def focus_on(name, value):
    """What shows that focus reached a field holding a value: Orca names the
    field or, when under load it takes the field's caret move before its
    focus, says only the value, selected."""
    return lambda line: line.startswith(name) or spoken_value(line) == value


def keys(*names):
    subprocess.run(["xdotool", "key", "--delay", "100", *names], check=True, timeout=START_LIMIT)


def type_text(text):
    subprocess.run(["xdotool", "type", "--delay", "100", "--", text], check=True, timeout=START_LIMIT)


def check(program, scratch, processes):
    confine(scratch)
    os.environ["DISPLAY"] = start_x_server(processes)
    processes.append(subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
                                      stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
    wait_for_accessibility_bus(START_LIMIT)
    start_window_manager(scratch, processes)

    speech = Speech(os.path.join(scratch, "orca-debug.out"))
    # Debian's own interpreter: the speechd and pyatspi modules belong to it.
    processes.append(subprocess.Popen(
        ["/usr/bin/python3", "/usr/bin/orca", "-u", os.path.join(scratch, "orca-settings"),
         "--debug-file", "/dev/stdout"],
        stdout=speech.terminal, stderr=open(os.path.join(scratch, "orca-errors.txt"), "wb")))
    speech.started()
    speech.wait_for("that it has started", lambda line: "Screen reader on" in line, limit=START_LIMIT)

    # Under the C locale the decimal separator is ".".
    environment = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    start = speech.mark()
    processes.append(subprocess.Popen([program], env=environment))
    activate_when_shown("Form1")
    speech.wait_for("the window's name", lambda line: line.startswith("Form1"), after=start, limit=START_LIMIT)
    speech.wait_for("the key help at start", lambda line: KEY_HELP in line, after=start, limit=START_LIMIT)
    speech.wait_for("the degrees field on focus", lambda line: line.startswith("Degrés"), after=start,
                    limit=START_LIMIT)

    # 45° 12' 36": Enter moves on to the next field.
    mark = speech.mark()
    type_text("45")
    keys("Return")
    speech.wait_for("the minutes field after Enter", lambda line: line.startswith("Minutes"), after=mark)
    mark = speech.mark()
    type_text("12")
    keys("Return")
    speech.wait_for("the seconds field after Enter", lambda line: line.startswith("Secondes"), after=mark)
    mark = speech.mark()
    type_text("36")
    speech.wait_for("the 6 typed", lambda line: line == "6", after=mark)

    # Back to the minutes and forward again: focus reaches the seconds holding
    # 36, then the result holding 45.21, then the copy button.
    mark = speech.mark()
    keys("shift+Tab")
    speech.wait_for("the minutes field on focus", focus_on("Minutes", "12"), after=mark)
    seconds = speech.mark()
    keys("Tab")
    speech.wait_for_field_value("36", after=seconds)
    result = speech.mark()
    keys("Tab")
    speech.wait_for_field_value("45.21", after=result)
    copy = speech.mark()
    keys("Tab")
    button = speech.wait_for("the copy button on focus", lambda line: line.startswith("Copier"), after=copy)
    # Orca has said all it had to say of both fields before the button: never
    # a value with its end cut off.
    speech.expect_none("a value cut short",
                       lambda line: any(is_cut_short(spoken_value(line), whole) for whole in ("36", "45.21")),
                       seconds, button)

    mark = speech.mark()
    keys("space")
    speech.wait_for("the copy confirmed", lambda line: COPIED in line, after=mark)

    # Round to the minutes field (held text selected), then a refused value.
    mark = speech.mark()
    keys("Tab")
    speech.wait_for("the degrees field on focus", focus_on("Degrés", "45"), after=mark)
    mark = speech.mark()
    keys("Tab")
    speech.wait_for("the minutes field on focus", focus_on("Minutes", "12"), after=mark)
    mark = speech.mark()
    type_text("75")
    # Nothing else is pressed until it is heard: it is spoken as it happens,
    # not when the focus comes back to the field.
    speech.wait_for("the refusal as it happens", lambda line: REFUSAL in line, after=mark)
    mark = speech.mark()
    keys("Return")
    speech.wait_for("the seconds field after Enter", focus_on("Secondes", "36"), after=mark)

    print("--- what Orca spoke ---")
    for line in speech.lines:
        print(line)


def main():
    program = os.path.abspath(sys.argv[1])
    scratch = os.path.abspath(sys.argv[2])
    return run(lambda processes: check(program, scratch, processes),
               "Orca speaks the key help, whole values, the copy and the refusal")


if __name__ == "__main__":
    sys.exit(main())
