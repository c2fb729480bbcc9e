"""A screen reader's view of a refused value, over a real AT-SPI bus.

Runs inside its own D-Bus session (see refusal_over_atspi.sh): starts an X
server and the accessibility bus, starts the built program with Qt's AT-SPI
bridge on, types 75 into the minutes field from outside as a user would,
then checks over AT-SPI that the field's description changed, that a
description-change event named the field, and that the window is described
by its title line and its key help.

Usage: refusal_over_atspi.py PATH/TO/dms2dd
"""

import os
import subprocess
import sys
import time

from desktop_session import Failure, run, start_x_server, wait_for_accessibility_bus

# Hang guards only: each wait ends as soon as what it waits for is there.
START_LIMIT = 30.0
EVENT_LIMIT = 20.0

REFUSAL = "Valeur refusée : supérieure à 60"
DESCRIPTION = "Conversion  D M S => D.ddd\nSuivant : Tab ou CR  / Effacer tout : Esc"


class Client:
    """What a screen reader does: finds the program on the desktop, listens
    for description changes and reads properties, all over AT-SPI."""

    def __init__(self):
        import gi
        gi.require_version("Atspi", "2.0")
        from gi.repository import Atspi, GLib
        self.Atspi = Atspi
        self.context = GLib.MainContext.default()
        Atspi.init()
        self.description_changes = []
        self.listener = Atspi.EventListener.new(self.description_changes.append)
        self.listener.register("object:property-change:accessible-description")

    def pump(self, seconds):
        end = time.monotonic() + seconds
        while time.monotonic() < end:
            while self.context.iteration(False):
                pass
            time.sleep(0.02)

    def application(self, name):
        deadline = time.monotonic() + START_LIMIT
        while time.monotonic() < deadline:
            desktop = self.Atspi.get_desktop(0)
            for index in range(desktop.get_child_count()):
                child = desktop.get_child_at_index(index)
                if child is not None and child.get_name() == name:
                    return child
            self.pump(0.1)
        raise Failure(f"no application named {name!r} on the AT-SPI desktop")

    @staticmethod
    def find(accessible, role, name):
        """The first accessible under this one with that name and role (any role if None)."""
        if accessible.get_name() == name and role in (None, accessible.get_role_name()):
            return accessible
        for index in range(accessible.get_child_count()):
            found = Client.find(accessible.get_child_at_index(index), role, name)
            if found is not None:
                return found
        return None

    def control(self, root, role, name):
        # The window fills in its children once it is shown.
        deadline = time.monotonic() + START_LIMIT
        while time.monotonic() < deadline:
            found = self.find(root, role, name)
            if found is not None:
                return found
            self.pump(0.1)
        raise Failure(f"no {role or 'control'} named {name!r} in the window")

    @staticmethod
    def description(accessible):
        # Asked of the program itself, not of the client's cache.
        accessible.clear_cache()
        return accessible.get_description()

    def wait_for_description_change(self, field):
        deadline = time.monotonic() + EVENT_LIMIT
        while time.monotonic() < deadline:
            for event in self.description_changes:
                if event.source == field:
                    return
            self.pump(0.1)
        seen = [event.source.get_name() for event in self.description_changes]
        raise Failure(f"no description-change event from the minutes field (events from: {seen})")

    def centre_on_screen(self, accessible):
        extents = accessible.get_extents(self.Atspi.CoordType.SCREEN)
        return extents.x + extents.width // 2, extents.y + extents.height // 2


def expect(what, actual, expected):
    if actual != expected:
        raise Failure(f"{what}: {actual!r}, expected {expected!r}")
    print(f"ok: {what}: {actual!r}")


def check(program, processes):
    os.environ["DISPLAY"] = start_x_server(processes)
    processes.append(subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
                                      stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
    wait_for_accessibility_bus(START_LIMIT)
    client = Client()

    environment = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                       QT_ACCESSIBILITY="1")
    processes.append(subprocess.Popen([program], env=environment))

    application = client.application("dms2dd")
    window = client.control(application, None, "Form1")
    expect("window description", client.description(window), DESCRIPTION)
    fields = {name: client.control(window, "text", name) for name in ("Degrés", "Minutes", "Secondes")}
    minutes = fields["Minutes"]
    expect("minutes description before typing", client.description(minutes), "")

    # Typed from outside, into the field where a user would click.
    x, y = client.centre_on_screen(minutes)
    subprocess.run(["xdotool", "mousemove", str(x), str(y), "click", "1"], check=True, timeout=START_LIMIT)
    subprocess.run(["xdotool", "type", "--delay", "50", "--", "75"], check=True, timeout=START_LIMIT)

    client.wait_for_description_change(minutes)
    # Through the Text interface: newer AT-SPI libraries give the accessible
    # itself a get_text of another meaning.
    expect("minutes text", client.Atspi.Text.get_text(minutes, 0, -1), "75")
    expect("minutes description after 75", client.description(minutes), REFUSAL)
    expect("degrees description", client.description(fields["Degrés"]), "")
    expect("seconds description", client.description(fields["Secondes"]), "")


def main():
    program = os.path.abspath(sys.argv[1])
    return run(lambda processes: check(program, processes), "the refusal is read back over AT-SPI")


if __name__ == "__main__":
    sys.exit(main())
