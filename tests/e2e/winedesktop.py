#!/usr/bin/env python3
"""A Wine desktop for running the real Skelvora.exe: an X display (a private
Xvfb unless one is given), a Wine prefix (a fresh one unless one is given)
whose programs all run in the virtual desktop "shell" with a taskbar, and the
means to look at it from outside: screenshots, window probes, registry reads.

Used by run_e2e.py, and by scripts/run through the command line below:
    winedesktop.py EXE [--prefix DIR] [--pictures JPG...] [--screenshot PNG] [--seconds N]
Without a display, --screenshot saves the screen after a click on the icon,
then one of each page of the window beside it (PNG-options, PNG-about).
"""
import argparse
import os
import shutil
import signal
import subprocess
import tempfile
import time

import raster

WINE = "/usr/lib/wine/wine64"
WINESERVER = "/usr/lib/wine/wineserver"
SIZE = "1024x768"
PROGRAM_FOLDER = "Skelvora"  # under C:\
DOUBLE_CLICK_TIME = 0.6  # seconds; the system's is 0.5
TASKBAR = 40  # rows at the bottom of the screen in which the taskbar lies
TASKBAR_CLASS = "Shell_TrayWnd"
MENU_ITEMS = ("about", "options", "exit")  # the icon's menu, top to bottom
ASSETS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "assets")

WINE_FONTS = "/usr/share/wine/fonts"  # Wine's own (Tahoma, Marlett, ...), which this Wine does not find by itself
# The fonts of a Windows desktop that Wine lacks, by their look-alikes.
DESKTOP_REG = f"""REGEDIT4

[HKEY_CURRENT_USER\\Software\\Wine\\Explorer]
"Desktop"="shell"

[HKEY_CURRENT_USER\\Software\\Wine\\Explorer\\Desktops]
"shell"="{SIZE}"

[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]
"Microsoft Sans Serif"="Liberation Sans"
"Times New Roman"="Liberation Serif"
"""


def stop_on_sigterm():
    """Turns a termination request (a test timeout) into SystemExit, so that
    every clean-up below still runs."""
    def leave(signum, _frame):
        raise SystemExit(128 + signum)
    signal.signal(signal.SIGTERM, leave)


class WineDesktop:
    def __init__(self, prefix=None, display=None, probe=None):
        self.own_prefix = prefix is None
        self.prefix = prefix
        self.display = display
        self.probe_exe = probe
        self.xvfb = None
        self.started = []
        self.dpi = 96  # the screen's pixels per inch, as a fresh prefix has it
        self.last_click = -DOUBLE_CLICK_TIME
        self.tray_icon = raster.load(os.path.join(ASSETS, "tray-icon.ico"))
        self.menu_pictures = [raster.load(os.path.join(ASSETS, f"menu-{item}.bmp")).keyed()
                              for item in MENU_ITEMS]

    # -- life --------------------------------------------------------------

    def __enter__(self):
        try:
            if self.display is None:
                self.display = self._start_xvfb()
            if self.own_prefix:
                self.prefix = tempfile.mkdtemp(prefix="skelvora-wine-")
            self.env = dict(os.environ, DISPLAY=self.display, WINEPREFIX=os.path.abspath(self.prefix),
                            WINEDEBUG="-all", WINEDLLOVERRIDES="mscoree,mshtml=")
            if not os.path.exists(os.path.join(self.prefix, "system.reg")):
                self.wine("wineboot", "-i", timeout=120)
            self._use_wine_fonts()
            self._use_shell_desktop()
            self.start("explorer", f"/desktop=shell,{SIZE}")
            return self
        except BaseException:
            self.__exit__(None, None, None)
            raise

    def __exit__(self, *exc):
        if getattr(self, "env", None):
            subprocess.run([WINESERVER, "-k"], env=self.env, stdout=subprocess.DEVNULL,
                           stderr=subprocess.DEVNULL, check=False)
        for process in self.started:
            try:
                process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()
        if self.xvfb:
            self.xvfb.terminate()
            try:
                self.xvfb.wait(timeout=10)
            except subprocess.TimeoutExpired:
                self.xvfb.kill()
                self.xvfb.wait()
        if self.own_prefix and self.prefix:
            shutil.rmtree(self.prefix, ignore_errors=True)
        return False

    def at_dpi(self, dpi):
        """Has the programs started from now on see a screen of `dpi` pixels
        per inch, as the system reads it at a program's start. When that
        changes, every program of the prefix ends and the desktop opens
        again; its taskbar is always made at 96, where the program's icon is
        looked for."""
        if dpi == self.dpi:
            return
        self._set_dpi(96)
        subprocess.run([WINESERVER, "-k"], env=self.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                       check=False)
        for process in self.started:
            process.wait(timeout=30)
        self.started = []
        self.start("explorer", f"/desktop=shell,{SIZE}")
        if not wait_for(lambda: self.find_window(TASKBAR_CLASS), timeout=30):
            raise RuntimeError("the desktop did not open again")
        self._set_dpi(dpi)
        self.dpi = dpi

    def _set_dpi(self, dpi):
        self.wine("reg", "add", r"HKCU\Control Panel\Desktop", "/v", "LogPixels", "/t", "REG_DWORD",
                  "/d", str(dpi), "/f")

    def _start_xvfb(self):
        read_end, write_end = os.pipe()
        self.xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", f"{SIZE}x24", "-nolisten", "tcp"],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        with os.fdopen(read_end) as reader:
            number = reader.readline().strip()
        if not number:
            raise RuntimeError("Xvfb did not start")
        return ":" + number

    def _use_wine_fonts(self):
        fonts = os.path.join(self.prefix, "drive_c", "windows", "Fonts")
        os.makedirs(fonts, exist_ok=True)
        for name in os.listdir(WINE_FONTS) if os.path.isdir(WINE_FONTS) else []:
            if not os.path.exists(os.path.join(fonts, name)):
                os.symlink(os.path.join(WINE_FONTS, name), os.path.join(fonts, name))

    def _use_shell_desktop(self):
        self.reg_import(DESKTOP_REG)

    def reg_import(self, text):
        """Imports the text of a .reg file (REGEDIT4) into the registry."""
        with open(os.path.join(self.prefix, "drive_c", "import.reg"), "w", encoding="ascii") as out:
            out.write(text)
        return self.wine("regedit", "/S", "C:\\import.reg")[0] == 0

    # -- programs ----------------------------------------------------------

    def wine(self, *args, timeout=60):
        """Runs a program to its end; returns (exit code, standard output)."""
        done = subprocess.run([WINE, *args], env=self.env, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                              timeout=timeout, text=True, errors="replace")
        return done.returncode, done.stdout

    def start(self, *args):
        """Starts a program and leaves it running; returns its process."""
        process = subprocess.Popen([WINE, *args], env=self.env, stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL)
        self.started.append(process)
        return process

    def install(self, exe, folder=PROGRAM_FOLDER):
        """Copies the exe into C:\\<folder> and returns its Windows path."""
        os.makedirs(self.program_folder(folder), exist_ok=True)
        shutil.copy(exe, os.path.join(self.program_folder(folder), "Skelvora.exe"))
        return self.windows_path(folder, "Skelvora.exe")

    def program_folder(self, folder=PROGRAM_FOLDER):
        return os.path.join(self.prefix, "drive_c", folder)

    @staticmethod
    def windows_path(folder, name):
        return f"C:\\{folder}\\{name}"

    # -- looking -----------------------------------------------------------

    def find_window(self, window_class):
        """(handle, visible, caption) of the top-level window of that class, or None."""
        code, out = self.wine(self.probe_exe, "find", window_class)
        if code != 0:
            return None
        handle, visible, caption = (out.rstrip("\r\n").split(" ", 2) + [""])[:3]
        return int(handle), visible == "1", caption

    def count_windows(self, window_class):
        """How many top-level windows of that class there are."""
        code, out = self.wine(self.probe_exe, "count", window_class)
        return int(out) if code == 0 else 0

    def remove_icons(self, window_class):
        """Removes the icons of the windows of that class from the
        notification area, as a restarting shell loses them."""
        return self.wine(self.probe_exe, "remove-icons", window_class)[0] == 0

    def announce_taskbar(self, window_class):
        """Tells every top-level window that the taskbar is there again, as
        the restarted shell does (a window of that class must be there)."""
        return self.wine(self.probe_exe, "taskbar-created", window_class)[0] == 0

    def window_texts(self, window_class):
        """The texts of the child windows of the top-level window of that class."""
        code, out = self.wine(self.probe_exe, "texts", window_class)
        return out.splitlines() if code == 0 else []

    def reload_wallpaper(self):
        """Has the desktop show the wallpaper the registry names again."""
        return self.wine(self.probe_exe, "reload-wallpaper", "")[0] == 0

    def close_window(self, window_class):
        return self.wine(self.probe_exe, "close", window_class)[0] == 0

    def window_place(self, window_class):
        """(left, top, width, height) of the window on the screen, frame
        included, and (width, height) of its client area; None when absent."""
        code, out = self.wine(self.probe_exe, "place", window_class)
        if code != 0:
            return None
        numbers = [int(n) for n in out.split()]
        return tuple(numbers[:4]), tuple(numbers[4:])

    def window_tree(self, window_class):
        """Every window within the top-level window of that class, parents
        first: dicts of depth, class, left, top, width, height (relative to the
        parent's client area), visible, checked, tabs and text."""
        code, out = self.wine(self.probe_exe, "tree", window_class)
        windows = []
        for line in out.splitlines() if code == 0 else []:
            fields = line.rstrip("\r").split("|", 9)
            numbers = [int(n) for n in fields[2:9]]
            windows.append(dict(depth=int(fields[0]), cls=fields[1], left=numbers[0], top=numbers[1],
                                width=numbers[2], height=numbers[3], visible=numbers[4] == 1,
                                checked=numbers[5] == 1, tabs=numbers[6], text=fields[9]))
        return windows

    def focus(self, window_class):
        """(whether the window is in front, class and text of the window with
        the keyboard focus in its program)."""
        code, out = self.wine(self.probe_exe, "focus", window_class)
        if code != 0:
            return None
        foreground, focus_class, text = (out.rstrip("\r\n").split("|", 2) + ["", ""])[:3]
        return foreground == "1", focus_class, text

    def reg_query(self, key, value):
        """The data of a registry value as `reg query` shows it, or None when absent."""
        code, out = self.wine("reg", "query", key, "/v", value)
        if code != 0:
            return None
        for line in out.splitlines():
            parts = line.split(None, 2)
            if parts and parts[0] == value:
                return parts[2] if len(parts) > 2 else ""
        return None

    def pid_of(self, name):
        """The process id of the running program of that file name in this
        prefix (the system keeps 15 characters of it), or None."""
        prefix = f"WINEPREFIX={os.path.abspath(self.prefix)}".encode()
        for pid in filter(str.isdigit, os.listdir("/proc")):
            try:
                with open(f"/proc/{pid}/comm", "rb") as comm, open(f"/proc/{pid}/environ", "rb") as environ:
                    if comm.read().strip() == name.encode()[:15] and prefix in environ.read().split(b"\0"):
                        return int(pid)
            except OSError:
                continue
        return None

    def cpu_ticks(self, name):
        """The processor time (user and system, in clock ticks) that the running
        program of that file name in this prefix has taken so far."""
        pid = self.pid_of(name)
        try:
            with open(f"/proc/{pid}/stat", "rb") as stat:
                fields = stat.read().rsplit(b")", 1)[1].split()
            return int(fields[11]) + int(fields[12])
        except (OSError, TypeError):
            raise RuntimeError(f"{name} does not run") from None

    def screenshot(self, path):
        subprocess.run(["import", "-display", self.display, "-window", "root", path], env=self.env,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=True, timeout=30)
        return raster.load(path)

    def find_tray_icon(self, shot):
        """The centre of the program's icon in the taskbar's notification area
        (the right end of the taskbar) of a screenshot, or None."""
        width, height = shot.width, shot.height
        found = shot.find(self.tray_icon, (width * 3 // 4, height - TASKBAR, width // 4, TASKBAR))
        return found and (found[0] + self.tray_icon.width // 2, found[1] + self.tray_icon.height // 2)

    # -- input, as a user gives it -----------------------------------------

    def click(self, x, y, button=1, repeat=1):
        """Moves the mouse there and clicks (button 1 left, 2 middle, 3 right);
        repeat=2 is a double click. Separate clicks are never so close that
        the system takes them for a double click."""
        time.sleep(max(0.0, self.last_click + DOUBLE_CLICK_TIME - time.monotonic()))
        self._xdotool("mousemove", str(x), str(y), "click", "--repeat", str(repeat), "--delay", "100", str(button))
        self.last_click = time.monotonic()

    def burst_of_clicks(self, x, y, clicks):
        """Left clicks on one spot, a millisecond apart."""
        time.sleep(max(0.0, self.last_click + DOUBLE_CLICK_TIME - time.monotonic()))
        self._xdotool("mousemove", str(x), str(y), "click", "--repeat", str(clicks), "--delay", "1", "1")
        self.last_click = time.monotonic()

    def move_mouse_away(self):
        self._xdotool("mousemove", "8", "8")

    def move_mouse(self, x, y):
        self._xdotool("mousemove", str(x), str(y))

    def keys(self, *names):
        """Presses keys one after the other (xdotool names: Return, Escape, Up, Tab, ...)."""
        self._xdotool("key", "--delay", "80", *names)

    def type_text(self, text):
        self._xdotool("type", "--delay", "80", text)

    def menu_places(self, shot_path):
        """The top-left corners of the pictures of the icon's menu items, when
        the menu is open (lower right quarter of the screen), else None."""
        shot = self.screenshot(shot_path)
        lower_right = (shot.width // 2, shot.height // 2, shot.width // 2, shot.height // 2)
        places = [shot.find(picture, lower_right) for picture in self.menu_pictures]
        return places if all(places) else None

    def choose_from_menu(self, icon, item, shot_path):
        """Opens the icon's menu with a right click and clicks the item
        ("about", "options" or "exit"): keys do not reach a menu under Wine.
        Returns the places of the menu's pictures, or None when no menu came."""
        self.click(*icon, button=3)
        places = wait_for(lambda: self.menu_places(shot_path), timeout=10, step=0.5)
        if places:
            x, y = places[MENU_ITEMS.index(item)]
            self.click(x + 8, y + 8)
        return places

    def _xdotool(self, *args):
        subprocess.run(["xdotool", *args], env=self.env, check=True, timeout=30)


def private_memory(pid):
    """(Private_Dirty, Private_Clean + Private_Dirty) of a Wine process, in kB:
    the memory it has written and holds alone, and that together with the
    pages of files that only it has mapped, such as the code of its own exe
    that it has run. An image that Wine cannot map from its file but must
    copy is dirty whole. (Pages of a file written a moment before are dirty in
    the page cache until they reach the disk.)"""
    fields = {}
    with open(f"/proc/{pid}/smaps_rollup", encoding="ascii") as rollup:
        for line in rollup:
            parts = line.split()
            if parts[0] in ("Private_Dirty:", "Private_Clean:"):
                fields[parts[0]] = int(parts[1])
    dirty = fields.get("Private_Dirty:", 0)
    return dirty, dirty + fields.get("Private_Clean:", 0)


def private_kib(pid):
    """The memory a Wine process has written and holds alone (Private_Dirty), in kB."""
    return private_memory(pid)[0]


def wait_for(condition, timeout, step=0.25):
    """Polls until condition() gives a true value; returns it, or None on time-out."""
    end = time.monotonic() + timeout
    while True:
        result = condition()
        if result or time.monotonic() > end:
            return result or None
        time.sleep(step)


def main():
    parser = argparse.ArgumentParser(description="Runs Skelvora.exe under Wine in a virtual desktop.")
    parser.add_argument("exe")
    parser.add_argument("--prefix", help="Wine prefix to use (made when missing); default: a fresh one")
    parser.add_argument("--pictures", nargs="+", default=[],
                        help="JPEG files for the Images folder of a fresh program folder")
    parser.add_argument("--screenshot", help="without a display: save the screen here, and the pages beside it")
    parser.add_argument("--seconds", type=float, default=2, help="time before the screenshot")
    args = parser.parse_args()
    stop_on_sigterm()

    display = os.environ.get("DISPLAY") or None
    with WineDesktop(prefix=args.prefix, display=display) as desktop:
        if args.pictures:
            shutil.rmtree(desktop.program_folder(), ignore_errors=True)
            os.makedirs(os.path.join(desktop.program_folder(), "Images"))
            for picture in args.pictures:
                shutil.copy(picture, os.path.join(desktop.program_folder(), "Images"))
        program = desktop.start(desktop.install(args.exe))
        if display:
            print(f"Skelvora runs on {display}; click its icon at the right of the taskbar. "
                  "It ends with Exit in the icon's menu.")
            return program.wait()
        if args.screenshot:
            os.makedirs(os.path.dirname(os.path.abspath(args.screenshot)), exist_ok=True)
            icon = show_the_main_job(desktop, args.screenshot, bool(args.pictures))
            time.sleep(args.seconds)
            desktop.screenshot(args.screenshot)
            print(f"screenshot: {args.screenshot}")
            if icon:
                show_the_pages(desktop, icon, args.screenshot)
        return 0


def show_the_main_job(desktop, screenshot, with_pictures):
    """Waits for the program's icon and, when there are pictures, clicks it
    once, as a user would, and waits for the wallpaper; the mouse stays on
    the icon, whose tip then names the picture."""
    icon = wait_for(lambda: desktop.find_tray_icon(desktop.screenshot(screenshot)), timeout=30, step=0.5)
    if not icon:
        print("no icon appeared in the notification area")
        return None
    if with_pictures:
        desktop.click(*icon)
        wallpaper = os.path.join(desktop.program_folder(), "Skelvora.bmp")
        if not wait_for(lambda: os.path.exists(wallpaper), timeout=30):
            print("no wallpaper was written")
    return icon


def show_the_pages(desktop, icon, screenshot):
    """Opens the Options and then the About page from the icon's menu and
    saves a screenshot of each beside the first one (NAME-options.png,
    NAME-about.png); Esc and Enter put each away again."""
    base, extension = os.path.splitext(screenshot)
    with tempfile.TemporaryDirectory() as work:
        for item, away in (("options", "Escape"), ("about", "Return")):
            if not desktop.choose_from_menu(icon, item, os.path.join(work, "menu.png")):
                print(f"no menu appeared for {item}")
                return
            time.sleep(2)
            desktop.move_mouse_away()
            desktop.screenshot(f"{base}-{item}{extension}")
            print(f"screenshot: {base}-{item}{extension}")
            desktop.keys(away)
            time.sleep(1)


if __name__ == "__main__":
    raise SystemExit(main())
