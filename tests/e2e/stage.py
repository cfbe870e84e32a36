"""What a case finds on the shared Wine desktop when it begins: no program
running, a fresh program folder with the pictures, language files and
settings the case names, the registry values it reads, no wallpaper on the
desktop, the screen at the resolution it names. A mixin of run_e2e.Cases,
so that each case sets up its own world and can run alone."""
import os
import shutil

import layout
import testpictures
from winedesktop import wait_for

MAIN_CLASS = "TFormSkelvora1"
FOLDER = "Skelvora"  # the program folder of the cases, with the test pictures
ELSEWHERE = r"C:\Old\Skelvora.exe"  # a Run value left by an older copy of the program
RUN_KEY = r"HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Run"
DESKTOP_KEY = r"HKEY_CURRENT_USER\Control Panel\Desktop"
# Skelvora.ini as the Options page's OK leaves it, with a longer interval.
SAVED = {"Interval": "10", "Randomize": "0", "Lng": "Ukraine", "ActiveDesktop": "0"}


def settings_file(settings):
    """Skelvora.ini's bytes for these [Options] keys, in the code page."""
    lines = "".join(f"{name}={value}\r\n" for name, value in settings.items())
    return f"[Options]\r\n{lines}".encode("latin-1")


def registry_file(run):
    """The registry values a case starts from: the Run value `run` (none
    when None) and an empty Wallpaper value."""
    run_line = '"Skelvora"=-' if run is None else '"Skelvora"="' + run.replace("\\", "\\\\") + '"'
    return f'REGEDIT4\n\n[{RUN_KEY}]\n{run_line}\n\n[{DESKTOP_KEY}]\n"Wallpaper"=""\n'


class Stage:
    pictures = None  # the test pictures, made once a run, copied into each fresh folder

    def set_up(self, settings=None, files=None, run=None, dpi=96, started=True):
        """Clears the desktop (see clear_desktop) and lays out a fresh program
        folder: the exe, English.lng and `files` (name: bytes), Images with the
        test pictures and a folder named like a picture, and Skelvora.ini with
        the `settings` keys (no file when None). Starts the program hidden
        in the notification area unless `started` is False."""
        self.clear_desktop(run, dpi)
        self.fresh_folder(FOLDER)
        shutil.copy(os.path.join(layout.LANG, "English.lng"), self.folder())
        for name, data in (files or {}).items():
            with open(self.folder(name), "wb") as file:
                file.write(data)
        shutil.copytree(self.test_pictures(), self.folder("Images"))
        os.makedirs(self.folder("Images", "album.jpg"))  # a folder, no picture
        if settings is not None:
            self.write_settings(settings)
        if started:
            self.started_hidden()

    def write_settings(self, settings):
        """Skelvora.ini with these [Options] keys, as a user's editor writes it."""
        with open(self.folder("Skelvora.ini"), "wb") as ini:
            ini.write(settings_file(settings))

    def clear_desktop(self, run=None, dpi=96):
        """Ends the program a case left, sets the Run value to `run` (none
        when None), empties the Wallpaper value and shows the desktop without
        a wallpaper, at `dpi` pixels per inch."""
        self.end_the_program()
        self.desktop.at_dpi(dpi)
        self.desktop.reg_import(registry_file(run))
        self.desktop.reload_wallpaper()
        self.order = {}

    def end_the_program(self):
        """Closes the running instance, whatever it shows; one that does not
        end is killed."""
        if self.program is None or self.program.poll() is not None:
            return
        self.desktop.close_window(MAIN_CLASS)
        if not wait_for(lambda: self.program.poll() is not None, timeout=10):
            self.program.kill()
            self.program.wait()

    def fresh_folder(self, name):
        """An empty C:\\<name> with the exe in it; returns the exe's Windows path."""
        shutil.rmtree(self.desktop.program_folder(name), ignore_errors=True)
        return self.desktop.install(self.exe_file, name)

    def test_pictures(self):
        if self.pictures is None:
            self.pictures = os.path.join(self.out, "pictures")
            shutil.rmtree(self.pictures, ignore_errors=True)
            testpictures.make_all(self.pictures)
        return self.pictures
