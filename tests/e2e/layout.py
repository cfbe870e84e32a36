"""The main window's layout as the program must show it: the client area and
every control of the Options and About pages, in Tab order, with its place
at 96 pixels per inch and its text (a key of the language files, or the
text itself). Labels that take the size of their text are marked; their
size depends on the fonts at hand."""
import configparser
import os
import re

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")
LANG = os.path.join(ROOT, "lang")
BUILT_IN_TEXTS = os.path.join(ROOT, "src", "lang", "BuiltInTexts.h")

CLIENT = (391, 312)
PAGE_CONTROL = (8, 8, 377, 297)

# (name, window class, left, top, width, height, text, sized to its text)
OPTIONS = [
    ("CheckBox1", "Button", 8, 11, 345, 17, "key:Label3", False),
    ("CheckBox2", "Button", 8, 31, 305, 17, "key:Label4", False),
    ("Label2", "Static", 8, 56, 193, 13, "key:Label5", False),
    ("SpinEdit1", "Edit", 209, 51, 57, 22, None, False),  # with its up-down buttons at the right end
    ("Label3", "Static", 272, 56, 41, 13, "key:Label6", False),
    ("Button1", "Button", 8, 76, 25, 25, "?", False),
    ("CheckBox3", "Button", 40, 80, 153, 17, "key:Label10", False),
    ("Label4", "Static", 8, 112, 59, 13, "LANGUAGE", True),
    ("ComboBox1", "ComboBox", 80, 108, 145, 21, None, False),
    ("Label12", "Static", 8, 144, 306, 13, "key:Label7", True),
    ("Label13", "Static", 8, 160, 133, 13, "key:Label8", True),
    ("Label11", "Static", 8, 176, 346, 13, "key:Label9", True),
    ("Button3", "Button", 36, 200, 297, 25, "key:Button", False),
    ("BitBtn3", "Button", 103, 232, 75, 25, "OK", False),
    ("BitBtn2", "Button", 191, 232, 75, 25, "Cancel", False),
]

ABOUT = [
    ("Label10", "Static", 182, 8, 114, 31, "Skelvora", True),
    ("Label1", "Static", 120, 40, 241, 17, "key:Label1", False),
    ("Label5", "Static", 168, 72, 137, 13, "version", False),
    ("Label9", "Static", 160, 88, 166, 13, None, True),
    ("Label6", "Static", 8, 120, 94, 13, "Status: freeware", True),
    ("Label7", "Static", 8, 136, 107, 13, None, True),
    ("Label8", "Static", 8, 152, 131, 13, None, True),
    ("Image1", "TImage", 192, 112, 96, 75, None, False),
    ("Button2", "Button", 24, 171, 75, 25, "key:LicB", False),
    ("Label14", "Static", 95, 208, 179, 13, "Windows 9x, Me, NT, 2000, XP", True),
    ("BitBtn1", "Button", 147, 232, 75, 25, "OK", False),
]

UP_DOWN_WIDTH = 16


def texts(language):
    """The texts of a shipped language file, by key; "Ukraine" gives the
    program's own."""
    if language == "Ukraine":
        with open(BUILT_IN_TEXTS, encoding="utf-8") as source:
            return dict(re.findall(r'\{"(\w+)", "([^"]*)"\}', source.read()))
    parser = configparser.ConfigParser(interpolation=None)
    parser.optionxform = str
    with open(os.path.join(LANG, f"{language}.lng"), encoding="utf-8-sig") as file:
        parser.read_file(file)
    return dict(parser["Language"])


def scaled(value, dpi):
    """A length at 96 pixels per inch on a screen of `dpi`, rounded half up."""
    return (value * dpi + 48) // 96


def expected_text(text, language_texts):
    if text == "version":
        return language_texts["Label2"] + " 1.23"
    if text and text.startswith("key:"):
        return language_texts[text[4:]]
    return text
