"""The cases of the program's window: its Options and About pages opened from
the icon's menu, driven with mouse and keyboard, read back with the window
probe (places, texts, ticks, focus) and photographed; the information
boxes; the same layout at 144 pixels per inch, with the About animation
filling its place. A mixin of run_e2e.Cases, whose helpers it uses; each
case starts the program hidden in the notification area."""
import os
import re

import layout
from checks import Failure, check
from stage import ELSEWHERE, SAVED
from winedesktop import wait_for

MAIN_CLASS = "TFormSkelvora1"
BOX_CLASS = "TInformationBox"
RUN_KEY = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Run"
BLUE = (0, 0, 255)


class Page:
    """The controls of the page shown, by name, as the probe read them."""

    def __init__(self, tree, rows):
        self.tree = tree
        sheets = [i for i, w in enumerate(tree) if w["cls"] == "TTabSheet"]
        shown = [i for i in sheets if tree[i]["visible"]]
        check(len(shown) == 1, f"{len(shown)} pages are shown")
        self.sheet = tree[shown[0]]
        children = []
        for window in tree[shown[0] + 1:]:
            if window["depth"] <= self.sheet["depth"]:
                break
            children.append(window)
        self.up_down = next((w for w in children if w["cls"] == "msctls_updown32"), None)
        windows = [w for w in children if w["cls"] != "msctls_updown32"]
        check([w["cls"] for w in windows] == [row[1] for row in rows],
              f"the page holds {[w['cls'] for w in windows]}, in this order")
        self.controls = {row[0]: window for row, window in zip(rows, windows)}
        self.tabs = next(w for w in tree if w["cls"] == "SysTabControl32")

    def __getitem__(self, name):
        return self.controls[name]


class WindowCases:
    # -- helpers -------------------------------------------------------------

    def main_shown(self):
        return self.window()[1]

    def open_page(self, item, rows, shot_name):
        """Chooses About or Options in the icon's menu; returns the page shown."""
        check(self.desktop.choose_from_menu(self.icon, item, os.path.join(self.out, "menu.png")),
              "no menu appeared")
        check(wait_for(self.main_shown, timeout=10), f"{item} did not show the window")
        page = wait_for(lambda: self.read_page(rows), timeout=10)
        self.shot(shot_name)
        return page

    def read_page(self, rows):
        try:
            return Page(self.desktop.window_tree(MAIN_CLASS), rows)
        except (Failure, StopIteration):
            return None

    def page_origin(self, page):
        """The top-left corner of the page's client area on the screen."""
        (left, top, width, height), (client_width, client_height) = self.desktop.window_place(MAIN_CLASS)
        frame = (width - client_width) // 2
        return (left + frame + page.tabs["left"] + page.sheet["left"],
                top + height - frame - client_height + page.tabs["top"] + page.sheet["top"])

    def screen_point(self, page, name):
        """The middle of a control on the screen."""
        x, y = self.page_origin(page)
        return x + page[name]["left"] + page[name]["width"] // 2, y + page[name]["top"] + page[name]["height"] // 2

    def click_control(self, page, name):
        self.desktop.click(*self.screen_point(page, name))

    def hides(self, how):
        check(wait_for(lambda: not self.main_shown(), timeout=10), f"the window stays after {how}")

    def focus_is(self, text):
        focus = self.desktop.focus(MAIN_CLASS)
        check(focus and focus[0], f"the window is not in front: {focus}")
        check(focus[1:] == ("Button", text), f"the focus is on {focus[1:]}, not on the button {text!r}")

    def check_layout(self, page, rows, texts, dpi=96):
        """Every control at its place, with its text; the window centred with
        its client area."""
        (left, top, width, height), client = self.desktop.window_place(MAIN_CLASS)
        check(client == tuple(layout.scaled(v, dpi) for v in layout.CLIENT), f"the client area is {client}")
        check((left, top) == ((1024 - width) // 2, (768 - height) // 2), f"the window is at {left},{top}, not centred")
        tabs = page.tabs
        expected = tuple(layout.scaled(v, dpi) for v in layout.PAGE_CONTROL)
        check((tabs["left"], tabs["top"], tabs["width"], tabs["height"]) == expected,
              f"the tab control is at {tabs}")
        check(tabs["tabs"] == 1, f"the tab strip shows {tabs['tabs']} tabs")
        for name, _, x, y, w, h, text, sized in rows:
            control = page[name]
            place = (control["left"], control["top"])
            check(place == (layout.scaled(x, dpi), layout.scaled(y, dpi)), f"{name} is at {place}")
            if sized:
                # The text's size in the fonts at hand: the line's height, within the page.
                size = (control["width"], control["height"])
                fits = 0 < size[0] <= page.sheet["width"] - control["left"]
                check(fits and abs(size[1] - layout.scaled(h, dpi)) <= 2, f"{name} is {size} big for its text")
            elif name == "SpinEdit1":
                buttons = page.up_down
                union = (control["width"] + buttons["width"], control["height"])
                check(buttons["left"] == control["left"] + control["width"] and buttons["top"] == control["top"]
                      and union == (layout.scaled(w, dpi), layout.scaled(h, dpi)),
                      f"{name} is {control} with its buttons {buttons}")
            else:
                size = (control["width"], control["height"])
                check(size == (layout.scaled(w, dpi), layout.scaled(h, dpi)), f"{name} is {size} big")
            want = layout.expected_text(text, texts)
            if want is not None:
                check(control["text"] == want, f"{name} shows {control['text']!r}, not {want!r}")
            check(control["visible"], f"{name} is hidden")

    def information_box(self, shot_name):
        """The caption and the text of the information box, once it is open."""
        check(wait_for(lambda: self.window(BOX_CLASS)[1], timeout=10), "no information box appeared")
        self.shot(shot_name)
        texts = [line for line in self.desktop.window_texts(BOX_CLASS) if line != "OK"]
        return self.window(BOX_CLASS)[2], texts

    def boxed_then_hidden(self, close):
        """Closes the open box (by `close`); the window then hides."""
        close()
        check(wait_for(lambda: not self.window(BOX_CLASS)[1], timeout=10), "the information box stays")
        self.hides("the information box closed")

    def ini_value(self, name):
        found = re.search(rf"^{name}=(.*?)\r?$", self.settings() or "", re.MULTILINE)
        return found and found[1]

    # -- the cases -----------------------------------------------------------

    def window_pixels(self, name):
        left, top, width, height = self.desktop.window_place(MAIN_CLASS)[0]
        return self.shot(name).crop(left, top, width, height)

    def options_shows_its_page_with_every_control_in_place(self):
        self.set_up()
        page = self.open_page("options", layout.OPTIONS, "options.png")
        self.check_layout(page, layout.OPTIONS, layout.texts("Ukraine"))
        self.focus_is("OK")
        # Hidden, the window gives its controls back; shown again, they are as they were.
        first = self.window_pixels("options.png")
        self.desktop.keys("Escape")
        self.hides("Esc")
        page = self.open_page("options", layout.OPTIONS, "options-again.png")
        self.check_layout(page, layout.OPTIONS, layout.texts("Ukraine"))
        check(self.window_pixels("options-again.png").data == first.data,
              "shown again, the page differs from its first showing (options.png, options-again.png)")
        self.focus_is("OK")
        # Tab goes on in the order of the controls, and round to the first.
        self.desktop.keys("Tab")
        self.focus_is("Cancel")
        self.desktop.keys("Tab")
        self.focus_is(layout.texts("Ukraine")["Label3"])
        self.desktop.keys("shift+Tab", "shift+Tab")
        self.focus_is("OK")
        check(page["SpinEdit1"]["text"] == "5", f"the interval shows {page['SpinEdit1']['text']!r}")
        check(page["ComboBox1"]["text"] == "Ukraine", f"the language shows {page['ComboBox1']['text']!r}")
        check(not self.window(BOX_CLASS)[0], "an information box exists")
        self.desktop.keys("Escape")
        self.hides("Esc")

    def ok_saves_interval_and_order_and_cancel_keeps_them(self):
        self.set_up(run=ELSEWHERE)
        page = self.open_page("options", layout.OPTIONS, "options-before.png")
        self.click_control(page, "SpinEdit1")
        self.desktop.keys(*["Up"] * 5)
        self.click_control(page, "CheckBox2")
        self.desktop.keys("Return")
        self.hides("Enter")
        check(wait_for(lambda: self.ini_value("Interval") == "10", timeout=10),
              f"Skelvora.ini holds {self.settings()!r}")
        saved = tuple(self.ini_value(name) for name in ("Randomize", "Lng", "ActiveDesktop"))
        check(saved == ("1", "Ukraine", "0"), f"Skelvora.ini holds {self.settings()!r}")
        saved = self.settings()

        page = self.open_page("options", layout.OPTIONS, "options-reopened.png")
        check(page["SpinEdit1"]["text"] == "10" and page["CheckBox2"]["checked"],
              f"reopened, the page shows {page['SpinEdit1']['text']!r} and random {page['CheckBox2']['checked']}")
        self.click_control(page, "SpinEdit1")
        self.desktop.keys("End", "BackSpace", "BackSpace", "x", "3", "0")  # the letter is refused
        self.click_control(page, "CheckBox2")
        page = self.read_page(layout.OPTIONS)
        check(page["SpinEdit1"]["text"] == "30" and not page["CheckBox2"]["checked"],
              f"the page shows {page['SpinEdit1']['text']!r} and random {page['CheckBox2']['checked']}")
        self.click_control(page, "BitBtn2")
        self.hides("Cancel")
        check(self.settings() == saved, f"Cancel changed Skelvora.ini into {self.settings()!r}")

        page = self.open_page("options", layout.OPTIONS, "options-cancelled.png")
        check(page["SpinEdit1"]["text"] == "10" and page["CheckBox2"]["checked"],
              f"after Cancel the page shows {page['SpinEdit1']['text']!r} and random {page['CheckBox2']['checked']}")
        # Random off again; start with Windows off (the value was there at
        # start-up), then on again.
        check(page["CheckBox1"]["checked"], "start with Windows is not ticked though the Run value is there")
        self.click_control(page, "CheckBox2")
        self.click_control(page, "CheckBox1")
        self.click_control(page, "BitBtn3")
        self.hides("OK")
        check(wait_for(lambda: self.ini_value("Randomize") == "0", timeout=10),
              f"Skelvora.ini holds {self.settings()!r}")
        run = self.desktop.reg_query(RUN_KEY, "Skelvora")
        check(run is None, f"the Run value {run!r} stays")
        page = self.open_page("options", layout.OPTIONS, "options-autostart.png")
        check(not page["CheckBox1"]["checked"], "start with Windows is still ticked")
        self.click_control(page, "CheckBox1")
        self.desktop.keys("Return")
        self.hides("Enter")
        run = wait_for(lambda: self.desktop.reg_query(RUN_KEY, "Skelvora"), timeout=10)
        check(run == self.desktop.windows_path(self.folder_name, "Skelvora.exe"), f"the Run value is {run!r}")

    def help_and_refresh_show_the_programs_own_box_which_hides_the_window(self):
        self.set_up()
        texts = layout.texts("Ukraine")
        page = self.open_page("options", layout.OPTIONS, "options-help.png")
        self.click_control(page, "Button1")
        caption, lines = self.information_box("help.png")
        check((caption, lines) == ("Skelvora", [texts["Mes"]]), f"the box shows {caption!r}: {lines}")
        self.boxed_then_hidden(lambda: self.desktop.keys("Return"))

        page = self.open_page("options", layout.OPTIONS, "options-refresh.png")
        self.click_control(page, "Button3")
        caption, lines = self.information_box("refresh.png")
        count = len(os.listdir(self.folder("Images")))
        check(lines and lines[0].startswith(texts["Refresh"] + " ") and lines[0].split()[-1].isdigit(),
              f"the box shows {lines}")
        box = self.desktop.window_place(BOX_CLASS)[0]
        self.boxed_then_hidden(lambda: self.desktop.click(box[0] + box[2] // 2, box[1] + box[3] - 22))
        caption = self.window()[2]
        check(re.fullmatch(rf"Skelvora - .+ \(\d+/{lines[0].split()[-1]}\)", caption), f"caption {caption!r}")
        check(count > 0, "Images is empty")

    def about_shows_its_page_links_light_up_and_the_licence_box(self):
        self.set_up()
        page = self.open_page("about", layout.ABOUT, "about.png")
        self.check_layout(page, layout.ABOUT, layout.texts("Ukraine"))
        self.focus_is("OK")
        # The mouse over the e-mail address turns it blue; off it, it is black again.
        x, y = self.screen_point(page, "Label7")
        label = page["Label7"]
        area = (x - label["width"] // 2, y - label["height"] // 2, label["width"], label["height"])

        def blue_pixels(name):
            shot = self.shot(name)
            return sum(shot.pixel(px, py)[:3] == BLUE for py in range(area[1], area[1] + area[3])
                       for px in range(area[0], area[0] + area[2]))
        check(blue_pixels("about-before-hover.png") == 0, "the e-mail address is blue before the mouse came")
        self.desktop.move_mouse(x - 2, y)
        self.desktop.move_mouse(x, y)
        check(wait_for(lambda: blue_pixels("about-hover.png") > 20, timeout=5), "the e-mail address did not turn blue")
        self.desktop.move_mouse(x, y + 60)
        self.desktop.move_mouse(x + 2, y + 60)
        check(wait_for(lambda: blue_pixels("about-left.png") == 0, timeout=5), "the e-mail address stays blue")

        self.click_control(page, "Button2")
        caption, lines = self.information_box("licence.png")
        check((caption, lines) == ("Skelvora", [layout.texts("Ukraine")["Lic"]]), f"the box shows {caption!r}: {lines}")
        self.boxed_then_hidden(lambda: self.desktop.keys("Escape"))

        self.open_page("about", layout.ABOUT, "about-again.png")
        self.focus_is("OK")
        self.desktop.keys("Return")
        self.hides("Enter on the About page")

    def english_chosen_shows_english_texts_at_once(self):
        self.set_up(settings=SAVED)
        page = self.open_page("options", layout.OPTIONS, "options-language.png")
        self.click_control(page, "ComboBox1")
        self.desktop.keys("Up", "Return")
        english = layout.texts("English")
        page = wait_for(lambda: (p := self.read_page(layout.OPTIONS)) and p["CheckBox1"]["text"] == english["Label3"]
                        and p, timeout=10)
        check(page, "the texts did not turn English")
        self.shot("options-english.png")
        self.check_layout(page, layout.OPTIONS, english)
        check(page["ComboBox1"]["text"] == "English", f"the language shows {page['ComboBox1']['text']!r}")
        self.desktop.keys("Escape")
        self.hides("Esc")
        check(self.ini_value("Lng") == "Ukraine", f"Cancel saved the language: {self.settings()!r}")

    def at_144_pixels_per_inch_the_layout_scales(self):
        self.set_up(dpi=144)
        page = self.open_page("options", layout.OPTIONS, "options-144dpi.png")
        self.check_layout(page, layout.OPTIONS, layout.texts("Ukraine"), dpi=144)
        self.desktop.keys("Escape")
        self.hides("Esc")
        page = self.open_page("about", layout.ABOUT, "about-144dpi.png")
        self.check_layout(page, layout.ABOUT, layout.texts("Ukraine"), dpi=144)
        self.check_the_animation_fills_its_place(page, 144)
        self.closed()

    def window_cases(self):
        return [self.options_shows_its_page_with_every_control_in_place,
                self.ok_saves_interval_and_order_and_cancel_keeps_them,
                self.help_and_refresh_show_the_programs_own_box_which_hides_the_window,
                self.about_shows_its_page_links_light_up_and_the_licence_box,
                self.english_chosen_shows_english_texts_at_once]
