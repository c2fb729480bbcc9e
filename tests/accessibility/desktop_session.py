"""What the screen-reader checks share: an X server of their own, the wait
for the accessibility bus, and a run that ends every process it started."""

import os
import subprocess
import time


class Failure(Exception):
    pass


def start_x_server(processes):
    """Starts Xvfb on a display it picks itself and returns that display."""
    read_end, write_end = os.pipe()
    processes.append(subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
        pass_fds=[write_end], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
    os.close(write_end)
    number = b""
    while not number.endswith(b"\n"):
        chunk = os.read(read_end, 16)
        if not chunk:
            raise Failure("Xvfb ended before naming its display")
        number += chunk
    os.close(read_end)
    return ":" + number.decode().strip()


def wait_for_accessibility_bus(limit):
    """Waits until the session bus hands out the accessibility bus address."""
    from gi.repository import Gio, GLib
    session = Gio.bus_get_sync(Gio.BusType.SESSION, None)
    deadline = time.monotonic() + limit
    while time.monotonic() < deadline:
        try:
            session.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress", None,
                              GLib.VariantType.new("(s)"), Gio.DBusCallFlags.NONE, 2000, None)
            return
        except GLib.Error:
            time.sleep(0.1)
    raise Failure("the accessibility bus did not start")


def run(check, passed):
    """Calls check(processes), then ends what it started, last first.
    Returns the exit status: 0 with `passed` said, 1 with the failure said."""
    processes = []
    try:
        check(processes)
    except Failure as failure:
        print(f"FAIL: {failure}")
        return 1
    finally:
        for process in reversed(processes):
            process.terminate()
            try:
                process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()
    print(f"PASS: {passed}")
    return 0
