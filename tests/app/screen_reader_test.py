"""A screen reader picks profiles by name through AT-SPI alone, in the video edition under its own Xvfb and session bus,
hears the Profile field change, finds a hidden button without a press and a modal window's press answered at once."""
import os
import subprocess
import sys
import tempfile
import time
import pyatspi
from gi.repository import GLib

heard = []  # what the Profile field announced

def wait_for(what, probe, seconds=8):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while GLib.MainContext.default().iteration(False):
            pass
        if found := probe():
            return found
        time.sleep(0.05)
    sys.exit("no " + what)

def find(app, name, showing=True):
    button = lambda a: a.name == name and a.getRole() == pyatspi.ROLE_PUSH_BUTTON  # noqa: E731
    return wait_for(name, lambda: pyatspi.findDescendant(
        app, lambda a: button(a) and a.getState().contains(pyatspi.STATE_SHOWING) == showing))

def actions(item):
    return [item.queryAction().getName(i) for i in range(item.queryAction().nActions)]

def press(app, *names):
    for name in names:
        item, started = find(app, name), time.monotonic()
        item.queryAction().doAction(actions(item).index("Press"))
        assert time.monotonic() - started < 2, name + ": the press waited for what it opened"
    return item

def pick(app, field, profile):
    entry = press(app, profile)
    wait_for(profile + " in the Profile field", lambda: field.name == profile and profile in heard)
    assert entry.getState().contains(pyatspi.STATE_CHECKED), profile + " is not checked"

def main(home):
    read, write = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
                            pass_fds=[write])
    env = dict(os.environ, DISPLAY=":" + os.read(read, 16).decode().strip(), HOME=home, QT_QPA_PLATFORM="xcb",
               XDG_CONFIG_HOME=home + "/config", XDG_STATE_HOME=home + "/state", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    program = subprocess.Popen([sys.argv[1]], env=env)
    try:
        desktop = pyatspi.Registry.getDesktop(0)
        app = wait_for("program on the bus", lambda: next(
            (a for a in desktop if a and a.get_process_id() == program.pid), None), 15)
        field = wait_for("Profile field", lambda: pyatspi.findDescendant(
            app, lambda a: a.getRole() == pyatspi.ROLE_COMBO_BOX and a.description == "Profile"))
        pyatspi.Registry.registerEventListener(  # as a screen reader listens
            lambda event: heard.append(event.any_data) if event.source.getRole() == pyatspi.ROLE_COMBO_BOX else None,
            "object:property-change:accessible-name", "object:value-changed")
        assert "Press" not in actions(find(app, "Play", showing=False)), "a hidden button takes a press"
        press(app, "Choose profile", "Audio", "More", "All formats")
        pick(app, field, "AVI-XviD Movie(*.avi)")
        press(app, "Choose profile")
        pick(app, field, "MP4-MPEG-4 AVC Video(*.mp4)")
        press(app, "Browse for the output folder")
    finally:
        for process in (program, xvfb):
            process.terminate()
            process.wait(10)

with tempfile.TemporaryDirectory(prefix="veltrix-screen-reader-") as home:
    main(home)
