#!/usr/bin/env python3
"""End-to-end tests of the real Skelvora.exe under Wine, on a private X display
with a fresh Wine prefix whose desktop has a taskbar; both go away at the end,
failed or not. The program is driven as a user drives it, with real mouse
clicks on its icon in the taskbar's notification area and in its menu, with
mouse and keyboard in its window (window_cases.py), and as users break it
(fault_cases.py). What is checked is what a user or another program sees:
windows, their places, texts and focus, the icon on the screen, the
wallpaper on the desktop, Skelvora.bmp, Skelvora.ini, the registry.
Each case sets up the program folder, settings and registry values it needs
(stage.py), so that any of them runs alone or in any order.
Prints one PASS or FAIL line per case and a closing "N passed, M failed" line;
exits non-zero when a case failed.
    run_e2e.py --exe Skelvora.exe --probe winprobe.exe [--out DIR] [--order ORDER [--seed N]] [CASE...]
    run_e2e.py --list
"""
import argparse
import os
import random
import re
import struct
import subprocess
import sys
import tempfile
import time

import layout
import raster
import testpictures
from checks import Failure, check
from animation_cases import AnimationCases
from fault_cases import FaultCases
from stage import ELSEWHERE, FOLDER, SAVED, Stage
from window_cases import WindowCases
from winedesktop import TASKBAR, WineDesktop, private_kib, stop_on_sigterm, wait_for

MAIN_CLASS = "TFormSkelvora1"
MENU_CLASS = "#32768"  # the system's popup menu windows
REPORT_CLASS = "#32770"  # the system's message boxes
RUN_KEY = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Run"
DESKTOP_KEY = r"HKCU\Control Panel\Desktop"
FIRST_FOLDER = "First"  # a program folder without Images
LARGE_FOLDER = "Large"  # a program folder with one picture larger than the screen
N = len(testpictures.PICTURES)


def read_bytes(path):
    try:
        with open(path, "rb") as f:
            return f.read()
    except FileNotFoundError:
        return None


def bmp_header(data):
    """(width, height, bits per pixel) of a BMP file."""
    check(data[:2] == b"BM", "not a BMP file")
    width, height, _, bits = struct.unpack_from("<iiHH", data, 18)
    return width, height, bits


def djpeg_decoding(jpeg, gray):
    """libjpeg-turbo's own decoding of the picture, as the wallpaper file should
    hold it (grey pictures through a table of 236 colours)."""
    with tempfile.TemporaryDirectory() as work:
        out = os.path.join(work, "peer.bmp")
        colours = ["-colors", "236"] if gray else []
        subprocess.run(["djpeg", "-dct", "float", *colours, "-bmp", "-outfile", out, jpeg], check=True, timeout=60)
        return raster.load(out)


class Cases(Stage, WindowCases, AnimationCases, FaultCases):
    """The cases, each beginning with the world it sets up."""

    folder_name = FOLDER

    def __init__(self, desktop, exe, out):
        self.desktop = desktop
        self.out = out
        self.exe_file = exe
        self.program = None  # the running instance
        self.icon = None  # the centre of its icon on the screen
        self.order = {}  # the pictures shown so far, by number

    # -- helpers -------------------------------------------------------------

    def folder(self, *names):
        return os.path.join(self.desktop.program_folder(FOLDER), *names)

    def shot(self, name):
        return self.desktop.screenshot(os.path.join(self.out, name))

    def tray_icon(self, name):
        return self.desktop.find_tray_icon(self.shot(name))

    def settings(self):
        data = read_bytes(self.folder("Skelvora.ini"))
        return data and data.decode("latin-1")

    def window(self, window_class=MAIN_CLASS):
        """(handle, visible, caption) of the window, or (0, False, "") when there is none."""
        return self.desktop.find_window(window_class) or (0, False, "")

    def image_number(self):
        found = re.search(r"^ImageN=(\d+)\r?$", self.settings() or "", re.MULTILINE)
        return found and int(found[1])

    def next_number(self):
        """The number of the picture the next change shows: one past the last
        picture starts again at the first; without a number, the first."""
        return ((self.image_number() or 1) - 1) % N + 1

    def start(self, exe):
        self.program = self.desktop.start(exe)
        window = wait_for(lambda: self.desktop.find_window(MAIN_CLASS), timeout=30)
        check(window, f"no window of class {MAIN_CLASS} appeared")
        icon = wait_for(lambda: self.tray_icon("tray.png"), timeout=15, step=0.5)
        check(icon, "no icon in the notification area")
        check(self.program.poll() is None, f"the program ended with exit code {self.program.returncode}")
        return icon

    def started_hidden(self):
        icon = self.start(self.desktop.windows_path(FOLDER, "Skelvora.exe"))
        hidden = wait_for(lambda: not self.window()[1], timeout=10)
        check(hidden, "the main window is visible")
        self.icon = icon

    def ended(self, how):
        ended = wait_for(lambda: self.program.poll() is not None, timeout=20)
        check(ended, f"the program still runs 20 s after {how}")
        check(self.program.returncode == 0, f"the program ended with exit code {self.program.returncode}")
        check(self.desktop.find_window(MAIN_CLASS) is None, "the main window is still there")

    def closed(self):
        """Closes the main window, which ends the program."""
        check(self.desktop.close_window(MAIN_CLASS), "could not post the close message")
        self.ended("its main window was closed")

    def taskbar_buttons(self, shot):
        """True when the taskbar between the Start button and the notification
        area shows anything but its background."""
        top = shot.height - 18
        background = shot.pixel(shot.width // 2, shot.height - 2)
        return any(shot.pixel(x, y) != background for y in range(top, top + 16, 3)
                   for x in range(80, shot.width * 3 // 4, 2))

    def click_icon_for_a_change(self, number, clicks=1, desktop_shows_it=True):
        """A left click (or double click) on the icon; returns the picture that
        the change showed, after checking the caption, the settings,
        Skelvora.bmp and the desktop."""
        check(self.image_number() != number + 1, f"ImageN is {number + 1} before the click")
        self.desktop.click(*self.icon, repeat=clicks)
        self.desktop.move_mouse_away()
        saved = wait_for(lambda: self.image_number() == number + 1, timeout=20)
        check(saved, f"Skelvora.ini holds {self.settings()!r}, not ImageN={number + 1}")
        caption = self.window()[2]
        prefix, suffix = "Skelvora - ", f" ({number}/{N})"
        check(caption.startswith(prefix) and caption.endswith(suffix), f"caption {caption!r}")
        picture = testpictures.by_name(caption[len(prefix):-len(suffix)])
        check(picture, f"caption {caption!r} names no test picture")
        if number in self.order:
            check(picture is self.order[number], f"picture {number} is now {picture.name}, "
                                                 f"before it was {self.order[number].name}")
        else:
            check(picture not in self.order.values(), f"{picture.name} came before")
        bitmap = self.check_wallpaper_file(picture)
        if desktop_shows_it:
            self.check_desktop(picture, bitmap, f"picture-{number}.png")
        self.order[number] = picture
        return picture

    def ended_after_the_first_picture(self):
        """A fresh start whose click shows the first picture, which the
        cases then know, and the program's end."""
        self.set_up()
        self.click_icon_for_a_change(1)
        self.closed()

    def check_wallpaper_file(self, picture):
        """Returns the pixels of Skelvora.bmp once they are found right."""
        width, height, bits = bmp_header(read_bytes(self.folder("Skelvora.bmp")))
        expected = (picture.width, picture.height, 8 if picture.gray else 24)
        check((width, height, bits) == expected, f"Skelvora.bmp is {width}x{height}x{bits}, not {expected}")
        bitmap = raster.load(self.folder("Skelvora.bmp"))
        jpeg = os.path.join(self.folder("Images"), *picture.name.split("\\"))
        check(bitmap.rgb() == djpeg_decoding(jpeg, picture.gray).rgb(),
              f"Skelvora.bmp's pixels differ from djpeg's decoding of {picture.name}")
        for x, y, colour in picture.quadrant_centres():
            check(raster.near(bitmap.pixel(x, y), colour, 8),
                  f"Skelvora.bmp has {bitmap.pixel(x, y)[:3]} at {x},{y}, not {colour}")
        return bitmap

    def check_desktop(self, picture, bitmap, shot_name):
        """The desktop shows Skelvora.bmp centred, pixel for pixel (the shell
        repaints the desktop in its own time)."""
        def shows_it():
            shot = self.shot(shot_name)
            left, top = (shot.width - picture.width) // 2, (shot.height - picture.height) // 2
            return shot.crop(left, top, picture.width, picture.height).rgb() == bitmap.rgb()
        if not wait_for(shows_it, timeout=10, step=0.5):
            shot = raster.load(os.path.join(self.out, shot_name))
            x, y, colour = picture.quadrant_centres()[0]
            x, y = x + (shot.width - picture.width) // 2, y + (shot.height - picture.height) // 2
            raise Failure(f"the desktop does not show {picture.name} centred ({shot_name}): "
                          f"{shot.pixel(x, y)[:3]} at {x},{y}, not {colour}")

    # -- the cases -----------------------------------------------------------

    def the_first_start_makes_images_and_shows_the_options_page(self):
        self.clear_desktop()
        exe = self.fresh_folder(FIRST_FOLDER)
        folder = self.desktop.program_folder(FIRST_FOLDER)
        self.start(exe)
        shown = wait_for(lambda: self.window()[1], timeout=10)
        check(shown, "the main window is not visible")
        check(os.path.isdir(os.path.join(folder, "Images")), "Images was not made")
        caption = self.window()[2]
        check(caption == "Skelvora - (1/0)", f"caption {caption!r}")
        check(wait_for(lambda: self.taskbar_buttons(self.shot("first-start.png")), timeout=10, step=0.5),
              "no taskbar button for the shown window (first-start.png)")
        wallpaper = self.desktop.reg_query(DESKTOP_KEY, "Wallpaper")
        check(wallpaper == self.desktop.windows_path(FIRST_FOLDER, "SKELVORA.BMP"), f"Wallpaper is {wallpaper!r}")
        run = self.desktop.reg_query(RUN_KEY, "Skelvora")
        check(run is None, f"the Run value {run!r} was made")
        made = sorted(os.listdir(folder))
        check(made == ["Images", "Skelvora.exe"], f"the program folder holds {made}")
        # The Options page alone, whose OK saves and hides the window.
        page = self.read_page(layout.OPTIONS)
        check(page and page.tabs["tabs"] == 1, "the first start does not show the Options page alone")
        self.click_control(page, "BitBtn3")
        self.hides("OK")
        settings = read_bytes(os.path.join(folder, "Skelvora.ini"))
        check(settings == b"[Options]\r\nInterval=5\r\nRandomize=0\r\nLng=Ukraine\r\nActiveDesktop=0\r\n",
              f"Skelvora.ini holds {settings!r}")
        check(self.program.poll() is None, "OK ended the program")
        self.closed()
        check(not self.tray_icon("first-ended.png"), "the icon stayed in the notification area")

    def a_normal_start_hides_to_the_tray_and_points_the_wallpaper_at_its_file(self):
        self.set_up(run=ELSEWHERE, started=False)
        self.started_hidden()
        caption = self.window()[2]
        check(caption == f"Skelvora - (1/{N})", f"caption {caption!r}: the folder album.jpg counts as a picture?")
        check(wait_for(lambda: not self.taskbar_buttons(self.shot("started.png")), timeout=10, step=0.5),
              "the taskbar shows a button (started.png)")
        wallpaper = self.desktop.reg_query(DESKTOP_KEY, "Wallpaper")
        check(wallpaper == self.desktop.windows_path(FOLDER, "SKELVORA.BMP"), f"Wallpaper is {wallpaper!r}")
        run = self.desktop.reg_query(RUN_KEY, "Skelvora")
        check(run == self.desktop.windows_path(FOLDER, "Skelvora.exe"), f"the Run value is {run!r}")
        made = sorted(os.listdir(self.folder()))
        check(made == ["English.lng", "Images", "Skelvora.exe"], f"the program folder holds {made}")

    def a_second_start_ends_at_once_and_the_first_goes_on(self):
        self.set_up(run=ELSEWHERE)
        first_window = self.desktop.find_window(MAIN_CLASS)
        before = (sorted(os.listdir(self.folder())), self.desktop.reg_query(RUN_KEY, "Skelvora"),
                  self.desktop.reg_query(DESKTOP_KEY, "Wallpaper"))
        started = time.monotonic()
        code, _ = self.desktop.wine(self.desktop.windows_path(FOLDER, "Skelvora.exe"), timeout=30)
        took = time.monotonic() - started
        check(code == 0, f"the second start ended with exit code {code}")
        check(took < 10, f"the second start took {took:.1f} s")
        after = (sorted(os.listdir(self.folder())), self.desktop.reg_query(RUN_KEY, "Skelvora"),
                 self.desktop.reg_query(DESKTOP_KEY, "Wallpaper"))
        check(after == before, f"the second start changed {before} into {after}")
        time.sleep(1)
        check(self.program.poll() is None, "the first instance ended")
        check(self.desktop.find_window(MAIN_CLASS) == first_window, "the first instance's main window changed")
        print(f"      second start ended in {took:.2f} s")

    def a_left_click_on_the_icon_puts_the_first_picture_on_the_desktop(self):
        self.set_up()
        picture = self.click_icon_for_a_change(1)
        settings = read_bytes(self.folder("Skelvora.ini"))
        check(settings == b"[Options]\r\nImageN=2\r\n", f"Skelvora.ini holds {settings!r}")
        check("\\" not in picture.name, f"the subfolder's {picture.name} came first")
        check(not self.window()[1], "the main window became visible")

    def a_right_click_opens_the_menu_and_exit_saves_the_number_and_ends(self):
        self.set_up(settings={"ImageN": "2"})
        # The program does not read the file again: Exit must write its own number.
        self.write_settings({"ImageN": "9"})
        self.desktop.click(*self.icon, button=3)
        menu = wait_for(lambda: self.window(MENU_CLASS)[1], timeout=10)
        check(menu, "no menu appeared")
        check(self.image_number() == 9, "the right click changed the wallpaper")
        # The items About, Options, Exit, one below the other, each with its picture.
        places = wait_for(lambda: self.desktop.menu_places(os.path.join(self.out, "menu.png")), timeout=10, step=0.5)
        check(places, "the menu does not show the pictures of About, Options and Exit (menu.png)")
        check(len({x for x, _ in places}) == 1 and places[0][1] < places[1][1] < places[2][1],
              f"the menu's pictures are at {places} (menu.png)")
        # Under Wine the keys go to the window that has the X focus, never to
        # a menu of a program without a visible window: the mouse chooses.
        exit_item = places[2]
        self.desktop.click(exit_item[0] + 8, exit_item[1] + 8)
        self.ended("Exit was chosen")
        check(self.image_number() == 2, f"Skelvora.ini holds {self.settings()!r} after Exit")
        check(not self.tray_icon("ended.png"), "the icon stayed in the notification area")

    def a_restart_goes_on_with_the_next_picture(self):
        self.ended_after_the_first_picture()
        settings = self.settings()
        self.started_hidden()
        caption = self.window()[2]
        check(caption == f"Skelvora - (2/{N})", f"caption {caption!r}")
        check(self.settings() == settings, "the start changed Skelvora.ini")
        picture = self.click_icon_for_a_change(2)
        check("\\" not in picture.name, f"the subfolder's {picture.name} came second")

    def the_subfolder_picture_comes_last_and_then_the_first_again(self):
        self.set_up()
        for number in range(1, N):
            self.click_icon_for_a_change(number)
        picture = self.click_icon_for_a_change(N)
        check(picture.name == "літо\\море.jpg", f"picture {N} is {picture.name}")
        self.click_icon_for_a_change(1)

    def a_broken_picture_is_reported_by_name_and_the_rotation_moves_past_it(self):
        self.ended_after_the_first_picture()
        self.write_settings({"ImageN": "1"})
        self.started_hidden()
        number = self.next_number()
        picture = self.order[number]
        jpeg = os.path.join(self.folder("Images"), *picture.name.split("\\"))
        good = read_bytes(jpeg)
        open(jpeg, "wb").close()
        wallpaper, caption = read_bytes(self.folder("Skelvora.bmp")), self.window()[2]
        self.desktop.click(*self.icon)
        report = wait_for(lambda: self.window(REPORT_CLASS)[1], timeout=10)
        check(report, "no failure report appeared")
        self.shot("failure.png")
        check(self.window(REPORT_CLASS)[2] == "Skelvora", f"the report's caption is {self.window(REPORT_CLASS)[2]!r}")
        texts = self.desktop.window_texts(REPORT_CLASS)
        expected = f"{self.desktop.windows_path(FOLDER, 'Images')}\\{picture.name}: JPEG error #41."
        check(expected in texts, f"the report shows {texts}, not {expected!r}")
        check((read_bytes(self.folder("Skelvora.bmp")), self.window()[2]) == (wallpaper, caption),
              "the failed change changed the wallpaper or the caption")
        check(self.image_number() == number + 1, f"Skelvora.ini holds {self.settings()!r}: the rotation stays")
        check(self.desktop.close_window(REPORT_CLASS), "could not close the report")
        check(wait_for(lambda: not self.window(REPORT_CLASS)[1], timeout=10), "the report stays")
        with open(jpeg, "wb") as f:
            f.write(good)
        self.click_icon_for_a_change(number % N + 1)

    def a_double_click_changes_once_and_a_middle_click_not_at_all(self):
        self.set_up()
        self.click_icon_for_a_change(self.next_number(), clicks=2)
        self.desktop.click(*self.icon, button=2)
        # Had either changed the wallpaper once more, ImageN would now be one more or a picture past.
        self.click_icon_for_a_change(self.next_number())

    def a_burst_of_clicks_changes_one_picture_at_a_time(self):
        """Three hundred clicks as fast as the tray takes them: no click may
        start a change inside another (the shell delivers clicks while it
        tells the other windows of the new wallpaper)."""
        self.set_up()
        before = private_kib(self.program.pid)
        self.desktop.burst_of_clicks(*self.icon, clicks=300)
        self.desktop.move_mouse_away()
        check(wait_for(self.settled, timeout=60, step=1), "the program is still changing a minute after the clicks")
        check(self.program.poll() is None, f"the program ended with exit code {self.program.returncode}")
        check(not self.window(REPORT_CLASS)[1], f"a failure was reported: {self.desktop.window_texts(REPORT_CLASS)}")
        caption = self.window()[2]
        found = re.fullmatch(rf"Skelvora - (.+) \((\d+)/{N}\)", caption)
        check(found and testpictures.by_name(found[1]), f"caption {caption!r}")
        number = int(found[2])
        check(1 <= number <= N, f"caption {caption!r} shows a number beyond {N}")
        check(self.image_number() == number + 1, f"caption {caption!r} but ImageN={self.image_number()}")
        self.check_wallpaper_file(testpictures.by_name(found[1]))
        # Memory of the clicks' messages goes back to the heap; the heap may keep it.
        after = private_kib(self.program.pid)
        print(f"      private memory {before / 1024:.2f} MiB before the clicks, {after / 1024:.2f} MiB after")
        check(after - before < 2048, f"private memory grew by {(after - before) / 1024:.1f} MiB")
        self.order = {}  # the clicks moved the rotation on
        self.click_icon_for_a_change(number % N + 1)

    def settled(self):
        """True once caption and settings have not changed for two seconds."""
        state = (self.window()[2], self.settings())
        time.sleep(2)
        return state == (self.window()[2], self.settings())

    def closing_the_main_window_ends_the_program(self):
        self.set_up()
        self.closed()

    def in_active_desktop_mode_a_click_writes_the_wallpaper_file_too(self):
        self.set_up(settings=dict(SAVED, ActiveDesktop="1"))
        # Wine's Active Desktop object applies nothing, so the desktop stays as it was.
        self.click_icon_for_a_change(self.next_number(), desktop_shows_it=False)
        check(not self.window(REPORT_CLASS)[1], "a failure was reported")
        self.closed()

    def exit_with_a_read_only_settings_file_reports_it_and_still_ends(self):
        self.set_up(settings=SAVED)
        os.chmod(self.folder("Skelvora.ini"), 0o444)
        settings = self.settings()
        try:
            check(self.desktop.choose_from_menu(self.icon, "exit", os.path.join(self.out, "menu.png")),
                  "no menu appeared")
            check(wait_for(lambda: self.window(REPORT_CLASS)[1], timeout=10), "no failure report appeared")
            texts = self.desktop.window_texts(REPORT_CLASS)
            expected = f"Unable to write to {self.desktop.windows_path(FOLDER, 'Skelvora.ini')}."
            check(expected in texts, f"the report shows {texts}")
            check(self.desktop.close_window(REPORT_CLASS), "could not close the report")
            self.ended("Exit was chosen and its report closed")
            check(self.settings() == settings, "Skelvora.ini changed")
        finally:
            os.chmod(self.folder("Skelvora.ini"), 0o644)

    def a_picture_larger_than_the_screen_shows_its_middle_as_windows_centres_it(self):
        """The desktop's centre style shows the middle of a larger picture:
        the file holds just that, so Wine, which shows a larger file from its
        top-left corner, shows what Windows shows of the full-size file."""
        self.clear_desktop()
        exe = self.fresh_folder(LARGE_FOLDER)
        folder = self.desktop.program_folder(LARGE_FOLDER)
        jpeg = os.path.join(folder, "Images", "photo.jpg")
        testpictures.make_photograph(jpeg, 1600, 1200)
        self.icon = self.start(exe)
        check(wait_for(lambda: not self.window()[1], timeout=10), "the main window is visible")
        self.desktop.click(*self.icon)
        self.desktop.move_mouse_away()
        check(wait_for(lambda: self.window()[2] == "Skelvora - photo.jpg (1/1)", timeout=20),
              f"caption {self.window()[2]!r}")
        shot = self.shot("large.png")
        wallpaper = os.path.join(folder, "Skelvora.bmp")
        size = bmp_header(read_bytes(wallpaper))
        check(size == (shot.width, shot.height, 24), f"Skelvora.bmp is {size}, not the screen's {shot.width}x{shot.height}")
        middle = djpeg_decoding(jpeg, gray=False).crop((1600 - shot.width) // 2, (1200 - shot.height) // 2,
                                                       shot.width, shot.height)
        check(raster.load(wallpaper).rgb() == middle.rgb(), "Skelvora.bmp is not the middle of the whole decoding")
        # The taskbar's rows show the taskbar, or the wallpaper until Wine redraws it.
        above_taskbar = middle.crop(0, 0, shot.width, shot.height - TASKBAR).rgb()
        shows_it = wait_for(lambda: self.shot("large.png").crop(0, 0, shot.width, shot.height - TASKBAR).rgb() ==
                            above_taskbar, timeout=10, step=0.5)
        check(shows_it, "the desktop does not show the middle of the picture (large.png)")
        check(self.desktop.close_window(MAIN_CLASS), "could not post the close message")
        self.ended("its main window was closed")

    def all(self):
        """Every case, in the order of a whole run."""
        return [self.the_first_start_makes_images_and_shows_the_options_page,
                self.a_normal_start_hides_to_the_tray_and_points_the_wallpaper_at_its_file,
                self.a_second_start_ends_at_once_and_the_first_goes_on,
                self.a_left_click_on_the_icon_puts_the_first_picture_on_the_desktop,
                self.a_right_click_opens_the_menu_and_exit_saves_the_number_and_ends,
                self.a_restart_goes_on_with_the_next_picture,
                self.the_subfolder_picture_comes_last_and_then_the_first_again,
                self.a_broken_picture_is_reported_by_name_and_the_rotation_moves_past_it,
                self.a_double_click_changes_once_and_a_middle_click_not_at_all,
                self.a_new_taskbar_gets_the_icon_back_and_its_menu_works,
                self.a_burst_of_clicks_changes_one_picture_at_a_time,
                *self.animation_cases(),
                *self.window_cases(),
                *self.fault_cases(),
                self.closing_the_main_window_ends_the_program,
                self.in_active_desktop_mode_a_click_writes_the_wallpaper_file_too,
                self.exit_with_a_read_only_settings_file_reports_it_and_still_ends,
                self.a_picture_larger_than_the_screen_shows_its_middle_as_windows_centres_it,
                self.at_144_pixels_per_inch_the_layout_scales]


def case_names():
    return [case.__name__ for case in Cases(None, None, None).all()]


def chosen(names, order, seed):
    """The names of the cases to run: those given (all when none), in the
    order given, reversed or shuffled. A name may have spaces for
    underscores, as the results show it."""
    picked = [name.replace(" ", "_") for name in names] or case_names()
    unknown = [name for name in picked if name not in case_names()]
    if unknown:
        raise SystemExit(f"no case named {', '.join(unknown)}; --list names them")
    if order == "reversed":
        picked.reverse()
    elif order == "shuffled":
        random.Random(seed).shuffle(picked)
    return picked


def run(case):
    """Runs a case and prints its PASS or FAIL line; True when it passed."""
    name = case.__name__.replace("_", " ")
    started = time.monotonic()
    try:
        case()
        verdict = "PASS"
    except Failure as failure:
        verdict = "FAIL"
        name += f": {failure}"
    except Exception as error:  # a broken harness step is a failed case too
        verdict = "FAIL"
        name += f": {type(error).__name__}: {error}"
    print(f"{verdict} {name} ({time.monotonic() - started:.1f} s)", flush=True)
    return verdict == "PASS"


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--exe")
    parser.add_argument("--probe")
    parser.add_argument("--out", default="e2e-out", help="folder for the screenshots")
    parser.add_argument("--list", action="store_true", help="print the names of the cases in their order and stop")
    parser.add_argument("--order", choices=("listed", "reversed", "shuffled"), default="listed")
    parser.add_argument("--seed", type=int, help="of the shuffled order (default: a new one, printed)")
    parser.add_argument("cases", nargs="*", metavar="CASE", help="cases to run (default: all)")
    args = parser.parse_args()
    if args.list:
        print("\n".join(case_names()))
        return 0
    if not (args.exe and args.probe):
        parser.error("--exe and --probe are needed to run cases")
    seed = random.randrange(10**6) if args.seed is None else args.seed
    names = chosen(args.cases, args.order, seed)
    if args.order == "shuffled":
        print(f"e2e: shuffled with --seed {seed}", flush=True)
    stop_on_sigterm()
    os.makedirs(args.out, exist_ok=True)

    started = time.monotonic()
    with WineDesktop(probe=os.path.abspath(args.probe)) as desktop:
        print(f"e2e: Wine desktop ready in {time.monotonic() - started:.1f} s", flush=True)
        cases = Cases(desktop, os.path.abspath(args.exe), args.out)
        results = [run(getattr(cases, name)) for name in names]
    print(f"e2e: {time.monotonic() - started:.1f} s in all; screenshots in {args.out}")
    print(f"{results.count(True)} passed, {results.count(False)} failed")
    return 1 if False in results else 0


if __name__ == "__main__":
    sys.exit(main())
