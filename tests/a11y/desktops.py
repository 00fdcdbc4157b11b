# SPDX-FileCopyrightText: 2026 Korvane developers
#
# SPDX-License-Identifier: MIT

"""The desktops' own compositors, headless, for check_atspi.py: GNOME Shell
and KWin, each on Wayland. Each starts in the caller's D-Bus session, in a
private folder, and answers what a test asks of a desktop: bring
a window to the front as a click on it would, list the windows from bottom
to top, tell what the frame of a window lets the pupil do with it (maximise,
minimise, resize), and take a screenshot.

    desktop = start("gnome" or "kwin", folder, log)   # exports WAYLAND_DISPLAY
    desktop.activate("Belquist:Korvane"); desktop.stacking(); desktop.screenshot(path)
    desktop.frame("ScoreResults")  # {"maximise": ..., "minimise": ..., "resize": ..., "modal": ..., "transient": ...}
    desktop.stop()
"""

import json
import os
import select
import shutil
import struct
import subprocess
import time
import zlib

from gi.repository import Gio, GLib

WIDTH, HEIGHT = 1024, 768


class Unsupported(Exception):
    """This desktop's version speaks other interfaces than the ones used here."""


def _major_version(argv):
    result = subprocess.run(argv + ["--version"], capture_output=True, text=True, timeout=10)
    words = [w for w in result.stdout.split() if w[:1].isdigit()]
    return int(words[0].split(".")[0]) if words else 0


def _bus():
    return Gio.bus_get_sync(Gio.BusType.SESSION, None)


def _call(name, path, interface, method, args, reply, fds=None, timeout_ms=5000):
    """A D-Bus method call on the session bus; its answer unpacked."""
    if fds is None:
        result = _bus().call_sync(name, path, interface, method, args, GLib.VariantType(reply),
                                  Gio.DBusCallFlags.NONE, timeout_ms, None)
    else:
        result, _ = _bus().call_with_unix_fd_list_sync(name, path, interface, method, args, GLib.VariantType(reply),
                                                       Gio.DBusCallFlags.NONE, timeout_ms, fds, None)
    return result.unpack()


def _wait(probe, timeout, what):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        try:
            if probe():
                return
        except GLib.Error:
            pass
        time.sleep(0.1)
    raise RuntimeError(f"{what} within {timeout} s")


class _Compositor:
    def __init__(self, folder, log):
        self.folder = folder
        self.log_path = log
        prefix = os.environ.get("KORVANE_SOCKET_PREFIX", "korvane")
        self.socket = f"{prefix}-{self.kind}-{os.getpid()}"
        self.processes = []
        self.scripts = 0
        open(log, "w").close()  # this run's log only

    def _spawn(self, argv, env):
        with open(self.log_path, "a") as log:
            process = subprocess.Popen(argv, env=env, stdout=log, stderr=subprocess.STDOUT, stdin=subprocess.DEVNULL)
        self.processes.append(process)
        return process

    def _start_compositor(self, argv, env):
        compositor = self._spawn(argv, env)
        path = os.path.join(os.environ["XDG_RUNTIME_DIR"], self.socket)
        _wait(lambda: os.path.exists(path) or compositor.poll() is not None, 20, "no Wayland socket")
        if compositor.poll() is not None:
            raise RuntimeError(f"{argv[0]} ended at start (exit {compositor.returncode})")
        os.environ["WAYLAND_DISPLAY"] = self.socket

    def stop(self):
        for process in reversed(self.processes):
            process.terminate()
        for process in reversed(self.processes):
            try:
                process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()


class Gnome(_Compositor):
    """GNOME Shell. Its Eval and Screenshot answer only in unsafe mode; a
    session mode of this test's own enables a one-line extension that turns
    it on. The shell wants logind on a system bus: an empty bus serves."""

    kind = "gnome"
    UUID = "korvane-unsafe@korvane.test"

    def start(self):
        version = _major_version(["gnome-shell"])
        if not 43 <= version <= 48:
            raise Unsupported(f"GNOME Shell {version} is not one of versions 43 to 48")
        data = os.path.join(self.folder, "gnome-data")
        extension = os.path.join(data, "gnome-shell", "extensions", self.UUID)
        modes = os.path.join(data, "gnome-shell", "modes")
        os.makedirs(extension)
        os.makedirs(modes)
        with open(os.path.join(extension, "metadata.json"), "w") as f:
            json.dump({"uuid": self.UUID, "name": "unsafe mode", "description": "test",
                       "shell-version": [str(version)]}, f)
        with open(os.path.join(extension, "extension.js"), "w") as f:
            f.write(self._extension(version))
        with open(os.path.join(modes, "korvane-test.json"), "w") as f:
            # No overview or notification banners over the windows.
            json.dump({"parentMode": "user", "enabledExtensions": [self.UUID], "hasOverview": False,
                       "hasNotifications": False, "showWelcomeDialog": False}, f)
        system_bus = os.path.join(self.folder, "system_bus")
        self._spawn(["dbus-daemon", "--session", "--nofork", f"--address=unix:path={system_bus}"], os.environ)
        _wait(lambda: os.path.exists(system_bus), 10, "no system bus")
        # Session modes are read from the system's data folders only.
        system_data = os.environ.get("XDG_DATA_DIRS") or "/usr/local/share:/usr/share"
        env = dict(os.environ, XDG_DATA_DIRS=f"{data}:{system_data}", HOME=self.folder, GSETTINGS_BACKEND="memory",
                   DBUS_SYSTEM_BUS_ADDRESS=f"unix:path={system_bus}")
        env.pop("DISPLAY", None)
        self._start_compositor(["gnome-shell", "--headless", "--wayland", "--no-x11", "--virtual-monitor",
                                f"{WIDTH}x{HEIGHT}", "--wayland-display", self.socket, "--mode=korvane-test"], env)
        _wait(lambda: self._eval("1", quiet=True) == 1, 20, "GNOME Shell's Eval did not answer (unsafe mode off?)")

    @staticmethod
    def _extension(version):
        """The one-line extension as this version loads it: plain functions
        up to GNOME 44, an ES module with a class from 45 on."""
        if version < 45:
            return ("function init() {}\n"
                    "function enable() { global.context.unsafe_mode = true; }\n"
                    "function disable() { global.context.unsafe_mode = false; }\n")
        return ("import {Extension} from 'resource:///org/gnome/shell/extensions/extension.js';\n"
                "export default class UnsafeMode extends Extension {\n"
                "    enable() { global.context.unsafe_mode = true; }\n"
                "    disable() { global.context.unsafe_mode = false; }\n"
                "}\n")

    def _eval(self, code, quiet=False):
        ok, value = _call("org.gnome.Shell", "/org/gnome/Shell", "org.gnome.Shell", "Eval",
                          GLib.Variant("(s)", (code,)), "(bs)")
        if not ok and quiet:
            return None
        if not ok:
            raise RuntimeError(f"Eval failed: {value}")
        return json.loads(value) if value else None

    def activate(self, title):
        return self._eval(f"""(() => {{
            const w = global.display.list_all_windows().find(w => w.get_title() === {json.dumps(title)});
            if (w) w.activate(global.display.get_current_time_roundtrip());
            return !!w; }})()""")

    def frame(self, title):
        return self._eval(f"""(() => {{
            const w = global.display.list_all_windows().find(w => w.get_title() === {json.dumps(title)});
            return w && {{maximise: w.can_maximize(), minimise: w.can_minimize(), resize: w.allows_resize(),
                          modal: w.get_window_type() === 4, transient: !!w.get_transient_for()}};
            }})()""")  # 4: Meta.WindowType.MODAL_DIALOG

    def stacking(self):
        return self._eval("global.display.sort_windows_by_stacking(global.display.list_all_windows())"
                          ".filter(w => w.showing_on_its_workspace()).map(w => w.get_title())")

    def screenshot(self, path):
        ok, _ = _call("org.gnome.Shell.Screenshot", "/org/gnome/Shell/Screenshot", "org.gnome.Shell.Screenshot",
                      "Screenshot", GLib.Variant("(bbs)", (False, False, path)), "(bs)")
        return ok


class Kwin(_Compositor):
    """KWin 5 or 6. Debian's binary carries a file capability that a
    container may refuse to exec; a copy without it runs. Scripts loaded over
    D-Bus list and activate windows and print what they find to KWin's log.
    KWin 6 without a GPU (no /dev/dri) draws with QPainter and then offers
    no screenshots (ScreenShot2), so it runs nested in the X server named by
    KORVANE_KWIN_X11, when there is one, and that server's screen is taken."""

    kind = "kwin"

    def start(self):
        binary = os.path.join(self.folder, "kwin_wayland")
        shutil.copyfile(shutil.which("kwin_wayland"), binary)  # without its extended attributes
        os.chmod(binary, 0o755)
        self.version = _major_version([binary])
        if self.version not in (5, 6):
            raise Unsupported(f"KWin {self.version} is not version 5 or 6, or does not run here")
        # The scripting names of this version: KWin 6 says window for client.
        if self.version == 5:
            self.windows, self.active, self.script_path = "workspace.clientList()", "workspace.activeClient", "/{}"
        else:
            self.windows, self.active, self.script_path = "workspace.windowList()", "workspace.activeWindow", \
                "/Scripting/Script{}"
        env = dict(os.environ, HOME=self.folder, KWIN_SCREENSHOT_NO_PERMISSION_CHECKS="1")
        for name in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"):
            env.pop(name, None)
        host = os.environ.get("KORVANE_KWIN_X11", "")
        self.host = host if self.version >= 6 and host and not os.path.exists("/dev/dri") else None
        output = ["--x11-display", self.host] if self.host else ["--virtual"]
        self._start_compositor([binary] + output + ["--width", str(WIDTH), "--height", str(HEIGHT), "--socket",
                                                    self.socket, "--no-lockscreen", "--no-global-shortcuts",
                                                    "--no-kactivities"], env)
        _wait(lambda: self._script("print('ready')") == "ready", 20, "KWin's scripting did not answer")

    def _script(self, body):
        """Runs a KWin script; returns what it printed last."""
        self.scripts += 1
        marker = f"korvane-{os.getpid()}-{self.scripts}"
        path = os.path.join(self.folder, marker + ".js")
        with open(path, "w") as f:
            f.write(f"function print_(x) {{ print('{marker} ' + JSON.stringify(x)); }}\n"
                    + body.replace("print(", "print_(") + "\n")
        (number,) = _call("org.kde.KWin", "/Scripting", "org.kde.kwin.Scripting", "loadScript",
                          GLib.Variant("(ss)", (path, marker)), "(i)")
        try:
            _call("org.kde.KWin", self.script_path.format(number), "org.kde.kwin.Script", "run", None, "()")
            found = []

            def printed():
                with open(self.log_path, errors="replace") as log:
                    found[:] = [line.split(marker + " ", 1)[1] for line in log if marker + " " in line]
                return bool(found)

            _wait(printed, 5, "the KWin script printed nothing")
            return json.loads(found[-1])
        finally:
            _call("org.kde.KWin", "/Scripting", "org.kde.kwin.Scripting", "unloadScript",
                  GLib.Variant("(s)", (marker,)), "(b)")

    def activate(self, title):
        return self._script(f"""var found = false;
            for (const c of {self.windows})
                if (c.caption === {json.dumps(title)}) {{ {self.active} = c; found = true; }}
            print(found);""")

    def frame(self, title):
        return self._script(f"""var found = null;
            for (const c of {self.windows})
                if (c.caption === {json.dumps(title)})
                    found = {{maximise: c.maximizable, minimise: c.minimizable, resize: c.resizeable,
                             modal: c.modal, transient: c.transient}};
            print(found);""")

    def stacking(self):
        return self._script(f"print({self.windows}.filter(c => !c.minimized)"
                            ".sort((a, b) => a.stackingOrder - b.stackingOrder).map(c => c.caption));")

    def screenshot(self, path):
        if self.host:
            # KWin's output is the one window on that screen, at its origin.
            shot = subprocess.run(["import", "-display", self.host, "-window", "root", path],
                                  capture_output=True, timeout=20)
            return shot.returncode == 0
        reader, writer = os.pipe()
        try:
            # The list takes the writing end: it is closed with the list,
            # and KWin's copy when the image is written.
            fds = Gio.UnixFDList.new_from_array([writer])
            (info,) = _call("org.kde.KWin", "/org/kde/KWin/ScreenShot2", "org.kde.KWin.ScreenShot2",
                            "CaptureWorkspace", GLib.Variant("(a{sv}h)", ({}, 0)), "(a{sv})", fds)
            del fds
            raw = b""
            end = time.monotonic() + 10
            while time.monotonic() < end:
                if select.select([reader], [], [], 0.5)[0]:
                    chunk = os.read(reader, 1 << 20)
                    if not chunk:
                        break
                    raw += chunk
        finally:
            os.close(reader)
        if len(raw) < info["stride"] * info["height"]:
            return False
        _write_png(path, raw, info["width"], info["height"], info["stride"])
        return True


def _write_png(path, raw, width, height, stride):
    """Writes 32-bit pixels in the machine's order of a QImage (B, G, R, A
    on little-endian) as an opaque RGB PNG."""
    rows = bytearray()
    for y in range(height):
        line = raw[y * stride:y * stride + width * 4]
        rgb = bytearray(width * 3)
        rgb[0::3], rgb[1::3], rgb[2::3] = line[2::4], line[1::4], line[0::4]
        rows += b"\0" + rgb

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
                + chunk(b"IDAT", zlib.compress(bytes(rows))) + chunk(b"IEND", b""))


def start(kind, folder, log):
    desktop = {"gnome": Gnome, "kwin": Kwin}[kind](folder, log)
    try:
        desktop.start()
    except BaseException:
        desktop.stop()
        raise
    return desktop
