"""Icon 128: a disk array with a green install arrow, drawn for each size."""

from canvas import Canvas, ellipse, polygon, rounded_rect, solid, vertical_gradient

DRIVE_TOP = (170, 182, 204)
DRIVE_BOTTOM = (84, 94, 118)
DRIVE_EDGE = (40, 46, 60)
LIGHT_COLOR = (60, 230, 100)
BADGE_TOP = (96, 210, 96)
BADGE_BOTTOM = (24, 130, 44)
BADGE_EDGE = (14, 80, 28)


def make_icon(size):
    """The icon drawn on a 48-unit grid scaled to size pixels, clear around it."""
    canvas = Canvas(size, size, (0, 0, 0), alpha=0.0)
    s = size / 48.0
    box = (0, 0, size - 1, size - 1)
    for i in range(3):
        y0 = (6 + i * 12) * s
        y1 = y0 + 11 * s
        canvas.fill_shape(box, rounded_rect(3 * s, y0, 41 * s, y1, 3 * s), solid(DRIVE_EDGE))
        canvas.fill_shape(box, rounded_rect(4 * s, y0 + s, 40 * s, y1 - s, 2.2 * s),
                          vertical_gradient(y0, y1, DRIVE_TOP, DRIVE_BOTTOM))
        canvas.fill_shape(box, ellipse(34.5 * s, (y0 + y1) / 2, 2 * s, 2 * s), solid(LIGHT_COLOR))
    # The install badge: a green disc with a white arrow pointing down.
    canvas.fill_shape(box, ellipse(35 * s, 35 * s, 12.5 * s, 12.5 * s), solid(BADGE_EDGE))
    canvas.fill_shape(box, ellipse(35 * s, 35 * s, 11.2 * s, 11.2 * s),
                      vertical_gradient(int(24 * s), int(46 * s), BADGE_TOP, BADGE_BOTTOM))
    arrow = polygon([(32 * s, 26 * s), (38 * s, 26 * s), (38 * s, 34 * s), (42.5 * s, 34 * s),
                     (35 * s, 43 * s), (27.5 * s, 34 * s), (32 * s, 34 * s)])
    canvas.fill_shape(box, arrow, solid((255, 255, 255)))
    return canvas
