"""The cases of things going wrong as users make them: a restarted taskbar,
a settings file that refuses writes, odd intervals typed in the Options
page, many language files and names outside the system's code page,
failures that repeat while nobody is at the screen. A mixin of
run_e2e.Cases, whose helpers (and WindowCases') it uses; the program runs
hidden in the notification area before and after each case."""
import os
import re
import time

import layout
from checks import check
from winedesktop import wait_for

MAIN_CLASS = "TFormSkelvora1"
REPORT_CLASS = "#32770"  # the system's message boxes
ICON_CLASS = "SkelvoraUtilWindow"  # the hidden windows, the icon's among them
RUN_KEY = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Run"
UTF8_MARK = b"\xef\xbb\xbf"


class FaultCases:
    # -- helpers -------------------------------------------------------------

    def restarted(self, prepare):
        """Ends the program, calls prepare() and starts it again, hidden."""
        check(self.desktop.close_window(MAIN_CLASS), "could not post the close message")
        self.ended("its main window was closed")
        prepare()
        self.started_hidden()

    def set_option(self, name, value):
        """Writes a key of Skelvora.ini's [Options] as a user's editor does,
        keeping the file's form (code page or UTF-8 with its mark)."""
        data = open(self.folder("Skelvora.ini"), "rb").read()
        utf8 = data.startswith(UTF8_MARK)
        text = data[len(UTF8_MARK):].decode("utf-8") if utf8 else data.decode("latin-1")
        line = f"{name}={value}\r\n"
        text, found = re.subn(rf"^{name}=.*\r?\n", line, text, flags=re.MULTILINE)
        if not found:
            text = text.replace("[Options]\r\n", "[Options]\r\n" + line, 1)
        with open(self.folder("Skelvora.ini"), "wb") as ini:
            ini.write(UTF8_MARK + text.encode("utf-8") if utf8 else text.encode("latin-1"))

    def typed_interval_saved(self, typed):
        """Types the interval in the Options page and presses Enter, the
        focus still in the edit; returns the interval saved then, once it
        differs from the one saved before."""
        before = self.ini_value("Interval")
        page = self.open_page("options", layout.OPTIONS, "options-interval.png")
        self.click_control(page, "SpinEdit1")
        self.desktop.keys("End", *["BackSpace"] * 6, *("minus" if c == "-" else c for c in typed))
        self.desktop.keys("Return")
        self.hides("Enter")
        return wait_for(lambda: self.ini_value("Interval") != before and self.ini_value("Interval"), timeout=10)

    def language_shown(self):
        page = self.read_page(layout.OPTIONS)
        return page and page["ComboBox1"]["text"]

    def report_count(self, count):
        return wait_for(lambda: self.desktop.count_windows(REPORT_CLASS) == count, timeout=10)

    # -- the cases -----------------------------------------------------------

    def a_new_taskbar_gets_the_icon_back_and_its_menu_works(self):
        check(self.desktop.remove_icons(ICON_CLASS), f"no window of class {ICON_CLASS}")
        check(wait_for(lambda: not self.tray_icon("taskbar-lost.png"), timeout=10, step=0.5),
              "the icon stays after its removal (taskbar-lost.png)")
        check(self.desktop.announce_taskbar(ICON_CLASS), "could not announce the new taskbar")
        icon = wait_for(lambda: self.tray_icon("taskbar-new.png"), timeout=15, step=0.5)
        check(icon, "the icon did not come back to the new taskbar (taskbar-new.png)")
        self.icon = icon
        self.open_page("options", layout.OPTIONS, "options-new-taskbar.png")
        self.desktop.keys("Escape")
        self.hides("Esc")
        self.click_icon_for_a_change(self.next_number())

    def ok_with_a_read_only_settings_file_reports_it_and_leaves_start_with_windows(self):
        run = self.desktop.reg_query(RUN_KEY, "Skelvora")
        check(run, "no Run value to keep")
        settings = self.settings()
        os.chmod(self.folder("Skelvora.ini"), 0o444)
        try:
            page = self.open_page("options", layout.OPTIONS, "options-read-only.png")
            self.click_control(page, "CheckBox1")
            self.click_control(page, "BitBtn3")
            check(wait_for(lambda: self.window(REPORT_CLASS)[1], timeout=10), "no failure report appeared")
            texts = self.desktop.window_texts(REPORT_CLASS)
            expected = f"Unable to write to {self.desktop.windows_path(self.folder_name, 'Skelvora.ini')}."
            check(expected in texts, f"the report shows {texts}")
            check(self.desktop.reg_query(RUN_KEY, "Skelvora") == run, "the Run value went though OK failed")
            check(self.desktop.close_window(REPORT_CLASS), "could not close the report")
            check(self.report_count(0), "the report stays")
            self.hides("OK")
            check(self.settings() == settings, "Skelvora.ini changed")
        finally:
            os.chmod(self.folder("Skelvora.ini"), 0o644)

    def an_interval_outside_one_to_a_day_typed_with_enter_is_saved_within_it(self):
        before = self.ini_value("Interval")
        check(before not in ("1", "1440"), f"Interval={before} before")
        for typed, saved in (("0", "1"), ("99999", "1440"), ("-5", "1"), (before, before)):
            got = self.typed_interval_saved(typed)
            check(got == saved, f"{typed} and Enter saved Interval={got}, not {saved}")

    def forty_language_files_keep_the_configured_language(self):
        names = [f"Lang{n:02}" for n in range(1, 41)]

        def forty_files():
            for name in names:
                with open(self.folder(f"{name}.lng"), "w", encoding="ascii") as lng:
                    lng.write("[Language]\r\n")
            self.set_option("Lng", "Lang40")
        self.restarted(forty_files)
        self.open_page("options", layout.OPTIONS, "options-forty.png")
        check(self.language_shown() == "Lang40", f"the choice shows {self.language_shown()!r}, not Lang40")
        self.desktop.keys("Return")
        self.hides("Enter")
        check(self.ini_value("Lng") == "Lang40", f"OK saved Lng={self.ini_value('Lng')}")

        def no_files():
            for name in names:
                os.remove(self.folder(f"{name}.lng"))
            self.set_option("Lng", "Ukraine")
        self.restarted(no_files)

    def the_choice_sorts_as_the_system_and_keeps_a_name_outside_the_code_page(self):
        translated = "Запускати разом з Windows"

        def languages():
            with open(self.folder("Українська.lng"), "wb") as lng:
                lng.write(UTF8_MARK + f"[Language]\r\nLabel3={translated}\r\n".encode("utf-8"))
            with open(self.folder("русский.lng"), "wb") as lng:
                lng.write(UTF8_MARK + b"[Language]\r\n")
        self.restarted(languages)
        page = self.open_page("options", layout.OPTIONS, "options-languages.png")
        self.click_control(page, "ComboBox1")
        self.desktop.keys("Home")
        shown = [wait_for(self.language_shown, timeout=5)]
        for _ in range(3):
            self.desktop.keys("Down")
            shown.append(wait_for(lambda: self.language_shown() != shown[-1] and self.language_shown(), timeout=5))
        order = ["English", "Ukraine", "русский", "Українська"]
        check(shown == order, f"the choice lists {shown}, not {order}")
        self.desktop.keys("Return", "Return")
        self.hides("Enter")
        data = open(self.folder("Skelvora.ini"), "rb").read()
        check(data.startswith(UTF8_MARK) and "\r\nLng=Українська\r\n" in data.decode("utf-8-sig"),
              f"Skelvora.ini holds {data!r}")

        self.restarted(lambda: None)
        page = self.open_page("options", layout.OPTIONS, "options-ukrainian-file.png")
        check(page["ComboBox1"]["text"] == "Українська", f"the choice shows {page['ComboBox1']['text']!r}")
        check(page["CheckBox1"]["text"] == translated, f"the language file's text is {page['CheckBox1']['text']!r}")
        self.click_control(page, "ComboBox1")
        self.desktop.keys("Home", "Down", "Return", "Return")
        self.hides("Enter")
        check(self.ini_value("Lng") == "Ukraine", f"Skelvora.ini holds {self.settings()!r}")

        def no_files():
            os.remove(self.folder("Українська.lng"))
            os.remove(self.folder("русский.lng"))
        self.restarted(no_files)

    def a_failure_repeated_under_its_open_report_adds_no_box_and_the_tick_still_changes(self):
        # Interval=0 starts at the nearest bound, one minute.
        self.restarted(lambda: (self.set_option("Interval", "0"), os.chmod(self.folder("Skelvora.ini"), 0o444)))
        wallpaper = self.folder("Skelvora.bmp")
        try:
            self.desktop.click(*self.icon)
            check(self.report_count(1), "no failure report appeared")
            expected = f"Unable to write to {self.desktop.windows_path(self.folder_name, 'Skelvora.ini')}."
            texts = self.desktop.window_texts(REPORT_CLASS)
            check(expected in texts, f"the report shows {texts}")
            caption = self.window()[2]
            # The change timer's tick, a minute after the start, under the open report.
            changed = wait_for(lambda: self.window()[2] != caption, timeout=75, step=1)
            check(changed, f"no tick changed the wallpaper: the caption stays {caption!r}")
            time.sleep(1)
            check(self.desktop.count_windows(REPORT_CLASS) == 1, "the same failure opened a second report")
            self.shot("one-report.png")
            # Another failure: the wallpaper file cannot be made.
            os.remove(wallpaper)
            os.mkdir(wallpaper)
            self.desktop.click(*self.icon)
            check(self.report_count(2), "a different failure opened no report of its own")
            self.desktop.click(*self.icon)
            time.sleep(2)
            check(self.desktop.count_windows(REPORT_CLASS) == 2, "its repetition opened another report")
            self.shot("two-reports.png")
            for _ in range(2):
                check(self.desktop.close_window(REPORT_CLASS), "could not close a report")
                time.sleep(1)
            check(self.report_count(0), "the reports stay")
        finally:
            if os.path.isdir(wallpaper):
                os.rmdir(wallpaper)
            os.chmod(self.folder("Skelvora.ini"), 0o644)
        self.restarted(lambda: self.set_option("Interval", "10"))

    def fault_cases(self):
        """The cases that run after the window's, in this order."""
        return [self.ok_with_a_read_only_settings_file_reports_it_and_leaves_start_with_windows,
                self.an_interval_outside_one_to_a_day_typed_with_enter_is_saved_within_it,
                self.forty_language_files_keep_the_configured_language,
                self.the_choice_sorts_as_the_system_and_keeps_a_name_outside_the_code_page,
                self.a_failure_repeated_under_its_open_report_adds_no_box_and_the_tick_still_changes]
