#!/usr/bin/env python3
"""End-to-end tests of the real Skelvora.exe under Wine, on a private X display
with a fresh Wine prefix; both go away at the end, failed or not.
Prints one PASS or FAIL line per case and a closing "N passed, M failed" line;
exits non-zero when a case failed.
    run_e2e.py --exe Skelvora.exe --probe winprobe.exe [--out DIR]
"""
import argparse
import os
import sys
import time

from winedesktop import WineDesktop, stop_on_sigterm, wait_for

MAIN_CLASS = "TFormSkelvora1"
RUN_KEY = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Run"
DESKTOP_KEY = r"HKCU\Control Panel\Desktop"


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


class Cases:
    """The cases, in order; each builds on the state the previous ones left."""

    def __init__(self, desktop, exe, out):
        self.desktop = desktop
        self.out = out
        self.exe = desktop.install(exe)
        self.first = None
        self.first_window = None

    def shot(self, name):
        self.desktop.screenshot(os.path.join(self.out, name))

    def traces(self):
        """What a start could change: the program folder and the registry values."""
        folder = sorted(os.listdir(self.desktop.program_folder()))
        return (folder, self.desktop.reg_query(RUN_KEY, "Skelvora"),
                self.desktop.reg_query(DESKTOP_KEY, "Wallpaper"))

    def the_program_starts_and_keeps_running(self):
        self.first = self.desktop.start(self.exe)
        found = wait_for(lambda: self.desktop.find_window(MAIN_CLASS), timeout=30)
        check(found, f"no window of class {MAIN_CLASS} appeared")
        time.sleep(2)
        check(self.first.poll() is None, f"the program ended with exit code {self.first.returncode}")
        again = self.desktop.find_window(MAIN_CLASS)
        check(again and again[0] == found[0], "the main window went away")
        self.first_window = again
        self.shot("started.png")

    def a_second_start_ends_at_once_and_the_first_goes_on(self):
        check(self.first_window, "the first instance is not running")
        before = self.traces()
        started = time.monotonic()
        code, _ = self.desktop.wine(self.exe, timeout=30)
        took = time.monotonic() - started
        check(code == 0, f"the second start ended with exit code {code}")
        check(took < 10, f"the second start took {took:.1f} s")
        check(self.traces() == before, f"the second start changed {before} into {self.traces()}")
        time.sleep(1)
        check(self.first.poll() is None, "the first instance ended")
        check(self.desktop.find_window(MAIN_CLASS) == self.first_window,
              "the first instance's main window changed")
        print(f"      second start ended in {took:.2f} s")

    def closing_the_main_window_ends_the_program(self):
        check(self.first_window, "the first instance is not running")
        check(self.desktop.close_window(MAIN_CLASS), "could not post the close message")
        ended = wait_for(lambda: self.first.poll() is not None, timeout=20)
        check(ended, "the program still runs 20 s after its main window was closed")
        check(self.first.returncode == 0, f"the program ended with exit code {self.first.returncode}")
        check(self.desktop.find_window(MAIN_CLASS) is None, "the main window is still there")

    def all(self):
        return [self.the_program_starts_and_keeps_running,
                self.a_second_start_ends_at_once_and_the_first_goes_on,
                self.closing_the_main_window_ends_the_program]


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--exe", required=True)
    parser.add_argument("--probe", required=True)
    parser.add_argument("--out", default="e2e-out", help="folder for the screenshots")
    args = parser.parse_args()
    stop_on_sigterm()
    os.makedirs(args.out, exist_ok=True)

    passed = failed = 0
    started = time.monotonic()
    with WineDesktop(probe=os.path.abspath(args.probe)) as desktop:
        print(f"e2e: Wine desktop ready in {time.monotonic() - started:.1f} s", flush=True)
        cases = Cases(desktop, os.path.abspath(args.exe), args.out)
        for case in cases.all():
            name = case.__name__.replace("_", " ")
            try:
                case()
                passed += 1
                print(f"PASS {name}", flush=True)
            except Failure as failure:
                failed += 1
                print(f"FAIL {name}: {failure}", flush=True)
            except Exception as error:  # a broken harness step is a failed case too
                failed += 1
                print(f"FAIL {name}: {type(error).__name__}: {error}", flush=True)
    print(f"e2e: {time.monotonic() - started:.1f} s in all; screenshots in {args.out}")
    print(f"{passed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
