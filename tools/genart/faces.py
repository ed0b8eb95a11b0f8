"""Faces of the bitmap buttons: push button, close cross and check box.
Each face's background is the skin's colour under the place the wizard puts
it, so that the rectangular bitmap blends in."""

from canvas import Canvas, mix, rounded_rect, solid, thick_line, union, vertical_gradient
import layout as L
from skin import bottom_bar_color, close_tab_color

# Push faces: (top colour, bottom colour, gloss) of the face's body.
PUSH_NORMAL = ((88, 132, 214), (34, 70, 156), 0.18)
PUSH_HOVER = ((112, 160, 236), (46, 94, 188), 0.22)
PUSH_PRESSED = ((30, 58, 128), (60, 98, 176), 0.0)
PUSH_BORDER_COLOR = (20, 34, 72)

CLOSE_CROSS_COLOR = (104, 62, 0)
CLOSE_HOVER_TOP = (236, 88, 64)
CLOSE_HOVER_BOTTOM = (180, 36, 22)
CLOSE_DISABLED_CROSS_COLOR = (206, 168, 96)

CHECK_BORDER_COLOR = (22, 34, 88)
CHECK_BOX_TOP = (255, 255, 255)
CHECK_BOX_BOTTOM = (212, 220, 240)
CHECK_MARK_COLOR = (20, 128, 62)


def push_face(style):
    width, height = L.PUSH_FACE_SIZE
    top_y = L.ACTION_BUTTON_AT[1]
    canvas = Canvas(width, height)
    canvas.fill_box((0, 0, width - 1, height - 1), lambda _x, y: bottom_bar_color(top_y + y))
    top_color, bottom_color, gloss = style
    radius = L.PUSH_FACE_RADIUS
    box = (0, 0, width - 1, height - 1)
    canvas.fill_shape(box, rounded_rect(0, 0, width, height, radius), solid(PUSH_BORDER_COLOR))
    body = vertical_gradient(1, height - 2, top_color, bottom_color)

    def body_color(x, y):
        color = body(x, y)
        if y < height / 2:
            color = mix(color, (255, 255, 255), gloss)
        return color
    canvas.fill_shape(box, rounded_rect(1, 1, width - 1, height - 1, radius - 1), body_color)
    if gloss:
        # A lit upper edge inside the border.
        canvas.fill_shape(box, rounded_rect(2, 1, width - 2, 2, 0.5),
                          lambda x, y: mix(canvas.get(x, y), (255, 255, 255), 0.35))
    return canvas


def _cross(size, inset_x, inset_y, width):
    w, h = size
    return union(thick_line(inset_x, inset_y, w - inset_x, h - inset_y, width),
                 thick_line(w - inset_x, inset_y, inset_x, h - inset_y, width))


def close_face(state):
    width, height = L.CLOSE_FACE_SIZE
    top_y = L.CLOSE_BUTTON_AT[1]
    canvas = Canvas(width, height)
    canvas.fill_box((0, 0, width - 1, height - 1), lambda _x, y: close_tab_color(top_y + y))
    box = (0, 0, width - 1, height - 1)
    cross = _cross((width, height), 6.0, 4.5, 2.2)
    if state == "hover":
        canvas.fill_shape(box, rounded_rect(1, 0, width - 1, height, 3.5),
                          vertical_gradient(0, height - 1, CLOSE_HOVER_TOP, CLOSE_HOVER_BOTTOM))
        canvas.fill_shape(box, cross, solid((255, 255, 255)))
    elif state == "disabled":
        canvas.fill_shape(box, cross, solid(CLOSE_DISABLED_CROSS_COLOR))
    else:
        canvas.fill_shape(box, cross, solid(CLOSE_CROSS_COLOR))
    return canvas


def check_face(ticked):
    width, height = L.CHECK_FACE_SIZE
    canvas = Canvas(width, height, L.CHECK_FACE_BACKGROUND)
    side = L.CHECK_BOX_SIDE
    x0 = (width - side) // 2
    y0 = (height - side) // 2
    box = (0, 0, width - 1, height - 1)
    canvas.fill_shape(box, rounded_rect(x0, y0, x0 + side, y0 + side, L.CHECK_BOX_RADIUS),
                      solid(CHECK_BORDER_COLOR))
    canvas.fill_shape(box, rounded_rect(x0 + 1, y0 + 1, x0 + side - 1, y0 + side - 1, L.CHECK_BOX_RADIUS - 1),
                      vertical_gradient(y0 + 1, y0 + side - 2, CHECK_BOX_TOP, CHECK_BOX_BOTTOM))
    if ticked:
        mark = union(thick_line(x0 + 3.5, y0 + 7.5, x0 + 6.5, y0 + 10.8, 2.4),
                     thick_line(x0 + 6.5, y0 + 10.8, x0 + 11.8, y0 + 3.8, 2.4))
        canvas.fill_shape(box, mark, solid(CHECK_MARK_COLOR))
    return canvas
