#!/usr/bin/python3
# The white balance slider as a screen reader hears it over the desktop's
# accessibility bus (AT-SPI): the real window on a virtual screen, with a
# session bus, the accessibility bus and its registry of the test's own, read
# through pyatspi like Orca reads it. The slider's description names its
# choice when the file loads, after the user moves it, after Undo and after
# Set defaults, and each of those changes is announced as a new description.
#
# Usage: slider-choice-over-atspi.py KAVELO-MANAGER KAVELO-CONFIG [LANGUAGE]
# LANGUAGE (en, the default, or de) is the desktop's language, in which the
# screen reader then hears the window.
# Exits 77 (skipped) when a piece of the bus or the virtual screen is missing.
#
# /usr/bin/python3 on purpose: pyatspi comes from Debian's python3-pyatspi,
# which only the system's Python sees.
import ctypes
import importlib.util
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

SKIPPED = 77

# What the screen reader hears, in each language the test listens in.
WORDS = {
    "en": {"locale": "C.UTF-8", "slider": "White balance", "custom 1": "Custom 1",
           "custom 2": "Custom 2", "auto": "Auto", "undo": "Undo", "defaults": "Set defaults",
           "loaded": "Configuration file loaded successfully!"},
    "de": {"locale": "de_DE.UTF-8", "slider": "Wei\u00dfabgleich", "custom 1": "Benutzer 1",
           "custom 2": "Benutzer 2", "auto": "Auto", "undo": "R\u00fcckg\u00e4ngig",
           "defaults": "Standardwerte setzen",
           "loaded": "Konfigurationsdatei erfolgreich geladen!"},
}
LAUNCHER = "/usr/libexec/at-spi-bus-launcher"
WAIT = 20.0  # seconds for anything the test waits for

# A session bus that starts no services: nothing on it but what the test
# starts, so the window finds no portal or storage service of the machine.
BUS_CONFIGURATION = """<!DOCTYPE busconfig PUBLIC
 "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:dir=@DIR@</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
"""


def skip(reason):
    print("SKIPPED: " + reason)
    sys.exit(SKIPPED)


def start_time(pid):
    """The start time of a process, which tells it from a later one that got
    its number; None once it has ended (a zombie has ended too)."""
    try:
        with open("/proc/%d/stat" % pid) as stat:
            fields = stat.read().rsplit(")", 1)[1].split()
    except OSError:
        return None
    return None if fields[0] == "Z" else fields[19]


def descendants(pid):
    """The processes below pid, children after their parents."""
    parents = {}
    for entry in os.listdir("/proc"):
        if entry.isdigit():
            try:
                with open("/proc/%s/stat" % entry) as stat:
                    parents.setdefault(int(stat.read().rsplit(")", 1)[1].split()[1]), []).append(
                        int(entry))
            except OSError:
                pass
    found = []
    queue = [pid]
    while queue:
        for child in parents.get(queue.pop(0), []):
            found.append(child)
            queue.append(child)
    return found


class Processes:
    """The processes the test starts, and the ones they start in turn (the
    accessibility bus and its registry), each stopped by its number. The
    test adopts what its children leave behind (a child subreaper), so that
    every one of them is reaped here rather than left to a container's init
    that may never reap it."""

    def __init__(self):
        self.started = []
        PR_SET_CHILD_SUBREAPER = 36
        ctypes.CDLL(None, use_errno=True).prctl(PR_SET_CHILD_SUBREAPER, 1, 0, 0, 0)

    def start(self, argv, **options):
        process = subprocess.Popen(argv, **options)
        self.started.append(process)
        return process

    def stop_all(self):
        for process in reversed(self.started):
            below = [(pid, start_time(pid)) for pid in descendants(process.pid)]
            for pid, started in reversed(below):
                self._stop(pid, started)
            if process.poll() is None:
                process.terminate()
                try:
                    process.wait(5)
                except subprocess.TimeoutExpired:
                    process.kill()
                    process.wait()
        self.started = []
        # What ended below a process that ended before reaping it is adopted
        # here; collect it.
        while True:
            try:
                if os.waitpid(-1, os.WNOHANG)[0] == 0:
                    break
            except ChildProcessError:
                break

    @staticmethod
    def _stop(pid, started):
        if started is None or start_time(pid) != started:
            return
        try:
            os.kill(pid, signal.SIGTERM)
        except ProcessLookupError:
            return
        deadline = time.monotonic() + 5
        while start_time(pid) == started and time.monotonic() < deadline:
            time.sleep(0.05)
        if start_time(pid) == started:
            os.kill(pid, signal.SIGKILL)
        Processes._reap(pid)

    @staticmethod
    def _reap(pid):
        """Collects an adopted process once it has ended."""
        deadline = time.monotonic() + 5
        while time.monotonic() < deadline:
            try:
                if os.waitpid(pid, os.WNOHANG)[0] == pid:
                    return
            except ChildProcessError:
                return  # its own parent reaps it
            time.sleep(0.05)


def first_line(stream):
    line = stream.readline()
    stream.close()
    return line.decode().strip()


def start_screen(processes):
    if shutil.which("Xvfb") is None:
        skip("no Xvfb for a virtual screen (package xvfb)")
    read_end, write_end = os.pipe()
    processes.start(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24",
                     "-nolisten", "tcp"],
                    pass_fds=[write_end], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end, "rb") as reading:
        number = first_line(reading)
    if not number:
        skip("Xvfb did not start")
    return ":" + number


def start_session_bus(processes, scratch):
    if shutil.which("dbus-daemon") is None:
        skip("no dbus-daemon (package dbus-daemon)")
    configuration = os.path.join(scratch, "bus.conf")
    with open(configuration, "w") as out:
        out.write(BUS_CONFIGURATION.replace("@DIR@", scratch))
    daemon = processes.start(["dbus-daemon", "--config-file=" + configuration, "--nofork",
                              "--print-address=1"],
                             stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
    address = first_line(daemon.stdout)
    if not address:
        skip("dbus-daemon did not start")
    return address


def start_accessibility_bus(processes, environment):
    """The launcher owns org.a11y.Bus on the session bus and starts the
    accessibility bus, whose registry is started by the bus as the first
    client asks for it."""
    if not os.access(LAUNCHER, os.X_OK):
        skip("no %s (package at-spi2-core)" % LAUNCHER)
    processes.start([LAUNCHER, "--launch-immediately", "--a11y=1"], env=environment,
                    stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    from gi.repository import Gio, GLib
    session = Gio.DBusConnection.new_for_address_sync(
        environment["DBUS_SESSION_BUS_ADDRESS"],
        Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT
        | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION, None, None)
    deadline = time.monotonic() + WAIT
    while time.monotonic() < deadline:
        try:
            reply = session.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus",
                                      "GetAddress", None, GLib.VariantType("(s)"),
                                      Gio.DBusCallFlags.NONE, 2000, None)
            if reply.unpack()[0]:
                session.close_sync(None)
                return
        except GLib.Error:
            pass
        time.sleep(0.1)
    raise AssertionError("the accessibility bus did not come up")


def main():
    if len(sys.argv) not in (3, 4) or sys.argv[3:] not in ([], ["en"], ["de"]):
        print("usage: slider-choice-over-atspi.py KAVELO-MANAGER KAVELO-CONFIG [en|de]",
              file=sys.stderr)
        return 2
    program, config_tool = sys.argv[1], sys.argv[2]
    words = WORDS[sys.argv[3] if len(sys.argv) == 4 else "en"]
    # Only found here: pyatspi connects to the accessibility bus as it loads.
    try:
        import gi
        gi.require_version("Atspi", "2.0")
    except (ImportError, ValueError):
        skip("no AT-SPI client library for Python (package gir1.2-atspi-2.0)")
    if importlib.util.find_spec("pyatspi") is None:
        skip("no pyatspi for %s (package python3-pyatspi)" % sys.executable)

    processes = Processes()
    scratch = tempfile.mkdtemp(prefix="kavelo-atspi-")
    try:
        return run(program, config_tool, words, processes, scratch)
    except AssertionError as problem:
        print("FAILED: %s" % problem, file=sys.stderr)
        return 1
    finally:
        processes.stop_all()
        shutil.rmtree(scratch, ignore_errors=True)


def run(program, config_tool, words, processes, scratch):
    sample = os.path.join(scratch, "CONFIG.TXT")
    with open(sample, "w") as out:
        out.write("{KAVELO FW v2.20}\n{HW v003}\n")
    subprocess.run([config_tool, "set", sample, "white-balance=custom-1"], check=True,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    environment = dict(os.environ)
    for name in ("WAYLAND_DISPLAY", "AT_SPI_BUS_ADDRESS", "QT_ACCESSIBILITY", "LANGUAGE",
                 "LC_ALL", "LC_MESSAGES"):
        environment.pop(name, None)
    environment["LANG"] = words["locale"]
    environment["DISPLAY"] = start_screen(processes)
    environment["DBUS_SESSION_BUS_ADDRESS"] = start_session_bus(processes, scratch)
    environment["DBUS_SYSTEM_BUS_ADDRESS"] = environment["DBUS_SESSION_BUS_ADDRESS"]
    environment["HOME"] = scratch
    environment["XDG_CONFIG_HOME"] = os.path.join(scratch, "config")
    environment["XDG_RUNTIME_DIR"] = scratch
    start_accessibility_bus(processes, environment)

    # The client library finds the bus through the environment as it loads.
    os.environ.update(environment)
    import pyatspi
    from gi.repository import Atspi, GLib

    # Heard as a screen reader hears it: the description read when its
    # change is announced. Listening before the window starts, so that the
    # window knows from its start that someone listens.
    announced = []

    def hear(event):
        try:
            if event.source.getRole() == pyatspi.ROLE_SLIDER:
                announced.append((event.source.name, event.source.description))
        except GLib.Error:
            pass  # a control that is gone already

    pyatspi.Registry.registerEventListener(hear, "object:property-change:accessible-description")

    environment["QT_QPA_PLATFORM"] = "xcb"
    environment["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
    window = processes.start([program, sample], env=environment)

    def application():
        check(window.poll() is None, "kavelo-manager ended with status %s" % window.returncode)
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.get_process_id() == window.pid:
                return app
        return None

    def descendant(root, role, name):
        return pyatspi.findDescendant(root, lambda n: n.getRole() == role and n.name == name)

    def load_alert(app):
        alert = descendant(app, pyatspi.ROLE_ALERT, "Kavelo Manager")
        if alert is None or pyatspi.findDescendant(
                alert, lambda n: n.name.startswith(words["loaded"])) is None:
            return None
        return alert

    def press(root, role, name):
        """Presses the control whose name is or begins with name and a blank."""
        control = pyatspi.findDescendant(
            root, lambda n: n.getRole() == role and (n.name + " ").startswith(name + " "))
        check(control is not None, "no %s named %r" % (role, name))
        actions = control.queryAction()
        check(actions.nActions > 0, "%s offers no action" % control)
        actions.doAction(0)

    def heard(choice):
        """The white balance slider announced a description naming choice."""
        return lambda: any(name == words["slider"] and description.startswith(choice + ". ")
                           for name, description in announced)

    def steps():
        app = yield "the window on the accessibility bus", application
        alert = yield "the alert of the load", lambda: load_alert(app)
        press(alert, pyatspi.ROLE_PUSH_BUTTON, "OK")
        slider = descendant(app, pyatspi.ROLE_SLIDER, words["slider"])
        check(slider is not None, "no slider named %s" % words["slider"])
        check(slider.description.startswith(words["custom 1"] + ". "),
              "after the load: description %r does not name %s"
              % (slider.description, words["custom 1"]))

        # The user moves it one step, here through the assistive tool.
        del announced[:]
        slider.queryValue().currentValue = slider.queryValue().currentValue - 1
        yield "Custom 2 announced after the user's move", heard(words["custom 2"])

        del announced[:]
        press(app, pyatspi.ROLE_MENU_ITEM, words["undo"])
        yield "Custom 1 announced after Undo", heard(words["custom 1"])

        del announced[:]
        press(app, pyatspi.ROLE_PUSH_BUTTON, words["defaults"])
        yield "Auto announced after Set defaults", heard(words["auto"])
        check(slider.name == words["slider"], "the name became %r" % slider.name)
        check(slider.description.startswith(words["auto"] + ". "),
              "after Set defaults: description %r" % slider.description)

    failure = drive(steps(), Atspi, GLib)
    if failure:
        print("FAILED: " + failure, file=sys.stderr)
        return 1
    print("the white balance slider names its choice over AT-SPI (%s): load, move, Undo, "
          "Set defaults" % words["locale"])
    return 0


def check(condition, message):
    if not condition:
        raise AssertionError(message)


def drive(steps, Atspi, GLib):
    """Runs the steps inside the accessibility library's own event loop, as a
    screen reader runs (which also lets the library keep what it read, until
    a change event says otherwise). A step yields what it waits for and a
    probe; it goes on with the probe's first true result. Returns what went
    wrong, or None."""
    outcome = {"failure": None}
    waiting = {}

    def advance(result):
        what, probe = steps.send(result)
        waiting.update(what=what, probe=probe, deadline=time.monotonic() + WAIT)

    def tick():
        try:
            if not waiting:
                advance(None)
            result = waiting["probe"]()
            while result:
                advance(result)
                result = waiting["probe"]()
            if time.monotonic() > waiting["deadline"]:
                outcome["failure"] = "waited %gs in vain for %s" % (WAIT, waiting["what"])
            else:
                return True
        except StopIteration:
            pass
        except Exception as problem:  # noqa: B902 (ends the loop whatever went wrong)
            outcome["failure"] = "%s: %s" % (type(problem).__name__, problem)
        Atspi.event_quit()
        return False

    GLib.timeout_add(50, tick)
    Atspi.event_main()
    return outcome["failure"]


if __name__ == "__main__":
    sys.exit(main())
