#!/usr/bin/env python3
"""Generates the bitmaps and the icon of setup.exe (standard library only).

    genart.py OUT_DIR                 writes the resource files into OUT_DIR
    genart.py --preview PNG [OUT_DIR] also renders the skin with the faces at
                                      the places the wizard gives them
"""

import argparse
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import faces  # noqa: E402
import icon  # noqa: E402
import imagefiles  # noqa: E402
import layout as L  # noqa: E402
from canvas import Canvas, mix  # noqa: E402
from skin import make_skin  # noqa: E402

# File names, as res/artwork.rc includes them.
BITMAP_FILES = {
    "skin.bmp": make_skin,
    "button_normal.bmp": lambda: faces.push_face(faces.PUSH_NORMAL),
    "button_pressed.bmp": lambda: faces.push_face(faces.PUSH_PRESSED),
    "button_hover.bmp": lambda: faces.push_face(faces.PUSH_HOVER),
    "close_normal.bmp": lambda: faces.close_face("normal"),
    "close_hover.bmp": lambda: faces.close_face("hover"),
    "close_disabled.bmp": lambda: faces.close_face("disabled"),
    "check_clear.bmp": lambda: faces.check_face(False),
    "check_ticked.bmp": lambda: faces.check_face(True),
}
ICON_FILE = "setup.ico"


def write(path, data):
    # Written beside and renamed, so that an interrupted run leaves no half file.
    with open(path + ".tmp", "wb") as out:
        out.write(data)
    os.replace(path + ".tmp", path)


def write_resources(out_dir, pictures):
    os.makedirs(out_dir, exist_ok=True)
    for name, canvas in pictures.items():
        write(os.path.join(out_dir, name), imagefiles.bmp_bytes(canvas))
    images = [(icon.make_icon(size), bits) for size, bits in L.ICON_IMAGES]
    write(os.path.join(out_dir, ICON_FILE), imagefiles.ico_bytes(images))


def _outline(canvas, box, color, strength=0.6):
    x, y, w, h = box
    for i in range(x, x + w):
        for j in (y, y + h - 1):
            canvas.blend(i, j, color, strength)
    for j in range(y, y + h):
        for i in (x, x + w - 1):
            canvas.blend(i, j, color, strength)


def _progress(canvas, box, fraction):
    """A stand-in for the system's progress bar, to judge the place it takes."""
    x, y, w, h = box
    for j in range(y, y + h):
        for i in range(x, x + w):
            inside = x < i < x + w - 1 and y < j < y + h - 1
            filled = i < x + 2 + (w - 4) * fraction and x + 1 < i and y + 1 < j < y + h - 2
            color = (6, 176, 37) if filled else ((230, 230, 230) if inside else (120, 120, 120))
            canvas.set(i, j, color)


def render_preview(pictures):
    """Two wizards one above the other: the ready phase (action and Cancel,
    close cross) and the finished phase of an install (Finish hovered, the
    ticked check box), the running phase's progress bar on the right, and the
    icon's images below.
    The label boxes are outlined faintly so that their places can be judged."""
    skin = pictures["skin.bmp"]
    width, height = skin.width, skin.height
    sheet = Canvas(width * 2 + 8, height * 2 + 8 + 60, (255, 255, 255))
    places = [(0, 0), (width + 8, 0), (0, height + 8), (width + 8, height + 8)]
    for index, (ox, oy) in enumerate(places):
        face = Canvas(width, height)
        face.paste(skin, (0, 0))
        # Outside the window, as the desktop would show it.
        for y in range(height):
            for x in range(width):
                if face.get(x, y) == L.KEY_COLOR:
                    face.set(x, y, (255, 255, 255))
        for label, color in ((L.TITLE_LABEL, (85, 0, 0)), (L.HEADING_LABEL, (255, 255, 255)),
                             (L.BODY_LABEL, (255, 255, 255))):
            _outline(face, label, color, 0.35)
        if index == 0:  # ready
            face.paste(pictures["close_normal.bmp"], L.CLOSE_BUTTON_AT)
            face.paste(pictures["button_normal.bmp"], L.ACTION_BUTTON_AT)
            face.paste(pictures["button_normal.bmp"], L.CANCEL_BUTTON_AT)
        elif index == 1:  # running
            face.paste(pictures["close_disabled.bmp"], L.CLOSE_BUTTON_AT)
            face.paste(pictures["button_normal.bmp"], L.ACTION_BUTTON_AT)
            face.paste(pictures["button_normal.bmp"], L.CANCEL_BUTTON_AT)
            _progress(face, L.PROGRESS_BAR, 0.6)
        elif index == 2:  # finished
            face.paste(pictures["close_hover.bmp"], L.CLOSE_BUTTON_AT)
            face.paste(pictures["button_hover.bmp"], L.ACTION_BUTTON_AT)
            face.paste(pictures["button_normal.bmp"], L.CANCEL_BUTTON_AT)
            face.paste(pictures["check_ticked.bmp"], L.CHECK_BOX_AT)
        else:  # finished, check box cleared, Finish held down
            face.paste(pictures["close_normal.bmp"], L.CLOSE_BUTTON_AT)
            face.paste(pictures["button_pressed.bmp"], L.ACTION_BUTTON_AT)
            face.paste(pictures["button_normal.bmp"], L.CANCEL_BUTTON_AT)
            face.paste(pictures["check_clear.bmp"], L.CHECK_BOX_AT)
        sheet.paste(face, (ox, oy))
    # The icon's three images in a strip below.
    x, top = 8, height * 2 + 8 + 6
    for size, _bits in L.ICON_IMAGES:
        picture = icon.make_icon(size)
        for j in range(size):
            for i in range(size):
                sheet.set(x + i, top + j, mix(sheet.get(x + i, top + j), picture.get(i, j), picture.alpha[j][i]))
        x += size + 12
    return sheet


def main():
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("out_dir", nargs="?")
    parser.add_argument("--preview", metavar="PNG")
    options = parser.parse_args()
    if not options.out_dir and not options.preview:
        parser.error("nothing to do")
    pictures = {name: make() for name, make in BITMAP_FILES.items()}
    if options.out_dir:
        write_resources(options.out_dir, pictures)
    if options.preview:
        write(options.preview, imagefiles.png_bytes(render_preview(pictures)))
    return 0


if __name__ == "__main__":
    sys.exit(main())
