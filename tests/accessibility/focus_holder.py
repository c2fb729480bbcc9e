"""A window that holds the keyboard focus before the program starts, as the
terminal, menu or file manager a user starts it from does. Orca then meets
the program's window coming from another one, as a user's Orca does.

Usage: focus_holder.py (ends when terminated)
"""

import gi

gi.require_version("Gtk", "3.0")
from gi.repository import Gtk  # noqa: E402

window = Gtk.Window(title="Lanceur")
window.add(Gtk.Button(label="Lancer"))
window.connect("destroy", Gtk.main_quit)
window.show_all()
Gtk.main()
