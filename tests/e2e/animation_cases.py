"""The About page's animation as a user sees it: the worker draws its frames
into the page while it is shown, each one a frame of the animation the exe
carries, and the program costs no more processor time while hidden after
About than before it. A mixin of run_e2e.Cases, whose helpers (and
WindowCases') it uses."""
import os
import subprocess
import tempfile
import time

import layout
import raster
from checks import check

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


class AnimationCases:
    def shown_frames(self, page, frames, count, name):
        """The animation's place on `count` screenshots taken some hundred
        milliseconds apart, as raw colour bytes. A screenshot can catch the
        screen while the X server is still putting a frame on it: such a
        shot, half one frame and half the next, is taken again."""
        x, y = self.page_origin(page)
        left, top, width, height = (layout.scaled(v, 96) for v in PLACE)
        shown = []
        for n in range(count):
            for _ in range(3):
                picture = self.shot(f"{name}-{n}.png").crop(x + left, y + top, width, height).rgb()
                if picture in frames:
                    break
            shown.append(picture)
            time.sleep(0.3)
        return shown

    def hidden_cpu_ticks(self):
        """The program's processor time over MEASURED seconds, in clock ticks."""
        before = self.desktop.cpu_ticks("Skelvora.exe")
        time.sleep(MEASURED)
        return self.desktop.cpu_ticks("Skelvora.exe") - before

    def the_about_animation_runs_while_shown_and_costs_nothing_hidden(self):
        frames = animation_frames()
        check(len(frames) == 19, f"the asset gives {len(frames)} frames")
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

    def animation_cases(self):
        return [self.the_about_animation_runs_while_shown_and_costs_nothing_hidden]
