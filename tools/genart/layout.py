"""The wizard's skin layout and the artwork's parameters, in one place.

Every number here must agree with the program: the control places are the
ones the wizard's LayoutControls uses, the areas are where those controls sit,
and the face sizes are the sizes the buttons take from their bitmaps. Areas
are inclusive pixel boxes (left, top, right, bottom).
"""

# The skin (bitmap 130): a 584 by 411 window picture, 24 bits per pixel.
SKIN_WIDTH = 584
SKIN_HEIGHT = 411

# Pixels of exactly this colour lie outside the window (COLORREF 0x00FF00FF).
KEY_COLOR = (255, 0, 255)
# The four rounded corners are cut out of rows 0-7 and 403-410 with these
# radii. The top-right corner belongs to the close tab and is a little
# tighter than the others, which gives 21 + 16 + 17 + 17 = 71 cut pixels.
CORNER_RADIUS_TOP_LEFT = 10.0
CORNER_RADIUS_TOP_RIGHT = 8.5
CORNER_RADIUS_BOTTOM = 9.0
KEY_PIXEL_COUNT = 71
KEY_ROWS_TOP = (0, 7)
KEY_ROWS_BOTTOM = (403, 410)

# Areas of the skin.
TITLE_BAR = (1, 1, 582, 29)
TITLE_BAR_TOP_COLOR = (237, 237, 237)
TITLE_BAR_BOTTOM_COLOR = (110, 110, 110)
CLOSE_TAB = (544, 1, 582, 29)
CLOSE_TAB_TOP_COLOR = (255, 226, 110)
CLOSE_TAB_BOTTOM_COLOR = (230, 166, 20)
CLOSE_TAB_EDGE_COLOR = (150, 104, 8)
HEADING_BAND = (11, 44, 571, 90)
HEADING_BAND_COLOR = (0, 56, 85)
PICTURE_PANEL = (11, 93, 188, 369)
PICTURE_PANEL_TOP_COLOR = (44, 84, 170)
PICTURE_PANEL_BOTTOM_COLOR = (14, 32, 90)
CONTENT_PANEL = (190, 93, 571, 369)
CONTENT_PANEL_COLOR = (71, 93, 173)  # COLORREF 0x00AD5D47
BOTTOM_BAR = (1, 377, 582, 408)
BOTTOM_BAR_TOP_COLOR = (96, 96, 96)  # shading around RGB(88,88,88)
BOTTOM_BAR_BOTTOM_COLOR = (80, 80, 80)

# The frame between the areas: charcoal, with the panels sunk into it (light
# from the top left: a shadow above and left of a panel, a highlight below
# and right of it).
OUTLINE_COLOR = (36, 36, 38)
FRAME_COLOR = (58, 61, 66)
FRAME_SHADOW_COLOR = (32, 34, 38)
FRAME_HIGHLIGHT_COLOR = (92, 96, 104)

# Where the wizard places its controls (x, y, width, height).
TITLE_LABEL = (14, 7, 524, 15)
HEADING_LABEL = (35, 55, 514, 35)
BODY_LABEL = (200, 170, 354, 60)
CLOSE_BUTTON_AT = (552, 11)
ACTION_BUTTON_AT = (312, 380)
CANCEL_BUTTON_AT = (451, 380)
CHECK_BOX_AT = (200, 235)
PROGRESS_BAR = (205, 235, 339, 30)

# Faces.
PUSH_FACE_SIZE = (111, 22)  # bitmaps 131 normal, 132 pressed, 133 hover
PUSH_FACE_RADIUS = 4.0
CLOSE_FACE_SIZE = (20, 17)  # bitmaps 134 normal, 135 hover, 136 disabled
CHECK_FACE_SIZE = (21, 24)  # bitmaps 142 clear, 143 ticked
CHECK_FACE_BACKGROUND = CONTENT_PANEL_COLOR
CHECK_BOX_SIDE = 15
CHECK_BOX_RADIUS = 3.0

# The program icon (icon 128): 48 and 32 pixels at 32 bits, 16 at 24 bits.
ICON_IMAGES = ((48, 32), (32, 32), (16, 24))
