#!/usr/bin/env python3
"""Memory and start-up time of Skelvora.exe under Wine beside the least Win32
program with an icon in the notification area (minimal-tray.c, built here
with mingw), in one Wine desktop with a taskbar, several starts of each in
turn. Private memory is read from /proc in two measures:
  dirty: Private_Dirty, what the process has written and holds alone;
  all:   Private_Clean + Private_Dirty, that and the pages of files only it
         has mapped, above all the code of its own exe that it has run.
Skelvora is measured idle after its start, while its About page is shown and
after it was closed, twice, and then around a showing of its Options page:
the second showing of the About page tells what coming back costs
(processor time from the click that opens the icon's menu until the page is
there, and memory). The least tray program is measured once more after it
showed a window of controls and ran a thread, both gone again: what the
system itself keeps of them.
Start-up is timed from inside the desktop (tray-stopwatch.c) from the start
of the process until its icon appears. Prints medians and differences; it
measures and never fails.
    footprint.py SKELVORA.EXE --probe WINPROBE.EXE [--prefix DIR] [--starts N] [--idle SECONDS]
"""
import argparse
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "tests", "e2e"))

import testpictures  # noqa: E402
from winedesktop import ASSETS, SIZE, TASKBAR, WINE, WineDesktop, private_memory, stop_on_sigterm, wait_for  # noqa: E402

FOLDER = "Footprint"
MAIN_CLASS = "TFormSkelvora1"
PEER_CLASS = "MinimalTray"
TICK_MS = 1000 / os.sysconf("SC_CLK_TCK")
# Goals beside the least tray program, in kB and as a ratio of start-up times.
GOAL_IDLE_DIRTY, GOAL_IDLE_ALL, GOAL_AFTER_WINDOW, GOAL_START = 500, 1000, 500, 1.1


def build(work, source, subsystem, *libraries):
    exe = os.path.join(work, source.replace(".c", ".exe"))
    subprocess.run(["x86_64-w64-mingw32-gcc", "-O2", "-s", "-municode", f"-m{subsystem}", "-o", exe,
                    os.path.join(HERE, source), *libraries], check=True)
    return exe


def settled_memory(pid, idle):
    """(dirty, all) in kB after `idle` seconds: the median of a few readings."""
    time.sleep(idle)
    readings = []
    for _ in range(3):
        readings.append(private_memory(pid))
        time.sleep(0.5)
    return tuple(statistics.median(r[i] for r in readings) for i in range(2))


def tray_strip():
    """The right end of the taskbar, where the icons appear."""
    width, height = (int(n) for n in SIZE.split("x"))
    return width * 3 // 4, height - TASKBAR, width // 4, TASKBAR


def start_timed(desktop, stopwatch, command):
    """Starts the program through the stopwatch; the milliseconds until its
    icon appeared. The output goes to a file: the program started may hold
    on to a pipe for as long as it runs."""
    with tempfile.TemporaryFile() as out:
        done = subprocess.run([WINE, stopwatch, *(str(n) for n in tray_strip()), command], env=desktop.env,
                              stdout=out, stderr=subprocess.DEVNULL, timeout=60, check=False)
        out.seek(0)
        text = out.read().decode(errors="replace")
    if done.returncode != 0:
        raise RuntimeError(f"no icon appeared for {command}")
    return float(text.split()[0])


def end(desktop, window_class, name):
    desktop.close_window(window_class)
    if not wait_for(lambda: desktop.pid_of(name) is None, timeout=20):
        raise RuntimeError(f"{name} did not end")
    # The icon has left the strip before the next start is timed.
    shot = os.path.join(desktop.prefix, "footprint.png")
    wait_for(lambda: not desktop.find_tray_icon(desktop.screenshot(shot)), timeout=10, step=0.5)


def run_peer(desktop, stopwatch, idle, window=False):
    """The least tray program; with `window`, after it showed a window and
    ran a thread, both gone again when it is measured."""
    exe = desktop.windows_path(FOLDER, "minimal-tray.exe")
    options = "/window " if window else ""
    started = start_timed(desktop, stopwatch, f"{exe} {options}{desktop.windows_path(FOLDER, 'tray-icon.ico')}")
    memory = settled_memory(desktop.pid_of("minimal-tray.exe"), idle)
    end(desktop, PEER_CLASS, "minimal-tray.exe")
    return {"start": started, "idle": memory}


def show_page(desktop, item):
    """Shows a page from the icon's menu; (processor ms until it is there,
    memory while shown). On the About page the worker draws meanwhile."""
    shot = os.path.join(desktop.prefix, "footprint.png")
    icon = wait_for(lambda: desktop.find_tray_icon(desktop.screenshot(shot)), timeout=10, step=0.5)
    before = desktop.cpu_ticks("Skelvora.exe")
    if not icon or not desktop.choose_from_menu(icon, item, shot):
        raise RuntimeError("no menu appeared")
    if not wait_for(lambda: (desktop.find_window(MAIN_CLASS) or (0, False))[1], timeout=10, step=0.1):
        raise RuntimeError(f"the {item} page did not appear")
    cost = (desktop.cpu_ticks("Skelvora.exe") - before) * TICK_MS
    desktop.move_mouse_away()
    return cost, settled_memory(desktop.pid_of("Skelvora.exe"), 1)


def close_page(desktop, key):
    desktop.keys(key)
    if not wait_for(lambda: not (desktop.find_window(MAIN_CLASS) or (0, True))[1], timeout=10, step=0.2):
        raise RuntimeError("the page stayed")


def run_skelvora(desktop, stopwatch, idle):
    started = start_timed(desktop, stopwatch, desktop.windows_path(FOLDER, "Skelvora.exe"))
    pid = desktop.pid_of("Skelvora.exe")
    result = {"start": started, "idle": settled_memory(pid, idle)}
    # Enter is the About page's OK, Esc the Options page's Cancel.
    for showing, item, key in (("first", "about", "Return"), ("second", "about", "Return"),
                               ("options", "options", "Escape")):
        result[f"{showing} cost"], result[f"{showing} shown"] = show_page(desktop, item)
        close_page(desktop, key)
        result[f"after {showing}"] = settled_memory(pid, idle)
    end(desktop, MAIN_CLASS, "Skelvora.exe")
    return result


def median(runs, key, index=None):
    return statistics.median(run[key] if index is None else run[key][index] for run in runs)


def verdict(met):
    return "met" if met else "MISSED"


def report(peer, floor, skelvora):
    print(f"\nprivate memory, kB (median of {len(skelvora)} starts)      dirty       all")
    rows = [("minimal tray program, idle", peer, "idle"),
            ("minimal tray, window and thread gone", floor, "idle"), ("Skelvora, idle", skelvora, "idle"),
            ("Skelvora, About shown", skelvora, "first shown"), ("Skelvora, About closed", skelvora, "after first"),
            ("Skelvora, About shown again", skelvora, "second shown"),
            ("Skelvora, About closed again", skelvora, "after second"),
            ("Skelvora, then Options shown", skelvora, "options shown"),
            ("Skelvora, Options closed", skelvora, "after options")]
    for name, runs, key in rows:
        print(f"  {name:42s} {median(runs, key, 0):8.0f}  {median(runs, key, 1):8.0f}")
    dirty = median(skelvora, "idle", 0) - median(peer, "idle", 0)
    everything = median(skelvora, "idle", 1) - median(peer, "idle", 1)
    after = max(median(skelvora, "after first", i) - median(skelvora, "idle", i) for i in range(2))
    print(f"idle above the least tray program: dirty {dirty:+.0f} kB (goal <= +{GOAL_IDLE_DIRTY}: "
          f"{verdict(dirty <= GOAL_IDLE_DIRTY)}), all {everything:+.0f} kB "
          f"(goal <= +{GOAL_IDLE_ALL}: {verdict(everything <= GOAL_IDLE_ALL)})")
    print(f"after the About page was closed, above idle: dirty "
          f"{median(skelvora, 'after first', 0) - median(skelvora, 'idle', 0):+.0f} kB, all "
          f"{median(skelvora, 'after first', 1) - median(skelvora, 'idle', 1):+.0f} kB "
          f"(goal within {GOAL_AFTER_WINDOW}: {verdict(after <= GOAL_AFTER_WINDOW)})")
    print(f"what the system keeps of a window and a thread that are gone, in the least tray program: dirty "
          f"{median(floor, 'idle', 0) - median(peer, 'idle', 0):+.0f} kB, all "
          f"{median(floor, 'idle', 1) - median(peer, 'idle', 1):+.0f} kB")
    print(f"showing the About page: first {median(skelvora, 'first cost'):.0f} ms of processor time, "
          f"second {median(skelvora, 'second cost'):.0f} ms; then the Options page "
          f"{median(skelvora, 'options cost'):.0f} ms (clock ticks of {TICK_MS:.0f} ms)")
    ratio = median(skelvora, "start") / median(peer, "start")
    print(f"start-up to the tray icon: minimal tray program {median(peer, 'start'):.0f} ms, "
          f"Skelvora {median(skelvora, 'start'):.0f} ms, ratio {ratio:.2f} "
          f"(goal <= {GOAL_START}: {verdict(ratio <= GOAL_START)})")


def sections(exe):
    """(file size, bytes in debug sections, file alignment) of a PE file."""
    out = subprocess.run(["x86_64-w64-mingw32-objdump", "-h", "-p", exe], check=True, text=True,
                         stdout=subprocess.PIPE).stdout
    debug = 0
    alignment = 0
    for line in out.splitlines():
        parts = line.split()
        if len(parts) > 2 and parts[1].startswith(".debug"):
            debug += int(parts[2], 16)
        if parts[:1] == ["FileAlignment"]:
            alignment = int(parts[1], 16)
    return os.path.getsize(exe), debug, alignment


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("exe")
    parser.add_argument("--probe", required=True, help="the end-to-end tests' winprobe.exe")
    parser.add_argument("--prefix", help="Wine prefix to use; default: a fresh one")
    parser.add_argument("--starts", type=int, default=5, help="starts of each program")
    parser.add_argument("--idle", type=float, default=4, help="seconds of idling before the readings")
    args = parser.parse_args()
    stop_on_sigterm()

    size, debug, alignment = sections(args.exe)
    print(f"Skelvora.exe: {size / 1024:.0f} KiB on disk, {debug / 1024:.0f} KiB of debug sections, "
          f"file alignment {alignment} bytes")
    with tempfile.TemporaryDirectory() as work, \
            WineDesktop(prefix=args.prefix, probe=os.path.abspath(args.probe)) as desktop:
        folder = desktop.program_folder(FOLDER)
        shutil.rmtree(folder, ignore_errors=True)
        testpictures.make_all(os.path.join(folder, "Images"))
        shutil.copy(args.exe, os.path.join(folder, "Skelvora.exe"))
        for exe in (build(work, "minimal-tray.c", "windows", "-lshell32", "-lgdi32"),
                    build(work, "tray-stopwatch.c", "console", "-lgdi32")):
            shutil.copy(exe, folder)
        shutil.copy(os.path.join(ASSETS, "tray-icon.ico"), folder)
        # Pages of a file just written stay dirty in the page cache, and would
        # count as the process's own until they reach the disk.
        os.sync()
        stopwatch = desktop.windows_path(FOLDER, "tray-stopwatch.exe")
        peer, floor, skelvora = [], [], []
        # The programs take turns, so that a busy moment of the machine hits both.
        for _ in range(args.starts):
            peer.append(run_peer(desktop, stopwatch, args.idle))
            floor.append(run_peer(desktop, stopwatch, args.idle, window=True))
            skelvora.append(run_skelvora(desktop, stopwatch, args.idle))
    report(peer, floor, skelvora)
    return 0


if __name__ == "__main__":
    raise SystemExit(main())
