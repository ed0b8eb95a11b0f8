"""Skin bitmap 130: the wizard's whole face."""

import math

from canvas import (Canvas, ellipse, mix, polygon, rounded_rect, solid, thick_line,
                    vertical_gradient)
import layout as L


def title_bar_color(y):
    top, bottom = L.TITLE_BAR[1], L.TITLE_BAR[3]
    return mix(L.TITLE_BAR_TOP_COLOR, L.TITLE_BAR_BOTTOM_COLOR, (y - top) / (bottom - top))


def close_tab_color(y):
    """The tab's colour by row; the close faces take their background from it."""
    top, bottom = L.CLOSE_TAB[1], L.CLOSE_TAB[3]
    base = mix(L.CLOSE_TAB_TOP_COLOR, L.CLOSE_TAB_BOTTOM_COLOR, (y - top) / (bottom - top))
    # A soft gloss over the upper half, fading out towards the middle.
    middle = (top + bottom) / 2.0
    if y < middle:
        return mix(base, (255, 255, 255), 0.30 * (middle - y) / (middle - top))
    return base


def bottom_bar_color(y):
    """The bottom bar's colour by row; the push faces take their background from it."""
    top, bottom = L.BOTTOM_BAR[1], L.BOTTOM_BAR[3]
    if y == top:
        return mix(L.BOTTOM_BAR_TOP_COLOR, (255, 255, 255), 0.12)  # the bar's lit top edge
    return mix(L.BOTTOM_BAR_TOP_COLOR, L.BOTTOM_BAR_BOTTOM_COLOR, (y - top) / (bottom - top))


def _sunken(canvas, area):
    """The frame lines around a panel set into the frame: shadow above and to
    the left, highlight below and to the right."""
    left, top, right, bottom = area
    for x in range(left - 1, right + 1):
        canvas.set(x, top - 1, L.FRAME_SHADOW_COLOR)
    for y in range(top - 1, bottom + 1):
        canvas.set(left - 1, y, L.FRAME_SHADOW_COLOR)
    for x in range(left, right + 2):
        canvas.set(x, bottom + 1, L.FRAME_HIGHLIGHT_COLOR)
    for y in range(top, bottom + 2):
        canvas.set(right + 1, y, L.FRAME_HIGHLIGHT_COLOR)


def _close_tab(canvas):
    left, top, right, bottom = L.CLOSE_TAB
    # Only the bottom-left corner of the tab is rounded; the others run into
    # the window's edge and its rounded corner.
    edge = rounded_rect(left, top - 10, right + 10, bottom + 1, 5.0)
    inner = rounded_rect(left + 1, top - 10, right + 10, bottom, 4.0)
    box = (left, top, right, bottom)
    canvas.fill_shape(box, edge, solid(L.CLOSE_TAB_EDGE_COLOR))
    canvas.fill_shape(box, inner, lambda _x, y: close_tab_color(y))


def _picture_panel(canvas):
    left, top, right, bottom = L.PICTURE_PANEL
    cx = (left + right + 1) / 2.0
    glow_x, glow_y, glow_r = cx, top + 100, 120.0
    base = vertical_gradient(top, bottom, L.PICTURE_PANEL_TOP_COLOR, L.PICTURE_PANEL_BOTTOM_COLOR)

    def background(x, y):
        d = math.hypot(x + 0.5 - glow_x, y + 0.5 - glow_y) / glow_r
        return mix(base(x, y), (110, 160, 245), 0.22 * max(0.0, 1.0 - d) ** 2)
    canvas.fill_box(L.PICTURE_PANEL, background)

    # Shadow on the floor.
    canvas.fill_shape((left, top + 190, right, top + 225), ellipse(cx + 8, top + 212, 78, 9),
                      solid((8, 18, 52)))
    # Monitor: silver bezel, dark glass border, lit screen.
    mx0, my0, mx1, my1 = cx - 62, top + 54, cx + 62, top + 146
    canvas.fill_shape((mx0, my0, mx1, my1), rounded_rect(mx0, my0, mx1, my1, 7),
                      vertical_gradient(my0, my1, (236, 239, 245), (164, 170, 182)))
    canvas.fill_shape((mx0, my0, mx1, my1), rounded_rect(mx0 + 6, my0 + 6, mx1 - 6, my1 - 12, 3),
                      solid((18, 22, 30)))
    sx0, sy0, sx1, sy1 = mx0 + 8, my0 + 8, mx1 - 8, my1 - 14
    canvas.fill_shape((sx0, sy0, sx1, sy1), rounded_rect(sx0, sy0, sx1, sy1, 2),
                      vertical_gradient(sy0, sy1, (96, 176, 244), (28, 86, 176)))
    # On the screen: a small setup window with a progress bar.
    wx0, wy0, wx1, wy1 = sx0 + 14, sy0 + 12, sx1 - 14, sy1 - 12
    canvas.fill_shape((wx0, wy0, wx1, wy1), rounded_rect(wx0, wy0, wx1, wy1, 2),
                      vertical_gradient(wy0, wy1, (246, 249, 253), (214, 224, 240)))
    canvas.fill_shape((wx0, wy0, wx1, wy0 + 8), rounded_rect(wx0, wy0, wx1, wy0 + 8, 2),
                      solid((36, 84, 168)))
    px0, py0, px1, py1 = wx0 + 8, wy1 - 16, wx1 - 8, wy1 - 9
    canvas.fill_shape((px0, py0, px1, py1), rounded_rect(px0, py0, px1, py1, 2), solid((120, 132, 150)))
    canvas.fill_shape((px0, py0, px1, py1), rounded_rect(px0 + 1, py0 + 1, px0 + (px1 - px0) * 0.7, py1 - 1, 1.5),
                      vertical_gradient(py0, py1, (120, 220, 120), (40, 150, 60)))
    for i in range(3):
        y = wy0 + 14 + i * 5
        canvas.fill_shape((wx0, y, wx1, y + 2), rounded_rect(wx0 + 8, y, wx1 - 8 - i * 14, y + 2, 1),
                          solid((150, 164, 186)))
    # Screen glare over the upper left.
    glare = polygon([(sx0, sy0), (sx0 + 60, sy0), (sx0, sy0 + 40)])
    canvas.fill_shape((sx0, sy0, sx0 + 60, sy0 + 40), glare,
                      lambda x, y: mix(canvas.get(x, y), (255, 255, 255), 0.10))
    # Power light on the chin, stand and base.
    canvas.fill_shape((cx - 3, my1 - 9, cx + 3, my1 - 3), ellipse(cx, my1 - 6, 1.8, 1.8), solid((90, 220, 120)))
    canvas.fill_shape((cx - 16, my1, cx + 16, my1 + 20),
                      polygon([(cx - 11, my1), (cx + 11, my1), (cx + 15, my1 + 18), (cx - 15, my1 + 18)]),
                      vertical_gradient(my1, my1 + 18, (150, 156, 168), (200, 205, 215)))
    canvas.fill_shape((cx - 40, my1 + 14, cx + 40, my1 + 28), ellipse(cx, my1 + 20, 36, 6),
                      vertical_gradient(my1 + 14, my1 + 26, (232, 235, 241), (150, 156, 168)))
    # A disk array beside the monitor: graphite case, three drive bays with lights.
    ax0, ay0, ax1, ay1 = right - 56, top + 132, right - 6, top + 206
    canvas.fill_shape((ax0, ay0, ax1, ay1), rounded_rect(ax0, ay0, ax1, ay1, 4),
                      vertical_gradient(ay0, ay1, (96, 104, 122), (42, 46, 58)))
    canvas.fill_shape((ax0, ay0, ax1, ay1), rounded_rect(ax0 + 1, ay0 + 1, ax1 - 1, ay0 + 3, 1.5),
                      solid((150, 158, 176)))
    for i in range(4):
        by0 = ay0 + 7 + i * 16
        canvas.fill_shape((ax0, by0, ax1, by0 + 13), rounded_rect(ax0 + 5, by0, ax1 - 5, by0 + 13, 2),
                          vertical_gradient(by0, by0 + 13, (176, 182, 196), (118, 124, 140)))
        canvas.fill_shape((ax0, by0, ax1, by0 + 13), thick_line(ax0 + 10, by0 + 6.5, ax1 - 18, by0 + 6.5, 2),
                          solid((70, 76, 92)))
        canvas.fill_shape((ax1 - 14, by0, ax1 - 6, by0 + 13), ellipse(ax1 - 10, by0 + 6.5, 2.2, 2.2),
                          solid((70, 235, 110) if i < 3 else (255, 190, 60)))


def _cut_corners(canvas):
    """Key pixels outside the four rounded corners, and the outline following
    the curve inside them. Returns the number of key pixels."""
    corners = (
        (L.CORNER_RADIUS_TOP_LEFT, False, False),
        (L.CORNER_RADIUS_TOP_RIGHT, True, False),
        (L.CORNER_RADIUS_BOTTOM, False, True),
        (L.CORNER_RADIUS_BOTTOM, True, True),
    )
    count = 0
    for radius, mirror_x, mirror_y in corners:
        size = math.ceil(radius)
        for j in range(size):
            for i in range(size):
                d = math.hypot(radius - (i + 0.5), radius - (j + 0.5))
                x = canvas.width - 1 - i if mirror_x else i
                y = canvas.height - 1 - j if mirror_y else j
                if d > radius:
                    canvas.set(x, y, L.KEY_COLOR)
                    count += 1
                elif d > radius - 2.0:
                    canvas.blend(x, y, L.OUTLINE_COLOR, min(1.0, (d - (radius - 2.0)) / 1.0))
    return count


def make_skin():
    canvas = Canvas(L.SKIN_WIDTH, L.SKIN_HEIGHT, L.FRAME_COLOR)
    last_x, last_y = L.SKIN_WIDTH - 1, L.SKIN_HEIGHT - 1

    canvas.fill_box(L.TITLE_BAR, lambda _x, y: title_bar_color(y))
    _close_tab(canvas)
    for x in range(1, last_x):
        canvas.set(x, L.TITLE_BAR[3] + 1, L.OUTLINE_COLOR)  # the title bar's lower edge

    canvas.fill_box(L.HEADING_BAND, solid(L.HEADING_BAND_COLOR))
    _sunken(canvas, L.HEADING_BAND)
    _picture_panel(canvas)
    canvas.fill_box(L.CONTENT_PANEL, solid(L.CONTENT_PANEL_COLOR))
    panels = (L.PICTURE_PANEL[0], L.PICTURE_PANEL[1], L.CONTENT_PANEL[2], L.CONTENT_PANEL[3])
    _sunken(canvas, panels)
    for y in range(L.PICTURE_PANEL[1], L.PICTURE_PANEL[3] + 1):
        canvas.set(L.PICTURE_PANEL[2] + 1, y, L.FRAME_SHADOW_COLOR)  # between the two panels

    canvas.fill_box(L.BOTTOM_BAR, lambda _x, y: bottom_bar_color(y))
    for x in range(1, last_x):
        canvas.set(x, L.BOTTOM_BAR[1] - 1, L.OUTLINE_COLOR)  # the bottom bar's upper edge

    for x in range(L.SKIN_WIDTH):
        canvas.set(x, 0, L.OUTLINE_COLOR)
        canvas.set(x, last_y, L.OUTLINE_COLOR)
    for y in range(L.SKIN_HEIGHT):
        canvas.set(0, y, L.OUTLINE_COLOR)
        canvas.set(last_x, y, L.OUTLINE_COLOR)

    count = _cut_corners(canvas)
    assert count == L.KEY_PIXEL_COUNT, count
    return canvas
