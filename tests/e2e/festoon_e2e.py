"""End-to-end sessions: the real festoon.exe under Wine, on a private Xvfb display.

A Session copies the program into a fresh temporary folder (with the garland.ini a
test wants), starts its own X server on a free display, runs the program in the
shared Wine prefix's "Festoon" virtual desktop, and offers what a test needs to look
at it from outside: the driver program, screen captures, the settings file, and an
orderly or forced end. Whatever happens, leaving the session kills every process it
started. Standard library only.

Environment: FESTOON_WIN_BUILD is the Windows build folder (festoon.exe and
festoon_driver.exe); FESTOON_E2E_PREFIX is the shared Wine prefix, made once per test
run by `festoon_e2e.py setup-prefix` and torn down by `festoon_e2e.py cleanup-prefix`.
When a session fails, a screenshot and the window list are saved to a folder whose
path is printed; FESTOON_E2E_KEEP=1 keeps each session's temporary folder too.
"""

import os
import re
import select
import shutil
import signal
import struct
import subprocess
import sys
import tempfile
import time

DEFAULT_DESKTOP = (1024, 768)
DESKTOP_NAME = "Festoon"
MAIN_CLASS = "festoonWClass"
MAIN_TITLE = "Festoon v2.21"
MENU_CLASS = "#32768"
TASKBAR_CLASS = "Shell_TrayWnd"
WM_SYSCOMMAND = 0x0112
CMD_REMOVE_LIGHTS = 1003


def read_hook_ops(path=os.path.join(os.path.dirname(os.path.abspath(__file__)), os.pardir,
                                    os.pardir, "app", "testhook_ops.h")):
    """The test hook's registered message name and its operations (wParam), read from
    the program's own header: {"LIVE_ICONS": 1, ...}."""
    with open(path, encoding="ascii") as f:
        text = f.read()
    message = re.search(r'#define FESTOON_TEST_HOOK_MESSAGE "([^"]+)"', text).group(1)
    ops = {}
    for name, number in re.findall(r"\bkHook(\w+) = (\d+),", text):
        ops[re.sub(r"(?<!^)(?=[A-Z])", "_", name).upper()] = int(number)
    return message, ops


TEST_HOOK_MESSAGE, HOOK_OPS = read_hook_ops()
# Answered by every build.
HOOK_LIVE_ICONS = HOOK_OPS["LIVE_ICONS"]
HOOK_LIVE_GDI_OBJECTS = HOOK_OPS["LIVE_GDI_OBJECTS"]
HOOK_LIVE_DCS = HOOK_OPS["LIVE_DCS"]
HOOK_STRING_BUILDS = HOOK_OPS["STRING_BUILDS"]
HOOK_ANIMATION_STEPS = HOOK_OPS["ANIMATION_STEPS"]
HOOK_ICON_LOADS = HOOK_OPS["ICON_LOADS"]
# Operations that change behaviour: only the test build carries them out.
HOOK_SET_STYLE_INTERVAL = HOOK_OPS["SET_STYLE_INTERVAL"]
HOOK_TIME_DRAWS = HOOK_OPS["TIME_DRAWS"]
HOOK_RUN_STEPS = HOOK_OPS["RUN_STEPS"]
HOOK_ANIMATION_TIMER = HOOK_OPS["ANIMATION_TIMER"]
HOOK_BUILD_STRING = HOOK_OPS["BUILD_STRING"]
HOOK_REPAINT_DESKTOP = HOOK_OPS["REPAINT_DESKTOP"]

# Marks every process a session or the prefix set-up starts, so that clean-up can
# find exactly those (and not another developer's Wine or X server) by environment.
TAG_VARIABLE = "FESTOON_E2E_TAG"

# Keys of section "Settings" with their defaults, in the order the program reads them.
SETTINGS_DEFAULTS = [
    ("Mode", 3), ("Color", 8), ("Rate", 2), ("BackColor", 0), ("Broken", 0),
    ("BurnedOut", 0), ("SSType", 0), ("BulbType", 0), ("Power", 1), ("Music", 1),
    ("WarnMusic", 1), ("NotSoMany", 1), ("MissingBulbs", 0), ("ScreenSaver", 0),
    ("NoFlicker", 0), ("OnTop", 0), ("Zoom", 1), ("Sound", 1), ("StartOptions", 1),
    ("ChangeLights", 1), ("IdleProcess", 0), ("WarnPower", 1), ("KeyLights", 0),
    ("SSMouseMove", 1), ("OwnWindow", 0), ("SSDelay", 5), ("SSMouseClick", 1),
    ("IgnoreWinSS", 1), ("ShowEvents", 0), ("SSLogo", 1),
]

# Settings that keep a test's program quiet: no modal notice about the missing MIDI
# device, no options dialog at start, no music.
QUIET_SETTINGS = {"StartOptions": 0, "WarnMusic": 0, "Music": 0}


class E2EError(Exception):
    """Something the harness itself could not do (as opposed to a failed check)."""


def win_build_dir():
    path = os.environ.get("FESTOON_WIN_BUILD", "")
    if not path or not os.path.isfile(os.path.join(path, "festoon.exe")):
        raise E2EError("FESTOON_WIN_BUILD must name the Windows build holding festoon.exe "
                       "(got %r)" % path)
    return os.path.abspath(path)


def shared_prefix():
    """The shared prefix: FESTOON_E2E_PREFIX, else the "wineprefix" folder of the CMake
    build that CTest runs the test in (the fixture e2e_prefix makes it there)."""
    path = os.environ.get("FESTOON_E2E_PREFIX", "")
    if path:
        return os.path.abspath(path)
    folder = os.getcwd()
    while True:
        if os.path.isfile(os.path.join(folder, "CMakeCache.txt")):
            return os.path.join(folder, "wineprefix")
        parent = os.path.dirname(folder)
        if parent == folder:
            raise E2EError("set FESTOON_E2E_PREFIX or run from inside a CMake build")
        folder = parent


def driver_path():
    path = os.path.join(win_build_dir(), "festoon_driver.exe")
    if not os.path.isfile(path):
        raise E2EError("festoon_driver.exe is missing from %s" % os.path.dirname(path))
    return path


def wine_env(prefix, display):
    env = dict(os.environ)
    env.update({
        "WINEPREFIX": prefix,
        "DISPLAY": ":%d" % display,
        "WINEDEBUG": "-all",
        # No menu entries in the host's desktop, no Mono or Gecko install prompts.
        "WINEDLLOVERRIDES": "winemenubuilder.exe=d;mscoree=;mshtml=",
        TAG_VARIABLE: prefix,
    })
    return env


# ---------------------------------------------------------------- processes

def _process_environment(pid):
    try:
        with open("/proc/%d/environ" % pid, "rb") as f:
            return f.read().split(b"\0")
    except OSError:
        return []


def _process_command(pid):
    try:
        with open("/proc/%d/cmdline" % pid, "rb") as f:
            return f.read().replace(b"\0", b" ").decode("latin-1").strip()
    except OSError:
        return ""


def _ancestors():
    pids, pid = set(), os.getpid()
    while pid > 1:
        pids.add(pid)
        try:
            with open("/proc/%d/stat" % pid) as f:
                pid = int(f.read().rsplit(")", 1)[1].split()[1])
        except (OSError, ValueError, IndexError):
            break
    return pids


def tagged_processes(prefix):
    """Pids of live processes started for this prefix: its Wine processes and X servers."""
    wanted = {("WINEPREFIX=" + prefix).encode(), ("%s=%s" % (TAG_VARIABLE, prefix)).encode()}
    skip = _ancestors()
    found = []
    for entry in os.listdir("/proc"):
        if not entry.isdigit() or int(entry) in skip:
            continue
        pid = int(entry)
        if wanted.intersection(_process_environment(pid)):
            try:
                with open("/proc/%d/stat" % pid) as f:
                    if f.read().rsplit(")", 1)[1].split()[0] == "Z":
                        continue  # already dead, waiting for its parent
            except OSError:
                continue
            found.append(pid)
    return found


def program_processes(prefix, name="festoon.exe"):
    return [pid for pid in tagged_processes(prefix)
            if name.lower() in _process_command(pid).lower()]


def kill_tagged(prefix):
    victims = tagged_processes(prefix)
    for pid in victims:
        try:
            os.kill(pid, signal.SIGKILL)
        except OSError:
            pass
    return victims


def stop_wine(prefix, timeout=10):
    """Ends every Wine process of the prefix and waits for its wineserver to go."""
    env = dict(os.environ, WINEPREFIX=prefix)
    subprocess.run(["wineserver", "-k"], env=env, stdout=subprocess.DEVNULL,
                   stderr=subprocess.DEVNULL, timeout=timeout)
    try:
        subprocess.run(["wineserver", "-w"], env=env, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL, timeout=timeout)
    except subprocess.TimeoutExpired:
        pass


# ---------------------------------------------------------------- X server

class Xvfb:
    """A private X server on whatever display number is free."""

    def __init__(self, width, height, tag):
        read_end, write_end = os.pipe()
        env = dict(os.environ, **{TAG_VARIABLE: tag})
        self.process = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "%dx%dx24" % (width, height),
             "-nolisten", "tcp"],
            pass_fds=(write_end,), env=env, stdout=subprocess.DEVNULL,
            stderr=subprocess.DEVNULL)
        os.close(write_end)
        text = b""
        deadline = time.monotonic() + 15
        try:
            while not text.endswith(b"\n"):
                remaining = deadline - time.monotonic()
                if remaining <= 0 or not select.select([read_end], [], [], remaining)[0]:
                    raise E2EError("Xvfb did not report a display")
                chunk = os.read(read_end, 64)
                if not chunk:
                    raise E2EError("Xvfb ended before reporting a display")
                text += chunk
        except BaseException:
            self.stop()
            raise
        finally:
            os.close(read_end)
        self.display = int(text.strip())

    def stop(self):
        if self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(5)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()


# ---------------------------------------------------------------- prefix

def set_desktop_size(prefix, width, height):
    """Sets the size of the "Festoon" desktop that every plain `wine x.exe` joins.

    The first Wine process of a session creates that desktop at the registry's size,
    so the size is written straight into user.reg while no wineserver runs (a `wine reg`
    call would itself create the desktop at the old size)."""
    path = os.path.join(prefix, "user.reg")
    with open(path, encoding="utf-8", errors="surrogateescape") as f:
        text = f.read()
    pattern = re.compile(r'(\[Software\\\\Wine\\\\Explorer\\\\Desktops\][^\[]*?"%s"=")[^"]*(")'
                         % DESKTOP_NAME)
    size = "%dx%d" % (width, height)
    updated, count = pattern.subn(lambda m: m.group(1) + size + m.group(2), text, count=1)
    if count != 1:
        raise E2EError("the prefix %s has no desktop size entry; run setup-prefix" % prefix)
    if updated != text:
        with open(path, "w", encoding="utf-8", errors="surrogateescape") as f:
            f.write(updated)


PREFIX_REGISTRY = [
    # The taskbar (and its tray) shows at all times, not only while an icon exists.
    ["HKCU\\Software\\Wine\\Explorer\\Desktops\\" + DESKTOP_NAME, "/v", "EnableShell",
     "/t", "REG_DWORD", "/d", "1", "/f"],
    # Every plain `wine x.exe` joins the same desktop, so the driver sees the program.
    ["HKCU\\Software\\Wine\\Explorer", "/v", "Desktop", "/d", DESKTOP_NAME, "/f"],
    ["HKCU\\Software\\Wine\\Explorer\\Desktops", "/v", DESKTOP_NAME, "/d",
     "%dx%d" % DEFAULT_DESKTOP, "/f"],
]


def setup_prefix(prefix):
    """Makes a fresh prefix with the desktop settings every session relies on."""
    stop_wine(prefix)
    kill_tagged(prefix)
    shutil.rmtree(prefix, ignore_errors=True)
    os.makedirs(os.path.dirname(prefix), exist_ok=True)
    xvfb = Xvfb(*DEFAULT_DESKTOP, tag=prefix)
    try:
        env = wine_env(prefix, xvfb.display)
        subprocess.run(["wineboot", "-i"], env=env, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL, timeout=300, check=True)
        for args in PREFIX_REGISTRY:
            subprocess.run(["wine", "reg", "add"] + args, env=env, stdout=subprocess.DEVNULL,
                           stderr=subprocess.DEVNULL, timeout=60, check=True)
        # A clean exit of the wineserver writes the registry to disk.
        subprocess.run(["wineserver", "-w"], env=env, timeout=120)
    finally:
        stop_wine(prefix)
        xvfb.stop()
        kill_tagged(prefix)
    with open(os.path.join(prefix, "user.reg"), encoding="utf-8", errors="replace") as f:
        if '"Desktop"="%s"' % DESKTOP_NAME not in f.read():
            raise E2EError("the registry settings did not reach %s" % prefix)


def cleanup_prefix(prefix):
    """Ends whatever the sessions of this prefix may have left running."""
    if os.path.isdir(prefix):
        stop_wine(prefix)
    return kill_tagged(prefix)


# ---------------------------------------------------------------- desktop

class Result:
    def __init__(self, returncode, stdout, stderr):
        self.returncode, self.stdout, self.stderr = returncode, stdout, stderr

    @property
    def ok(self):
        return self.returncode == 0


class Desktop:
    """A private X server and the environment that runs Windows programs on it, in the
    shared prefix's "Festoon" desktop. Nothing of an earlier session survives into it."""

    def __init__(self, prefix=None, size=DEFAULT_DESKTOP, screen=None):
        self.prefix = prefix or shared_prefix()
        self.size = tuple(size)
        if not os.path.isfile(os.path.join(self.prefix, "user.reg")):
            raise E2EError("no Wine prefix at %s (the e2e_prefix fixture makes it)" % self.prefix)
        stop_wine(self.prefix)
        kill_tagged(self.prefix)
        set_desktop_size(self.prefix, *self.size)
        # The X screen may be larger than the desktop, which can then grow into it.
        self.xvfb = Xvfb(*(screen or self.size), tag=self.prefix)
        self.display = self.xvfb.display
        self.env = wine_env(self.prefix, self.display)

    def run(self, args, cwd=None, timeout=30):
        """Runs a Windows program here and returns its Result.

        Output goes through files, not pipes: a Wine process may start the wineserver
        or the desktop, which inherit its output handles and would keep a pipe open
        long after the program itself has ended."""
        with tempfile.TemporaryFile() as out, tempfile.TemporaryFile() as err:
            process = subprocess.Popen(["wine"] + [str(a) for a in args], env=self.env, cwd=cwd,
                                       stdin=subprocess.DEVNULL, stdout=out, stderr=err)
            try:
                returncode = process.wait(timeout)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()
                raise E2EError("wine %s did not finish in %s s" % (" ".join(map(str, args)),
                                                                  timeout))
            out.seek(0)
            err.seek(0)
            return Result(returncode, out.read().decode("latin-1").replace("\r\n", "\n"),
                          err.read().decode("latin-1"))

    def start(self, args, cwd=None):
        """Starts a Windows program here without waiting; returns its Popen."""
        return subprocess.Popen(["wine"] + [str(a) for a in args], cwd=cwd, env=self.env,
                                stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                stderr=subprocess.DEVNULL)

    def capture(self, timeout=30):
        """The whole X screen, which the virtual desktop fills exactly."""
        done = subprocess.run(["import", "-display", ":%d" % self.display, "-window", "root",
                               "-depth", "8", "ppm:-"], capture_output=True, timeout=timeout,
                              check=True)
        return Image.from_ppm(done.stdout)

    def alive(self):
        return self.xvfb.process.poll() is None

    def close(self):
        stop_wine(self.prefix)
        kill_tagged(self.prefix)
        self.xvfb.stop()


# ---------------------------------------------------------------- images

class Image:
    """An RGB image, rows top-down, three bytes per pixel."""

    def __init__(self, width, height, rgb):
        if len(rgb) != width * height * 3:
            raise E2EError("image data does not match %dx%d" % (width, height))
        self.width, self.height, self.rgb = width, height, bytes(rgb)

    def pixel(self, x, y):
        if not (0 <= x < self.width and 0 <= y < self.height):
            raise IndexError("pixel (%d, %d) outside %dx%d" % (x, y, self.width, self.height))
        i = (y * self.width + x) * 3
        return tuple(self.rgb[i:i + 3])

    def crop(self, x, y, width, height):
        rows = []
        for row in range(y, y + height):
            start = (row * self.width + x) * 3
            rows.append(self.rgb[start:start + width * 3])
        return Image(width, height, b"".join(rows))

    def colors(self):
        return {self.rgb[i:i + 3] for i in range(0, len(self.rgb), 3)}

    def count_unlike(self, color):
        """Number of pixels whose colour is not `color`."""
        packed = bytes(color)
        return sum(1 for i in range(0, len(self.rgb), 3) if self.rgb[i:i + 3] != packed)

    def save_ppm(self, path):
        with open(path, "wb") as f:
            f.write(b"P6\n%d %d\n255\n" % (self.width, self.height))
            f.write(self.rgb)

    @staticmethod
    def from_ppm(data):
        # Header: "P6", width, height, maxval, separated by white space, then one byte.
        fields, pos = [], 0
        while len(fields) < 4:
            while data[pos:pos + 1].isspace():
                pos += 1
            if data[pos:pos + 1] == b"#":
                pos = data.index(b"\n", pos)
                continue
            end = pos
            while not data[end:end + 1].isspace():
                end += 1
            fields.append(data[pos:end])
            pos = end
        if fields[0] != b"P6" or fields[3] != b"255":
            raise E2EError("not an 8-bit binary PPM")
        width, height = int(fields[1]), int(fields[2])
        return Image(width, height, data[pos + 1:pos + 1 + width * height * 3])

    @staticmethod
    def from_bmp(path):
        """Reads the uncompressed 24- or 32-bpp BMP files the driver writes."""
        with open(path, "rb") as f:
            data = f.read()
        if data[:2] != b"BM":
            raise E2EError("%s is not a BMP file" % path)
        offset = struct.unpack_from("<I", data, 10)[0]
        width, height, _, bits, compression = struct.unpack_from("<iiHHI", data, 18)
        if bits not in (24, 32) or compression not in (0, 3):
            raise E2EError("%s: unsupported BMP format" % path)
        top_down = height < 0
        height = abs(height)
        step = bits // 8
        stride = (width * step + 3) & ~3
        rows = []
        for row in range(height):
            source = row if top_down else height - 1 - row
            line = data[offset + source * stride: offset + source * stride + width * step]
            out = bytearray(width * 3)
            out[0::3] = line[2::step]
            out[1::3] = line[1::step]
            out[2::3] = line[0::step]
            rows.append(bytes(out))
        return Image(width, height, b"".join(rows))


# ---------------------------------------------------------------- settings file

def parse_ini(text):
    """Sections of a private profile file as {section: {key: value}}, order kept."""
    sections, current = {}, None
    for raw in text.splitlines():
        line = raw.strip()
        if not line or line.startswith(";"):
            continue
        if line.startswith("[") and line.endswith("]"):
            current = sections.setdefault(line[1:-1], {})
        elif current is not None and "=" in line:
            key, value = line.split("=", 1)
            current[key.strip()] = value.strip()
    return sections


def format_ini(sections):
    """Text of a profile file from {section: {key: value}}; Windows line ends."""
    lines = []
    for section, keys in sections.items():
        lines.append("[%s]" % section)
        lines.extend("%s=%s" % (key, value) for key, value in keys.items())
        lines.append("")
    return "\r\n".join(lines)


# ---------------------------------------------------------------- session

class Session:
    """One run of festoon.exe in a fresh folder on a fresh desktop.

    ini: text of garland.ini to place beside the exe first, or a {section: {key: value}}
    dict, or None for an empty folder. desktop: (width, height) of the virtual desktop.
    start: start the program on entry (otherwise call start_desktop / start_program).
    subdir: relative folder below the temporary folder to hold the program (for long
    paths). files: extra {name: bytes} to put beside the exe. test_build: run the
    test build (testbuild/festoon.exe), whose hook can also change behaviour.
    screen: (width, height) of the X screen when it must be larger than the desktop.
    """

    def __init__(self, ini=None, desktop=DEFAULT_DESKTOP, start=True, subdir=None, files=None,
                 timeout=30, test_build=False, screen=None):
        self.screen_size = screen
        self.ini = format_ini(ini) if isinstance(ini, dict) else ini
        self.desktop_size = tuple(desktop)
        self.start_on_entry = start
        self.subdir = subdir
        self.files = files or {}
        self.timeout = timeout
        self.build = win_build_dir()
        self.exe_dir = os.path.join(self.build, "testbuild") if test_build else self.build
        self.root = None
        self.folder = None
        self.desktop = None
        self.program = None

    # -- set-up and tear-down

    def __enter__(self):
        try:
            self.open()
            if self.start_on_entry:
                # As on Windows, the desktop is up before the program starts; this also
                # keeps the program from racing the driver to start Wine's desktop.
                self.start_desktop()
                self.start_program()
        except BaseException:
            self._report_failure()
            self.cleanup()
            raise
        return self

    def __exit__(self, kind, value, trace):
        if kind is not None:
            self._report_failure()
        self.cleanup()
        return False

    def open(self):
        self.root = tempfile.mkdtemp(prefix="festoon-e2e-")
        self.folder = os.path.join(self.root, self.subdir) if self.subdir else self.root
        os.makedirs(self.folder, exist_ok=True)
        shutil.copy2(os.path.join(self.exe_dir, "festoon.exe"), self.folder)
        tune = os.path.join(self.build, "xmastune.mid")
        if os.path.isfile(tune):
            shutil.copy2(tune, self.folder)
        if self.ini is not None:
            with open(self.ini_path, "w", encoding="latin-1", newline="") as f:
                f.write(self.ini)
        for name, data in self.files.items():
            with open(os.path.join(self.folder, name), "wb") as f:
                f.write(data)
        self.desktop = Desktop(size=self.desktop_size, screen=self.screen_size)

    def cleanup(self):
        if self.desktop is not None:
            self.desktop.close()
        if self.program is not None:
            if self.program.poll() is None:
                self.program.kill()
            self.program.wait()
        if self.root and not os.environ.get("FESTOON_E2E_KEEP"):
            shutil.rmtree(self.root, ignore_errors=True)

    def _report_failure(self):
        """Leaves a screenshot and the window list where a failing test can point to."""
        if self.desktop is None or not self.desktop.alive():
            return
        try:
            folder = tempfile.mkdtemp(prefix="festoon-e2e-failure-")
            self.capture().save_ppm(os.path.join(folder, "screen.ppm"))
            with open(os.path.join(folder, "windows.txt"), "w") as f:
                f.write(self.driver("windows", "all", timeout=15).stdout)
            if os.path.isfile(self.ini_path):
                shutil.copy2(self.ini_path, folder)
            sys.stderr.write("festoon e2e: failure state saved in %s\n" % folder)
        except Exception as error:  # the original failure matters more than this one
            sys.stderr.write("festoon e2e: could not save the failure state: %s\n" % error)

    # -- starting things

    @property
    def prefix(self):
        return self.desktop.prefix

    @property
    def display(self):
        return self.desktop.display

    @property
    def env(self):
        return self.desktop.env

    @property
    def ini_path(self):
        return os.path.join(self.folder, "garland.ini")

    def start_desktop(self):
        """Brings up the virtual desktop and its taskbar without the program."""
        if not self.driver("wait", TASKBAR_CLASS, self.timeout * 1000,
                           timeout=self.timeout + 10).ok:
            raise E2EError("the Wine desktop did not come up")

    def start_program(self, wait=True):
        """Starts festoon.exe from its folder. A plain `wine festoon.exe` joins the
        Festoon desktop (creating it when needed) and its exit code is the program's."""
        self.program = self.desktop.start(["festoon.exe"], cwd=self.folder)
        if wait:
            self.wait_main_window()

    def wait_main_window(self):
        result = self.driver("wait", MAIN_CLASS, self.timeout * 1000, timeout=self.timeout + 10)
        if not result.ok:
            raise E2EError("no %s window appeared (program exit code %r; driver said %r)"
                           % (MAIN_CLASS, self.program and self.program.poll(),
                              (result.stdout + result.stderr).strip()[-300:]))
        return int(result.stdout.split()[0])

    def wait_started(self, timeout=None):
        """Waits until start-up is over: the first animation step (test hook query 6)
        comes from the main loop's timer, after the last start-up read of the file."""
        def stepped():
            # While start-up is busy (the own taskbar docking, dialogs coming up) a
            # query can go unanswered once; only the deadline counts as failure.
            try:
                return self.test_hook(HOOK_ANIMATION_STEPS) > 0
            except E2EError:
                return False

        if not self.wait_for(stepped, timeout):
            raise E2EError("the program took no animation step")

    def run_again(self, timeout=None):
        """Starts another copy in the same folder and returns its exit code."""
        return self.desktop.run(["festoon.exe"], cwd=self.folder,
                                timeout=timeout or self.timeout).returncode

    # -- looking and acting

    def wine(self, args, timeout=None):
        return self.desktop.run(args, cwd=self.folder, timeout=timeout or self.timeout)

    def driver(self, *args, timeout=None):
        return self.wine([driver_path()] + list(args), timeout=timeout)

    def driver_ok(self, *args, timeout=None):
        result = self.driver(*args, timeout=timeout)
        if not result.ok:
            raise E2EError("festoon_driver %s failed with %d: %s"
                           % (" ".join(map(str, args)), result.returncode, result.stderr.strip()))
        return result.stdout

    def windows(self, include_hidden=False):
        """Top-level windows as dicts: hwnd, cls, title, rect (l, t, r, b), visible."""
        args = ["windows", "all"] if include_hidden else ["windows"]
        found = []
        for line in self.driver_ok(*args).splitlines():
            parts = line.split("\t")
            if len(parts) != 5:
                continue
            found.append({"hwnd": int(parts[0]), "cls": parts[1], "title": parts[2],
                          "rect": tuple(int(v) for v in parts[3].split()),
                          "visible": parts[4] == "visible"})
        return found

    def count_windows(self, cls=MAIN_CLASS):
        return int(self.driver_ok("count", cls).strip())

    def menu_items(self):
        """Items of the open popup menu as dicts: id, state ("enabled", "grayed" or
        "separator", with ",checked" when checked), rect (screen l, t, r, b) and text;
        None when no menu is open."""
        result = self.driver("menu-items")
        if not result.ok:
            return None
        lines = result.stdout.splitlines()
        items = []
        for line in lines[1:]:
            _, ident, state, rect, text = line.split("\t", 4)
            items.append({"id": int(ident), "state": state, "text": text,
                          "rect": tuple(int(v) for v in rect.split())})
        if int(lines[0]) != len(items):
            raise E2EError("the driver listed %d of %s menu items" % (len(items), lines[0]))
        return items

    def post_command(self, command):
        self.driver_ok("post", MAIN_CLASS, "WM_SYSCOMMAND", command, 0)

    def test_hook(self, query, value=0):
        """Asks the program's test hook (registered message) and returns its answer."""
        return int(self.driver_ok("send-registered", MAIN_CLASS, TEST_HOOK_MESSAGE, query,
                                  value).strip())

    def xdotool(self, *args):
        subprocess.run(["xdotool"] + [str(a) for a in args], env=self.env, check=True,
                       stdout=subprocess.DEVNULL, timeout=self.timeout)

    def capture(self):
        return self.desktop.capture()

    def read_ini(self):
        if not os.path.isfile(self.ini_path):
            return {}
        with open(self.ini_path, encoding="latin-1") as f:
            return parse_ini(f.read())

    def wait_for(self, condition, timeout=None, interval=0.1):
        """Polls condition() until it returns something true; returns that or the last
        false value when the time is up."""
        deadline = time.monotonic() + (timeout or self.timeout)
        while True:
            value = condition()
            if value or time.monotonic() >= deadline:
                return value
            time.sleep(interval)

    # -- ending

    @property
    def exit_code(self):
        return None if self.program is None else self.program.poll()

    def wait_exit(self, timeout=None):
        try:
            return self.program.wait(timeout or self.timeout)
        except subprocess.TimeoutExpired:
            return None

    def close(self, timeout=None):
        """Ends the program as "&Remove Lights" does; returns its exit code (None if it
        did not end in time)."""
        self.post_command(CMD_REMOVE_LIGHTS)
        return self.wait_exit(timeout)

    def festoon_processes(self):
        return program_processes(self.prefix)


# ---------------------------------------------------------------- command line

def main(argv):
    if len(argv) == 3 and argv[1] == "setup-prefix":
        setup_prefix(os.path.abspath(argv[2]))
        print("prefix ready: %s" % argv[2])
        return 0
    if len(argv) == 3 and argv[1] == "cleanup-prefix":
        killed = cleanup_prefix(os.path.abspath(argv[2]))
        print("prefix %s: %d leftover process(es) ended" % (argv[2], len(killed)))
        return 0
    sys.stderr.write("usage: festoon_e2e.py setup-prefix|cleanup-prefix PREFIX\n")
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv))
