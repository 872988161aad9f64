#!/usr/bin/python3
"""Reads the editor's windows as a screen reader does, over the desktop's accessibility bus.

Starts the editor on a display of its own (Xvfb) with a private session bus, opens the send
dialog and the library browser through VIMBLE_OPEN_WINDOWS, walks the program's accessible
tree and fails when a push button, toggle button, check box, text field, menu or menu item
has no name. With --language LANG ("de", "ja") the program speaks that language, and the names
each --expect gives are in it.

usage: atspi_names.py --editor PATH --greeting FILE.kel --config-dirs DIR [--language LANG]
                      [--expect NAME]... [--report]
Exit 0 when every control is named, 1 when not, 77 (skipped) when Xvfb, dbus-run-session or
pyatspi is missing.
"""

import argparse
import collections
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

SKIP = 77
WHOLE_RUN_SECONDS = 240     # the inner run ends itself after this, whatever hangs
START_SECONDS = 120         # for the editor (a sanitized build starts slowly) and its windows
NAMED_ROLES = ("push button", "toggle button", "check box", "text", "entry", "password text",
               "menu item", "check menu item", "radio button", "popup menu")


def skip(reason):
    print("SKIP: " + reason)
    sys.exit(SKIP)


def outer(args):
    """Checks what the run needs and starts the inner run on a bus of its own."""
    for tool in ("Xvfb", "dbus-run-session"):
        if shutil.which(tool) is None:
            skip(tool + " is not installed")
    probe = subprocess.run(["/usr/bin/python3", "-c", "import pyatspi"],
                           capture_output=True, timeout=60, check=False)
    if probe.returncode != 0:
        skip("pyatspi (Debian's python3-pyatspi) is not installed")
    if not os.path.exists("/usr/share/dbus-1/services/org.a11y.Bus.service"):
        skip("the accessibility bus (at-spi2-core) is not installed")
    command = ["dbus-run-session", "--", "/usr/bin/python3", os.path.abspath(__file__),
               "--inner"] + sys.argv[1:]
    try:
        return subprocess.run(command, timeout=WHOLE_RUN_SECONDS + 30, check=False).returncode
    except subprocess.TimeoutExpired:
        print("FAIL: the run did not end")
        return 1


def start_display(work):
    """Xvfb on a free display; returns (process, ':N')."""
    read_end, write_end = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24",
                             "-nolisten", "tcp", "-auth", "/dev/null"],
                            pass_fds=(write_end,), stdout=subprocess.DEVNULL,
                            stderr=open(os.path.join(work, "xvfb.log"), "w"))
    os.close(write_end)
    number = b""
    deadline = time.monotonic() + 30
    while not number.endswith(b"\n") and time.monotonic() < deadline:
        chunk = os.read(read_end, 16)
        if not chunk:
            break
        number += chunk
    os.close(read_end)
    if not number.strip():
        xvfb.kill()
        raise RuntimeError("Xvfb did not start")
    return xvfb, ":" + number.decode().strip()


def find_app(pyatspi, pid):
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        try:
            if app is not None and app.get_process_id() == pid:
                return app
        except Exception:  # an application that went away meanwhile
            continue
    return None


def walk(node, depth=0):
    """Every node under node, with its window's name."""
    if depth > 60:
        return
    yield node
    try:
        count = node.childCount
    except Exception:
        return
    for i in range(min(count, 2000)):
        try:
            child = node.getChildAtIndex(i)
        except Exception:
            continue
        if child is not None:
            yield from walk(child, depth + 1)


def describe(app):
    """The windows of the application: {window name: [(role, name, states)]}."""
    import pyatspi
    windows = collections.OrderedDict()
    for i in range(app.childCount):
        window = app.getChildAtIndex(i)
        if window is None:
            continue
        rows = []
        for node in walk(window):
            try:
                states = node.getState()
                rows.append((node.getRoleName(), node.name or "",
                             states.contains(pyatspi.STATE_SHOWING)
                             or states.contains(pyatspi.STATE_VISIBLE),
                             states.contains(pyatspi.STATE_CHECKED)))
            except Exception:
                continue
        windows[f"{window.getRoleName()} '{window.name}'"] = rows
    return windows


def inner(args):
    signal.alarm(WHOLE_RUN_SECONDS)
    import pyatspi
    work = tempfile.mkdtemp(prefix="vimble-atspi-")
    xvfb = editor = None
    try:
        xvfb, display = start_display(work)
        home = os.path.join(work, "home")
        config = os.path.join(home, ".config", "Kelbrant")
        os.makedirs(config)
        with open(os.path.join(config, "Vimble e-mail.conf"), "w") as settings:
            settings.write("[1.00]\nPlayAvi=0\n")
        runtime = os.path.join(work, "runtime")
        os.makedirs(runtime, mode=0o700)
        env = dict(os.environ)
        env.update({
            "DISPLAY": display, "QT_QPA_PLATFORM": "xcb", "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1",
            "QT_ACCESSIBILITY": "1", "HOME": home, "XDG_CONFIG_HOME": os.path.join(home, ".config"),
            "XDG_DATA_HOME": os.path.join(home, ".local", "share"),
            "XDG_CACHE_HOME": os.path.join(home, ".cache"), "XDG_RUNTIME_DIR": runtime,
            "XDG_CONFIG_DIRS": args.config_dirs, "VIMBLE_OPEN_WINDOWS": "library,send",
            "SDL_AUDIODRIVER": "dummy", "LANGUAGE": args.language, "LC_ALL": "C.UTF-8",
        })
        env.pop("WAYLAND_DISPLAY", None)
        # The X keyboard library copies a name with strndup from a buffer without a final zero,
        # within its length: legal, but what AddressSanitizer's strict string checks refuse.
        if "ASAN_OPTIONS" in env:
            env["ASAN_OPTIONS"] = env["ASAN_OPTIONS"].replace("strict_string_checks=1",
                                                              "strict_string_checks=0")
        log = open(os.path.join(work, "editor.log"), "w")
        editor = subprocess.Popen([args.editor, args.greeting], env=env, stdout=log, stderr=log,
                                  cwd=home)
        # The editor is there once its send dialog shows (it opens last).
        deadline = time.monotonic() + START_SECONDS
        windows = {}
        while time.monotonic() < deadline:
            if editor.poll() is not None:
                print(f"FAIL: the editor ended at start ({editor.returncode})")
                print(open(os.path.join(work, "editor.log")).read()[-4000:])
                return 1
            app = find_app(pyatspi, editor.pid)
            if app is not None:
                windows = describe(app)
                if len(windows) >= 3 and any(r[0] == "push button" for rows in windows.values()
                                             for r in rows):
                    time.sleep(2)   # the last window's children settle
                    windows = describe(app)
                    break
            time.sleep(1)
        else:
            print("FAIL: the editor's windows did not appear on the accessibility bus; seen: "
                  + ", ".join(windows))
            return 1
        result = judge(windows, args)
        return result if result != 0 else check_toggle(pyatspi, app, args)
    finally:
        for process in (editor, xvfb):
            if process is not None and process.poll() is None:
                process.terminate()
                try:
                    process.wait(timeout=10)
                except subprocess.TimeoutExpired:
                    process.kill()
                    process.wait(timeout=10)
        shutil.rmtree(work, ignore_errors=True)


def check_toggle(pyatspi, app, args):
    """Toggles the send dialog's first check box through its action; the screen reader must
    hear the checked state change, and read the new state."""
    from gi.repository import GLib
    boxes = [node for i in range(app.childCount) for node in walk(app.getChildAtIndex(i))
             if node.getRoleName() == "check box" and node.getRole() == pyatspi.ROLE_CHECK_BOX
             and node.parent is not None and node.parent.getRoleName() == "dialog"
             and node.parent.name != app.getChildAtIndex(0).name]
    boxes = [b for b in boxes if b.name not in ("Voice mail", "Sprachnachricht")]
    if not boxes:
        print("FAIL: no check box in the send dialog")
        return 1
    box = boxes[0]
    before = box.getState().contains(pyatspi.STATE_CHECKED)
    heard = []
    def listen(event):
        if event.source == box and "checked" in event.type:
            heard.append(event.detail1)
    pyatspi.Registry.registerEventListener(listen, "object:state-changed:checked")
    action = box.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    if not names:
        print(f"FAIL: the check box {box.name!r} offers no action")
        return 1
    action.doAction(0)
    context = GLib.MainContext.default()
    deadline = time.monotonic() + 10
    while not heard and time.monotonic() < deadline:
        context.iteration(False)
        time.sleep(0.05)
    pyatspi.Registry.deregisterEventListener(listen, "object:state-changed:checked")
    after = box.getState().contains(pyatspi.STATE_CHECKED)
    if after == before:
        print(f"FAIL: {names[0]!r} on {box.name!r} did not change its checked state")
        return 1
    if not heard:
        print(f"FAIL: no checked-state event was heard for {box.name!r}")
        return 1
    print(f"OK: {box.name!r} toggled through {names[0]!r}, the change was announced")
    return 0


def judge(windows, args):
    failures = []
    roles = collections.Counter()
    names = set()
    for window, rows in windows.items():
        for role, name, showing, checked in rows:
            roles[role] += 1
            names.add(name)
            if role in NAMED_ROLES and not name.strip():
                failures.append(f"{window}: a {role} without a name")
    if args.report:
        print(f"language {args.language}: {len(windows)} windows")
        for window, rows in windows.items():
            counts = collections.Counter(r[0] for r in rows)
            print(f"  {window}: " + ", ".join(f"{n} {r}" for r, n in sorted(counts.items())))
            if args.verbose:
                for role, name, showing, checked in rows:
                    print(f"      {role}: {name!r}" + (" [checked]" if checked else ""))
        print("  all: " + ", ".join(f"{n} {r}" for r, n in sorted(roles.items())))
    wanted = ("dialog", "push button", "menu item", "canvas")
    for role in wanted:
        if roles[role] == 0:
            failures.append(f"no {role} at all in the tree")
    for expected in args.expect:
        if expected not in names:
            failures.append(f"no control is named {expected!r}")
    for failure in failures:
        print("FAIL: " + failure)
    if not failures:
        print(f"OK: {sum(roles[r] for r in NAMED_ROLES)} controls named ({args.language})")
    return 1 if failures else 0


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--inner", action="store_true")
    parser.add_argument("--editor", required=True)
    parser.add_argument("--greeting", required=True)
    parser.add_argument("--config-dirs", required=True)
    parser.add_argument("--language", default="en")
    parser.add_argument("--expect", action="append", default=[])
    parser.add_argument("--report", action="store_true")
    parser.add_argument("--verbose", action="store_true")
    args = parser.parse_args()
    args.editor = os.path.abspath(args.editor)
    args.greeting = os.path.abspath(args.greeting)
    args.config_dirs = os.path.abspath(args.config_dirs)
    sys.exit(inner(args) if args.inner else outer(args))


if __name__ == "__main__":
    main()
