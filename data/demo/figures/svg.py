"""Small SVG writing helpers shared by the figure drawings."""

FONT = "Liberation Sans"

RED = "#c8102e"
BLUE = "#1656a8"
GREEN = "#00824a"
YELLOW = "#ffcc00"
BLACK = "#1b1b1b"
WHITE = "#ffffff"
BROWN = "#7b4a1e"
ORANGE = "#f08a00"
GREY = "#8c8c8c"
LIGHT = "#d8d8d8"
ASPHALT = "#66696d"
GRASS = "#a8cf86"
PAVEMENT = "#d8d2c4"
SKY = "#cfe6f7"


def n(v):
    """A number written short: 12, 12.5, -3.25."""
    if isinstance(v, float):
        s = f"{v:.2f}".rstrip("0").rstrip(".")
        return "0" if s == "-0" else s
    return str(v)


def attrs(fill=None, stroke=None, sw=None, extra=""):
    out = []
    out.append(f'fill="{fill}"' if fill else 'fill="none"')
    if stroke:
        out.append(f'stroke="{stroke}" stroke-width="{n(sw or 1)}" stroke-linejoin="round"')
        if "stroke-linecap" not in extra:
            out.append('stroke-linecap="round"')
    if extra:
        out.append(extra)
    return " ".join(out)


def rect(x, y, w, h, fill=None, rx=0, stroke=None, sw=None, extra=""):
    r = f' rx="{n(rx)}"' if rx else ""
    return f'<rect x="{n(x)}" y="{n(y)}" width="{n(w)}" height="{n(h)}"{r} {attrs(fill, stroke, sw, extra)}/>'


def circle(cx, cy, r, fill=None, stroke=None, sw=None, extra=""):
    return f'<circle cx="{n(cx)}" cy="{n(cy)}" r="{n(r)}" {attrs(fill, stroke, sw, extra)}/>'


def ellipse(cx, cy, rx, ry, fill=None, stroke=None, sw=None):
    return f'<ellipse cx="{n(cx)}" cy="{n(cy)}" rx="{n(rx)}" ry="{n(ry)}" {attrs(fill, stroke, sw)}/>'


def poly(points, fill=None, stroke=None, sw=None, extra=""):
    pts = " ".join(f"{n(x)},{n(y)}" for x, y in points)
    return f'<polygon points="{pts}" {attrs(fill, stroke, sw, extra)}/>'


def clip_to_box(points, x0, y0, x1, y1):
    """The polygon cut to the box (the drawings do without SVG clip paths, which not
    every renderer supports)."""
    def cut(pts, inside, meet):
        out = []
        for k, cur in enumerate(pts):
            prev = pts[k - 1]
            if inside(cur):
                if not inside(prev):
                    out.append(meet(prev, cur))
                out.append(cur)
            elif inside(prev):
                out.append(meet(prev, cur))
        return out

    def at_x(x):
        return lambda p, q: (x, p[1] + (q[1] - p[1]) * (x - p[0]) / (q[0] - p[0]))

    def at_y(y):
        return lambda p, q: (p[0] + (q[0] - p[0]) * (y - p[1]) / (q[1] - p[1]), y)

    pts = list(points)
    for inside, meet in ((lambda p: p[0] >= x0, at_x(x0)), (lambda p: p[0] <= x1, at_x(x1)),
                         (lambda p: p[1] >= y0, at_y(y0)), (lambda p: p[1] <= y1, at_y(y1))):
        if not pts:
            break
        pts = cut(pts, inside, meet)
    return pts


def striped_box(x0, y0, x1, y1, stripe, gap, colour, background):
    """A box with diagonal stripes running from bottom left to top right."""
    out = rect(x0, y0, x1 - x0, y1 - y0, background)
    size = (x1 - x0) + (y1 - y0)
    c = -size
    while c < size:
        band = [(x0 + c, y1), (x0 + c + stripe, y1), (x0 + c + stripe + size, y1 - size), (x0 + c + size, y1 - size)]
        clipped = clip_to_box(band, x0, y0, x1, y1)
        if len(clipped) >= 3:
            out += poly(clipped, colour)
        c += stripe + gap
    return out


def polyline(points, stroke, sw, extra=""):
    pts = " ".join(f"{n(x)},{n(y)}" for x, y in points)
    return f'<polyline points="{pts}" {attrs(None, stroke, sw, extra)}/>'


def path(d, fill=None, stroke=None, sw=None, extra=""):
    return f'<path d="{d}" {attrs(fill, stroke, sw, extra)}/>'


def line(x1, y1, x2, y2, stroke, sw, dash=None, cap="round"):
    d = f' stroke-dasharray="{dash}"' if dash else ""
    return (f'<line x1="{n(x1)}" y1="{n(y1)}" x2="{n(x2)}" y2="{n(y2)}" stroke="{stroke}" '
            f'stroke-width="{n(sw)}" stroke-linecap="{cap}"{d}/>')


def text(x, y, s, size, fill=BLACK, anchor="middle", weight="bold", family=FONT, extra=""):
    s = s.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")
    return (f'<text x="{n(x)}" y="{n(y)}" font-family="{family}" font-size="{n(size)}" '
            f'font-weight="{weight}" fill="{fill}" text-anchor="{anchor}"{(" " + extra) if extra else ""}>{s}</text>')


def g(body, x=0, y=0, s=1, rot=0, flip=False):
    """Body moved to (x, y), scaled by s, rotated by rot degrees, mirrored left-right with flip."""
    parts = []
    if x or y:
        parts.append(f"translate({n(x)},{n(y)})")
    if rot:
        parts.append(f"rotate({n(rot)})")
    if s != 1 or flip:
        parts.append(f"scale({n(-s if flip else s)},{n(s)})")
    if not parts:
        return body
    return f'<g transform="{" ".join(parts)}">{body}</g>'


def doc(w, h, body, background=None):
    bg = rect(0, 0, w, h, background) if background else ""
    return (f'<svg xmlns="http://www.w3.org/2000/svg" version="1.1" width="{w}" height="{h}" '
            f'viewBox="0 0 {w} {h}">{bg}{body}</svg>\n')
