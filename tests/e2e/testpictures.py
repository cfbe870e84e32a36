"""The JPEG pictures that the end-to-end tests put into Images: four
quadrants of plain colours each, in sizes of their own, so that a screenshot
tells at once which picture the desktop shows and whether it stands upright.
One is grey (one component: an 8-bit wallpaper with a colour table); one sits
in a subfolder with a name outside the ASCII letters."""
import os
import subprocess

RED, LIME, BLUE, WHITE = (255, 0, 0), (0, 255, 0), (0, 0, 255), (255, 255, 255)
YELLOW, MAGENTA, CYAN, BLACK = (255, 255, 0), (255, 0, 255), (0, 255, 255), (0, 0, 0)
GRAY, DARK_GRAY = (170, 170, 170), (85, 85, 85)


class Picture:
    def __init__(self, name, width, height, quadrants, gray=False):
        self.name = name  # as the catalogue lists it: relative to Images, with "\"
        self.width = width
        self.height = height
        self.quadrants = quadrants  # top left, top right, bottom left, bottom right
        self.gray = gray  # one component: the wallpaper file has 8 bits per pixel

    def quadrant_centres(self):
        """(x, y, colour) at the middle of each quadrant."""
        w, h = self.width // 4, self.height // 4
        points = [(w, h), (3 * w, h), (w, 3 * h), (3 * w, 3 * h)]
        return [(x, y, colour) for (x, y), colour in zip(points, self.quadrants)]

    def make(self, images_folder):
        path = os.path.join(images_folder, *self.name.split("\\"))
        os.makedirs(os.path.dirname(path), exist_ok=True)
        size = f"{self.width // 2}x{self.height // 2}"
        tl, tr, bl, br = (f"xc:rgb({r},{g},{b})" for r, g, b in self.quadrants)
        subprocess.run(["convert", "(", "-size", size, tl, tr, "+append", ")",
                        "(", "-size", size, bl, br, "+append", ")", "-append",
                        *(["-colorspace", "Gray"] if self.gray else ["-sampling-factor", "1x1"]),
                        "-quality", "95", path], check=True, timeout=60)
        return path


PICTURES = [
    Picture("sunrise.jpg", 320, 240, (RED, YELLOW, BLUE, WHITE)),
    Picture("forest.jpg", 400, 300, (LIME, BLACK, MAGENTA, CYAN)),
    Picture("ocean.jpg", 240, 180, (BLUE, WHITE, YELLOW, RED)),
    Picture("fog.jpg", 280, 220, (WHITE, GRAY, DARK_GRAY, BLACK), gray=True),
    Picture("літо\\море.jpg", 360, 200, (CYAN, MAGENTA, BLACK, LIME)),
]


def make_photograph(path, width, height):
    """A photograph-like picture, a seeded fractal with grain, in which a
    shift by one pixel shows."""
    os.makedirs(os.path.dirname(path), exist_ok=True)
    subprocess.run(["convert", "-seed", "3", "-size", f"{width // 4 + 1}x{height // 4 + 1}", "plasma:fractal",
                    "-resize", f"{width}x{height}!", "-attenuate", "0.3", "+noise", "Gaussian",
                    "-quality", "90", path], check=True, timeout=60)


def make_all(images_folder):
    for picture in PICTURES:
        picture.make(images_folder)


def by_name(name):
    return next((picture for picture in PICTURES if picture.name == name), None)
