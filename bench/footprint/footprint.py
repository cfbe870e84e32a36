#!/usr/bin/env python3
"""Idle memory of Skelvora.exe under Wine beside the least Win32 program with
an icon in the notification area (minimal-tray.c, built here with mingw).
Both run in the same Wine desktop with a taskbar, one after the other; once
each has shown its icon and sat idle, the private memory of its process is
read from /proc (resident pages that no other process shares: the heap, and
whatever of the exe image Wine had to copy). Prints the figures and the
difference; it measures and never fails.
    footprint.py SKELVORA.EXE [--prefix DIR] [--idle SECONDS]
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
from winedesktop import ASSETS, WineDesktop, private_kib, stop_on_sigterm, wait_for  # noqa: E402

TARGET_MIB = 1.5


def build_peer(work):
    exe = os.path.join(work, "minimal-tray.exe")
    subprocess.run(["x86_64-w64-mingw32-gcc", "-O2", "-s", "-municode", "-mwindows", "-o", exe,
                    os.path.join(HERE, "minimal-tray.c"), "-lshell32"], check=True)
    return exe


def idle_memory(desktop, command, idle, samples=5):
    """Starts the program, waits for its icon and the idle time, and returns
    the median of a few readings of its private memory (KiB)."""
    process = desktop.start(*command)
    try:
        shot = os.path.join(desktop.prefix, "footprint.png")
        if not wait_for(lambda: desktop.find_tray_icon(desktop.screenshot(shot)) or process.poll() is not None,
                        timeout=30, step=0.5):
            print(f"  {command[0]}: no icon appeared")
        time.sleep(idle)
        readings = []
        for _ in range(samples):
            readings.append(private_kib(process.pid))
            time.sleep(0.5)
        return statistics.median(readings)
    finally:
        subprocess.run(["/usr/lib/wine/wineserver", "-k"], env=desktop.env, check=False)
        process.wait(timeout=30)
        desktop.start("explorer", "/desktop=shell,1024x768")
        time.sleep(2)


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
    parser.add_argument("--prefix", help="Wine prefix to use; default: a fresh one")
    parser.add_argument("--idle", type=float, default=5, help="seconds of idling before the readings")
    args = parser.parse_args()
    stop_on_sigterm()

    size, debug, alignment = sections(args.exe)
    print(f"Skelvora.exe: {size / 1024:.0f} KiB on disk, {debug / 1024:.0f} KiB of debug sections, "
          f"file alignment {alignment} bytes")
    with tempfile.TemporaryDirectory() as work, WineDesktop(prefix=args.prefix) as desktop:
        peer = build_peer(work)
        folder = desktop.program_folder("Footprint")
        shutil.rmtree(folder, ignore_errors=True)
        testpictures.make_all(os.path.join(folder, "Images"))
        shutil.copy(args.exe, os.path.join(folder, "Skelvora.exe"))
        shutil.copy(peer, os.path.join(folder, "minimal-tray.exe"))
        shutil.copy(os.path.join(ASSETS, "tray-icon.ico"), folder)
        # Pages of a file just written stay dirty in the page cache, and would
        # count as the process's own until they reach the disk.
        os.sync()
        peer = [desktop.windows_path("Footprint", "minimal-tray.exe"), desktop.windows_path("Footprint", "tray-icon.ico")]
        peer_kib = idle_memory(desktop, peer, args.idle)
        skelvora_kib = idle_memory(desktop, [desktop.windows_path("Footprint", "Skelvora.exe")], args.idle)
    difference = (skelvora_kib - peer_kib) / 1024
    print(f"idle private memory under Wine: minimal tray program {peer_kib / 1024:.2f} MiB, "
          f"Skelvora {skelvora_kib / 1024:.2f} MiB")
    print(f"Skelvora costs {difference:+.2f} MiB more (target: +{TARGET_MIB} MiB or less), "
          f"ratio {skelvora_kib / peer_kib:.2f}")
    return 0


if __name__ == "__main__":
    raise SystemExit(main())
