"""The About page's animation as a user sees it: the worker draws its frames
into the page while it is shown, each one a frame of the animation the exe
carries, drawn larger on a finer screen as the page is, and the program
costs no more processor time while hidden after About than before it. A
mixin of run_e2e.Cases, whose helpers (and WindowCases') it uses."""
import os
import subprocess
import tempfile
import time

import layout
import raster
from checks import check
from winedesktop import wait_for

ASSETS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "assets")
PLACE = (8, 8, 100, 100)  # GIFAnimator1 on the About page
MEASURED = 10  # seconds of processor time measured hidden


def animation_frames():
    """The frames of the About animation as ImageMagick composes them, as raw
    colour bytes."""
    with tempfile.TemporaryDirectory() as work:
        subprocess.run(["convert", os.path.join(ASSETS, "About.gif"), "-coalesce",
                        os.path.join(work, "frame-%02d.png")], check=True, timeout=60)
        return [raster.load(os.path.join(work, name)).rgb() for name in sorted(os.listdir(work))]


def drawn_larger(frame, size, drawn):
    """A frame of size x size pixels (raw colour bytes) as drawn on drawn x
    drawn screen pixels: each shows the picture's pixel at its top-left
    corner, so that every pixel of the picture stays one colour, one or
    two screen pixels wide and high at 144 pixels per inch."""
    source = [frame[y * size * 3:(y + 1) * size * 3] for y in range(size)]
    columns = [x * size // drawn * 3 for x in range(drawn)]
    return b"".join(b"".join(source[y * size // drawn][c:c + 3] for c in columns) for y in range(drawn))


class AnimationCases:
    def shown_frames(self, page, frames, count, name, dpi=96):
        """The animation's place on `count` screenshots taken some hundred
        milliseconds apart, as raw colour bytes. A screenshot can catch the
        screen while the X server is still putting a frame on it: such a
        shot, half one frame and half the next, is taken again."""
        x, y = self.page_origin(page)
        left, top, width, height = (layout.scaled(v, dpi) for v in PLACE)
        shown = []
        for n in range(count):
            for _ in range(3):
                picture = self.shot(f"{name}-{n}.png").crop(x + left, y + top, width, height).rgb()
                if picture in frames:
                    break
            shown.append(picture)
            time.sleep(0.3)
        return shown

    def resting(self):
        """True when the program took no processor time over a second."""
        before = self.desktop.cpu_ticks("Skelvora.exe")
        time.sleep(1)
        return self.desktop.cpu_ticks("Skelvora.exe") == before

    def hidden_cpu_ticks(self):
        """The program's processor time over MEASURED seconds, in clock ticks."""
        before = self.desktop.cpu_ticks("Skelvora.exe")
        time.sleep(MEASURED)
        return self.desktop.cpu_ticks("Skelvora.exe") - before

    def the_about_animation_runs_while_shown_and_costs_nothing_hidden(self):
        frames = animation_frames()
        check(len(frames) == 19, f"the asset gives {len(frames)} frames")
        self.set_up()
        wait_for(self.resting, timeout=10, step=0)  # the start-up's last work is not the hidden cost
        before_about = self.hidden_cpu_ticks()

        page = self.open_page("about", layout.ABOUT, "animation.png")
        shown = self.shown_frames(page, frames, 4, "animation")
        check(all(f in frames for f in shown), "the animation shows a picture that is none of its frames")
        check(len(set(shown)) > 1, "the animation stands still")
        self.desktop.keys("Return")
        self.hides("Enter on the About page")
        after_about = self.hidden_cpu_ticks()
        print(f"  processor time hidden over {MEASURED} s: {before_about} ticks before About, "
              f"{after_about} after", flush=True)
        check(after_about <= before_about + 1, f"hidden after About the program takes {after_about} ticks "
              f"in {MEASURED} s, before About {before_about}")

        page = self.open_page("about", layout.ABOUT, "animation-again.png")
        again = self.shown_frames(page, frames, 3, "animation-again")
        check(all(f in frames for f in again) and len(set(again)) > 1, "the animation stopped after hiding")
        self.desktop.keys("Return")
        self.hides("Enter on the About page")

    def check_the_animation_fills_its_place(self, page, dpi):
        """The animation runs and fills its place, scaled with the page."""
        drawn = layout.scaled(PLACE[2], dpi)
        frames = [drawn_larger(frame, PLACE[2], drawn) for frame in animation_frames()]
        shown = self.shown_frames(page, frames, 3, f"animation-{dpi}dpi", dpi)
        check(all(f in frames for f in shown) and len(set(shown)) > 1,
              f"at {dpi} pixels per inch the animation does not run drawn on its {drawn} x {drawn} pixels")

    def animation_cases(self):
        return [self.the_about_animation_runs_while_shown_and_costs_nothing_hidden]
