"""A small raster picture with anti-aliased shapes, standard library only."""


def lerp(a, b, t):
    return a + (b - a) * t


def mix(c1, c2, t):
    """The colour t of the way from c1 to c2 (t from 0 to 1)."""
    return tuple(lerp(a, b, t) for a, b in zip(c1, c2))


def to_bytes(color):
    return tuple(max(0, min(255, int(round(v)))) for v in color)


class Canvas:
    """Width by height pixels of (r, g, b) floats, row 0 at the top, and an
    alpha channel (0 to 1) for pictures that have one."""

    SAMPLES = 4  # sub-samples per axis for anti-aliased edges

    def __init__(self, width, height, color=(0, 0, 0), alpha=1.0):
        self.width = width
        self.height = height
        self.pixels = [[tuple(color) for _ in range(width)] for _ in range(height)]
        self.alpha = [[alpha for _ in range(width)] for _ in range(height)]

    def get(self, x, y):
        return self.pixels[y][x]

    def set(self, x, y, color, alpha=1.0):
        self.pixels[y][x] = tuple(color)
        self.alpha[y][x] = alpha

    def blend(self, x, y, color, coverage):
        """Lays colour over the pixel with the given coverage (0 to 1)."""
        if coverage <= 0 or not (0 <= x < self.width and 0 <= y < self.height):
            return
        old = self.pixels[y][x]
        old_alpha = self.alpha[y][x]
        new_alpha = old_alpha + (1 - old_alpha) * coverage
        # "Over" with straight (not premultiplied) colours, so that the edge of
        # a shape on a clear background keeps the shape's own colour.
        weight_old = old_alpha * (1 - coverage)
        self.pixels[y][x] = tuple((o * weight_old + n * coverage) / new_alpha for o, n in zip(old, color))
        self.alpha[y][x] = new_alpha

    def fill_box(self, box, color_at):
        """Fills an inclusive box; color_at(x, y) gives each pixel's colour."""
        left, top, right, bottom = box
        for y in range(top, bottom + 1):
            for x in range(left, right + 1):
                self.set(x, y, color_at(x, y))

    def fill_shape(self, bounds, inside, color_at):
        """Anti-aliased fill of the points (float x, y) for which inside() holds,
        within the inclusive pixel bounds."""
        n = self.SAMPLES
        left, top, right, bottom = (int(v) for v in bounds)
        for y in range(max(top, 0), min(bottom, self.height - 1) + 1):
            for x in range(max(left, 0), min(right, self.width - 1) + 1):
                hits = 0
                for sy in range(n):
                    for sx in range(n):
                        if inside(x + (sx + 0.5) / n, y + (sy + 0.5) / n):
                            hits += 1
                if hits:
                    self.blend(x, y, color_at(x, y), hits / (n * n))

    def paste(self, other, at):
        ox, oy = at
        for y in range(other.height):
            for x in range(other.width):
                self.set(ox + x, oy + y, other.pixels[y][x])

    def crop(self, box):
        left, top, width, height = box
        part = Canvas(width, height)
        for y in range(height):
            for x in range(width):
                part.set(x, y, self.pixels[top + y][left + x], self.alpha[top + y][left + x])
        return part


# Shapes as inside-tests on continuous coordinates (pixel (x, y) covers
# [x, x+1) by [y, y+1)).

def rounded_rect(left, top, right, bottom, radius):
    """The rectangle [left, right) by [top, bottom) with rounded corners."""
    def inside(px, py):
        if not (left <= px < right and top <= py < bottom):
            return False
        cx = min(max(px, left + radius), right - radius)
        cy = min(max(py, top + radius), bottom - radius)
        return (px - cx) ** 2 + (py - cy) ** 2 <= radius * radius
    return inside


def ellipse(cx, cy, rx, ry):
    def inside(px, py):
        return ((px - cx) / rx) ** 2 + ((py - cy) / ry) ** 2 <= 1.0
    return inside


def polygon(points):
    def inside(px, py):
        result = False
        j = len(points) - 1
        for i in range(len(points)):
            xi, yi = points[i]
            xj, yj = points[j]
            if (yi > py) != (yj > py) and px < (xj - xi) * (py - yi) / (yj - yi) + xi:
                result = not result
            j = i
        return result
    return inside


def thick_line(x1, y1, x2, y2, width):
    """A stroke from (x1, y1) to (x2, y2) with round ends."""
    dx, dy = x2 - x1, y2 - y1
    length2 = dx * dx + dy * dy
    half = width / 2.0

    def inside(px, py):
        t = 0.0 if length2 == 0 else max(0.0, min(1.0, ((px - x1) * dx + (py - y1) * dy) / length2))
        qx, qy = x1 + t * dx, y1 + t * dy
        return (px - qx) ** 2 + (py - qy) ** 2 <= half * half
    return inside


def union(*shapes):
    def inside(px, py):
        return any(shape(px, py) for shape in shapes)
    return inside


def vertical_gradient(top, bottom, c_top, c_bottom):
    """Colour at row y going from c_top at row top to c_bottom at row bottom."""
    span = max(bottom - top, 1)

    def color_at(_x, y):
        return mix(c_top, c_bottom, min(max((y - top) / span, 0.0), 1.0))
    return color_at


def solid(color):
    return lambda _x, _y: color
