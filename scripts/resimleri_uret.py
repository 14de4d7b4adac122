#!/usr/bin/env python3
"""Writes the program's pictures (resources/resimler/*.svg).

Run from anywhere: python3 scripts/resimleri_uret.py
The SVG files are committed; this script only keeps them consistent.

Conventions of every drawing:
- structure and axes black, loads and imposed displacements red, dimensions blue;
- plane pictures: local x from i to j to the right, y up, z toward the viewer;
- a positive value is drawn the way the calculation takes it: transverse
  loads against local y (and z), axial loads along local x, couples and end
  rotations counterclockwise, end displacements along +x and +y, the face
  temperature Yuk on the -y face and Yuk1 on the +y face, the plate load
  against global Z;
- text in DejaVu Sans.
"""
import math
import os

SIYAH = "#000000"
YUK = "#d00000"
OLCU = "#0040c0"
GRI = "#808080"
YAZI = "DejaVu Sans"

KLASOR = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "resources", "resimler")


def s(v):
    """Short number text."""
    r = round(v, 2)
    if r == int(r):
        return str(int(r))
    return ("%.2f" % r).rstrip("0")


class Resim:
    def __init__(self, g, h):
        self.g, self.h = g, h
        self.p = []

    # ---------------------------------------------------------- primitives
    def cizgi(self, x1, y1, x2, y2, renk=SIYAH, k=1.2, kesik=None):
        d = ' stroke-dasharray="%s"' % kesik if kesik else ""
        self.p.append('<line x1="%s" y1="%s" x2="%s" y2="%s" stroke="%s" stroke-width="%s"%s/>'
                      % (s(x1), s(y1), s(x2), s(y2), renk, s(k), d))

    def yol(self, d, renk=SIYAH, k=1.2, dolgu="none", kesik=None):
        e = ' stroke-dasharray="%s"' % kesik if kesik else ""
        self.p.append('<path d="%s" stroke="%s" stroke-width="%s" fill="%s"%s/>' % (d, renk, s(k), dolgu, e))

    def cokgen(self, noktalar, renk=SIYAH, k=1.2, dolgu="none"):
        n = " ".join("%s,%s" % (s(x), s(y)) for x, y in noktalar)
        self.p.append('<polygon points="%s" stroke="%s" stroke-width="%s" fill="%s"/>' % (n, renk, s(k), dolgu))

    def cokcizgi(self, noktalar, renk=SIYAH, k=1.2, kesik=None):
        n = " ".join("%s,%s" % (s(x), s(y)) for x, y in noktalar)
        e = ' stroke-dasharray="%s"' % kesik if kesik else ""
        self.p.append('<polyline points="%s" stroke="%s" stroke-width="%s" fill="none"%s/>' % (n, renk, s(k), e))

    def daire(self, x, y, r, renk=SIYAH, k=1.2, dolgu="none"):
        self.p.append('<circle cx="%s" cy="%s" r="%s" stroke="%s" stroke-width="%s" fill="%s"/>'
                      % (s(x), s(y), s(r), renk, s(k), dolgu))

    def yazi(self, x, y, metin, boy=13, renk=SIYAH, hiza="middle", egik=False, kalin=False):
        st = ' font-style="italic"' if egik else ""
        kl = ' font-weight="bold"' if kalin else ""
        metin = metin.replace("&", "&amp;").replace("<", "&lt;")
        self.p.append('<text x="%s" y="%s" font-family="%s" font-size="%s" fill="%s" text-anchor="%s"%s%s>%s</text>'
                      % (s(x), s(y), YAZI, s(boy), renk, hiza, st, kl, metin))

    def uc(self, x1, y1, x2, y2, renk=SIYAH, boy=7, gen=3.2):
        """Filled arrow head at (x2, y2) pointing from (x1, y1)."""
        L = math.hypot(x2 - x1, y2 - y1)
        ux, uy = (x2 - x1) / L, (y2 - y1) / L
        bx, by = x2 - ux * boy, y2 - uy * boy
        self.cokgen([(x2, y2), (bx - uy * gen, by + ux * gen), (bx + uy * gen, by - ux * gen)], renk, 0.5, renk)

    def ok(self, x1, y1, x2, y2, renk=SIYAH, k=1.2, boy=7, gen=3.2):
        L = math.hypot(x2 - x1, y2 - y1)
        ux, uy = (x2 - x1) / L, (y2 - y1) / L
        self.cizgi(x1, y1, x2 - ux * boy * 0.6, y2 - uy * boy * 0.6, renk, k)
        self.uc(x1, y1, x2, y2, renk, boy, gen)

    def yay_ok(self, x, y, r, a1, a2, renk=YUK, k=1.4, boy=7):
        """Arc of radius r about (x, y) from angle a1 to a2 (degrees, counterclockwise
        on the screen when a2 > a1), with the head at a2."""
        def nokta(a):
            return x + r * math.cos(math.radians(a)), y - r * math.sin(math.radians(a))
        x1, y1 = nokta(a1)
        # stop the line a little before the head
        geri = math.degrees(boy * 0.6 / r) * (1 if a2 > a1 else -1)
        x2, y2 = nokta(a2 - geri)
        buyuk = 1 if abs(a2 - a1) > 180 else 0
        yon = 0 if a2 > a1 else 1
        self.yol("M%s,%s A%s,%s 0 %d %d %s,%s" % (s(x1), s(y1), s(r), s(r), buyuk, yon, s(x2), s(y2)), renk, k)
        xe, ye = nokta(a2)
        ta = a2 + (90 if a2 > a1 else -90)  # direction of travel at the head
        tx, ty = math.cos(math.radians(ta)), -math.sin(math.radians(ta))
        self.uc(xe - tx * 10, ye - ty * 10, xe, ye, renk, boy)

    def olcu(self, x1, y1, x2, y2, metin, taraf=1, boy=14, yazi_kaydir=0):
        """Dimension line from (x1, y1) to (x2, y2) with ticks and its text on
        the side taraf (+1 above / left of the line direction)."""
        L = math.hypot(x2 - x1, y2 - y1)
        ux, uy = (x2 - x1) / L, (y2 - y1) / L
        nx, ny = uy, -ux  # left normal on screen
        self.cizgi(x1, y1, x2, y2, OLCU, 0.9)
        for (px, py, sx) in ((x1, y1, -1), (x2, y2, 1)):
            self.cizgi(px - nx * 4, py - ny * 4, px + nx * 4, py + ny * 4, OLCU, 0.9)
            if L > 14:
                self.uc(px - sx * ux * 6, py - sx * uy * 6, px, py, OLCU, 5.5, 2.2)
        mx, my = (x1 + x2) / 2 + ux * yazi_kaydir, (y1 + y2) / 2 + uy * yazi_kaydir
        if abs(uy) < 0.3:  # horizontal
            yy = my - 4 if taraf > 0 else my + boy
            self.yazi(mx, yy, metin, boy, OLCU, egik=True)
        else:  # vertical or steep
            if taraf > 0:
                self.yazi(mx - 5, my + boy * 0.35, metin, boy, OLCU, "end", egik=True)
            else:
                self.yazi(mx + 5, my + boy * 0.35, metin, boy, OLCU, "start", egik=True)

    def uzatma(self, x1, y1, x2, y2):
        self.cizgi(x1, y1, x2, y2, OLCU, 0.6, "2,2")

    def dugum(self, x, y, r=3.2):
        self.daire(x, y, r, SIYAH, 1.2, "#ffffff")

    def yay(self, x1, y1, x2, y2, renk=SIYAH, genlik=6, dis=6, k=1.2, bos=8):
        """A coil spring (zigzag) from (x1, y1) to (x2, y2) with straight ends of length bos."""
        L = math.hypot(x2 - x1, y2 - y1)
        ux, uy = (x2 - x1) / L, (y2 - y1) / L
        nx, ny = -uy, ux
        a = [(x1, y1), (x1 + ux * bos, y1 + uy * bos)]
        n = dis * 2
        parca = (L - 2 * bos) / n
        for i in range(n):
            t = bos + parca * (i + 0.5)
            sgn = 1 if i % 2 == 0 else -1
            a.append((x1 + ux * t + nx * genlik * sgn, y1 + uy * t + ny * genlik * sgn))
        a += [(x2 - ux * bos, y2 - uy * bos), (x2, y2)]
        self.cokcizgi(a, renk, k)

    def sarmal(self, x, y, r, renk=SIYAH, k=1.2, tur=2.25):
        """A rotational spring: an Archimedean spiral about (x, y)."""
        pts = []
        n = 90
        for i in range(n + 1):
            t = i / n
            a = t * tur * 2 * math.pi
            rr = r * (0.15 + 0.85 * t)
            pts.append((x + rr * math.cos(a), y - rr * math.sin(a)))
        self.cokcizgi(pts, renk, k)
        return pts[-1]

    def eksen(self, x, y, dx, dy, ad, renk=SIYAH, boy=13, k=1.2, kay=(0, 0)):
        self.ok(x, y, x + dx, y + dy, renk, k, 7, 3)
        L = math.hypot(dx, dy)
        tx = x + dx + dx / L * 8 + kay[0]
        ty = y + dy + dy / L * 8 + boy * 0.35 + kay[1]
        self.yazi(tx, ty, ad, boy, renk, egik=True)

    def disari(self, x, y, ad, r=4.5, boy=13, kay=(8, -6), renk=SIYAH):
        """Axis toward the viewer (a dot in a circle)."""
        self.daire(x, y, r, renk, 1.1, "#ffffff")
        self.daire(x, y, 1.3, renk, 0.5, renk)
        self.yazi(x + kay[0], y + kay[1], ad, boy, renk, "start", egik=True)

    def iceri(self, x, y, ad, r=4.5, boy=13, kay=(8, -6), renk=SIYAH):
        """Axis away from the viewer (a cross in a circle)."""
        self.daire(x, y, r, renk, 1.1, "#ffffff")
        d = r * 0.7
        self.cizgi(x - d, y - d, x + d, y + d, renk, 1.0)
        self.cizgi(x - d, y + d, x + d, y - d, renk, 1.0)
        self.yazi(x + kay[0], y + kay[1], ad, boy, renk, "start", egik=True)

    def mafsalli_mesnet(self, x, y, boy=9):
        self.cokgen([(x, y), (x - boy * 0.8, y + boy), (x + boy * 0.8, y + boy)], SIYAH, 1.1, "#ffffff")
        self.tarama(x - boy * 1.1, y + boy, x + boy * 1.1)

    def kayici_mesnet(self, x, y, boy=9):
        self.cokgen([(x, y), (x - boy * 0.8, y + boy * 0.8), (x + boy * 0.8, y + boy * 0.8)], SIYAH, 1.1, "#ffffff")
        self.daire(x - boy * 0.45, y + boy * 0.8 + 2, 2, SIYAH, 0.9, "#ffffff")
        self.daire(x + boy * 0.45, y + boy * 0.8 + 2, 2, SIYAH, 0.9, "#ffffff")
        self.tarama(x - boy * 1.1, y + boy * 0.8 + 4, x + boy * 1.1)

    def ankastre(self, x, y, gen=18):
        self.tarama(x - gen / 2, y, x + gen / 2)

    def tarama(self, x1, y, x2, asagi=True):
        self.cizgi(x1, y, x2, y, SIYAH, 1.3)
        n = int((x2 - x1) / 4)
        for i in range(n + 1):
            xx = x1 + 2 + i * 4
            if xx > x2:
                break
            self.cizgi(xx, y, xx - 4, y + 4 if asagi else y - 4, SIYAH, 0.7)

    def yaz(self, ad):
        govde = "\n  ".join(self.p)
        metin = ('<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d">\n  %s\n</svg>\n'
                 % (self.g, self.h, self.g, self.h, govde))
        with open(os.path.join(KLASOR, ad + ".svg"), "w", encoding="utf-8") as f:
            f.write(metin)


# =================================================================== axis sets
# Screen horizontal and vertical axes of each set, and whether the third axis
# points toward the viewer (drawn down-left, as the drawing window's oblique
# view draws a positive depth) or away from it (drawn up-right).
EKSEN_TAKIMLARI = {
    1: ("X", "Y", "Z", True),
    2: ("X", "Z", "Y", False),
    3: ("Y", "X", "Z", False),
    4: ("Y", "Z", "X", True),
    5: ("Z", "X", "Y", True),
    6: ("Z", "Y", "X", False),
}


def eksen_resimleri():
    for no, (yatay, dusey, derin, disa) in EKSEN_TAKIMLARI.items():
        r = Resim(80, 80)
        ox, oy = 30, 50
        r.eksen(ox, oy, 38, 0, yatay, boy=15, k=1.6, kay=(-3, 0))
        r.eksen(ox, oy, 0, -36, dusey, boy=15, k=1.6)
        if disa:
            r.ok(ox, oy, ox - 19, oy + 19, SIYAH, 1.3, 7, 3)
            r.yazi(ox - 18, oy + 21 + 9, derin, 15, SIYAH, egik=True)
        else:
            r.ok(ox, oy, ox + 22, oy - 22, SIYAH, 1.3, 7, 3)
            r.yazi(ox + 30, oy - 24, derin, 15, SIYAH, egik=True)
        r.daire(ox, oy, 2.2, SIYAH, 0.5, SIYAH)
        r.yaz("EKSEN%d" % no)


# ================================================================ load types
YG, YH = 260, 160          # picture size
XI, XJ, YB = 62, 232, 90   # element i, j and its line
UZ = XJ - XI


def yerel_eksenler(r, duzlem="xy"):
    """Local axes in the lower left corner: x right and y up with z toward the
    viewer ("xy") or without z ("x-y"), or x right and z up with y away from
    the viewer ("xz")."""
    ox, oy = 20, 142
    r.eksen(ox, oy, 24, 0, "x", kay=(-2, 0))
    if duzlem == "x-y":  # trusses: z plays no part
        r.eksen(ox, oy, 0, -24, "y")
    elif duzlem == "xy":
        r.eksen(ox, oy, 0, -24, "y")
        r.disari(ox, oy, "z", kay=(-17, 15))
    else:
        r.eksen(ox, oy, 0, -24, "z")
        r.iceri(ox, oy, "y", kay=(-17, 15))


def uclar(r, dolu=True):
    """Nodes i and j of a bar drawn from XI to XJ, filled (rigid joints) or
    open (pins), with their names and the length L below."""
    for x in (XI, XJ):
        if dolu:
            r.daire(x, YB, 3.2, SIYAH, 1, SIYAH)
        else:
            r.dugum(x, YB)
    r.yazi(XI - 9, YB + 5, "i", 14, SIYAH, "end", egik=True)
    r.yazi(XJ + 9, YB + 5, "j", 14, SIYAH, "start", egik=True)
    r.uzatma(XI, YB + 6, XI, 146)
    r.uzatma(XJ, YB + 6, XJ, 146)
    r.olcu(XI, 142, XJ, 142, "L")


def eleman(r):
    r.cizgi(XI, YB, XJ, YB, SIYAH, 2.6)
    uclar(r)


def mesafeler(r, parcalar, y=118):
    """Dimension chain under the element: [(x1, x2, text), ...]."""
    for x1, x2, ad in parcalar:
        for x in (x1, x2):
            if x not in (XI, XJ):
                r.uzatma(x, YB + 4, x, y + 5)
        r.olcu(x1, y, x2, y, ad)


def yayili(r, x1, x2, q1, q2, aralik=15):
    """Distributed load acting downward, q1 and q2 its heights in pixels at x1 and x2."""
    ust = YB - 3
    r.cokcizgi([(x1, ust - q1), (x2, ust - q2)], YUK, 1.4)
    n = max(1, round((x2 - x1) / aralik))
    for i in range(n + 1):
        x = x1 + (x2 - x1) * i / n
        q = q1 + (q2 - q1) * i / n
        if q >= 7:
            r.ok(x, ust - q, x, ust, YUK, 1.1, 6, 2.6)
        elif q > 0.5:
            r.cizgi(x, ust - q, x, ust, YUK, 1.1)


def tekil(r, x, boy=44):
    r.ok(x, YB - 3 - boy, x, YB - 3, YUK, 1.8, 9, 4)


def sicaklik_seridi(r, ust_ad, alt_ad, a_olcu):
    h = 16
    r.cokgen([(XI, YB - h), (XJ, YB - h), (XJ, YB + h), (XI, YB + h)], SIYAH, 1.2, "#ffffff")
    r.cizgi(XI, YB - h, XJ, YB - h, YUK, 2.4)
    r.cizgi(XI, YB + h, XJ, YB + h, YUK, 2.4)
    r.cizgi(XI - 6, YB, XJ + 6, YB, SIYAH, 0.7, "8,3,2,3")
    r.dugum(XI, YB)
    r.dugum(XJ, YB)
    r.yazi(XI - 9, YB + 5, "i", 14, SIYAH, "end", egik=True)
    r.yazi(XJ + 9, YB + 5, "j", 14, SIYAH, "start", egik=True)
    xm = (XI + XJ) / 2
    r.yazi(xm, YB - h - 7, ust_ad, 15, YUK)
    r.yazi(xm, YB + h + 17, alt_ad, 15, YUK)
    if a_olcu:
        x = XI + 40
        r.olcu(x, YB + h, x, YB - h, "a", taraf=-1, yazi_kaydir=6)
    r.uzatma(XI, YB + h + 2, XI, 146)
    r.uzatma(XJ, YB + h + 2, XJ, 146)
    r.olcu(XI, 142, XJ, 142, "L")


def sekil_egrisi(r, f):
    """Displaced shape v(t), t in 0..1, v in pixels upward, dashed red."""
    pts = [(XI + UZ * i / 40, YB - f(i / 40)) for i in range(41)]
    r.cokcizgi(pts, YUK, 1.2, "5,3")


def yuk_resmi(no):
    r = Resim(YG, YH)
    xm = (XI + XJ) / 2
    duzlem = "xz" if no in (22, 24) else "xy"
    a_x = XI + 0.3 * UZ
    b_x = XI + 0.75 * UZ
    if no in (1, 21, 22):
        eleman(r)
        yayili(r, XI, XJ, 36, 36)
        r.yazi(xm, YB - 45, "Yük", 15, YUK)
    elif no in (2, 23, 24):
        eleman(r)
        tekil(r, a_x)
        r.yazi(a_x + 7, YB - 34, "Yük", 15, YUK, "start")
        mesafeler(r, [(XI, a_x, "a")])
    elif no == 3:
        eleman(r)
        yayili(r, XI, xm, 0, 40, 14)
        yayili(r, xm, XJ, 40, 0, 14)
        r.yazi(xm, YB - 49, "Yük", 15, YUK)
        mesafeler(r, [(XI, xm, "L/2"), (xm, XJ, "L/2")])
    elif no == 4:
        eleman(r)
        a = 0.25 * UZ
        yayili(r, XI, XI + a, 0, 36, 14)
        yayili(r, XI + a, XJ - a, 36, 36, 15)
        yayili(r, XJ - a, XJ, 36, 0, 14)
        r.yazi(xm, YB - 45, "Yük", 15, YUK)
        mesafeler(r, [(XI, XI + a, "a"), (XJ - a, XJ, "a")])
    elif no == 5:
        eleman(r)
        n = 8
        for i in range(n):
            x = XI + 4 + (UZ - 8) * i / n
            r.ok(x, YB - 9, x + 15, YB - 9, YUK, 1.2, 6, 2.6)
        r.yazi(xm, YB - 20, "Yük", 15, YUK)
    elif no == 6:
        eleman(r)
        r.cizgi(a_x, YB - 5, a_x, YB + 5, SIYAH, 1.2)
        r.ok(a_x - 38, YB - 9, a_x, YB - 9, YUK, 1.8, 9, 4)
        r.yazi(a_x - 19, YB - 17, "Yük", 15, YUK)
        mesafeler(r, [(XI, a_x, "a")])
    elif no == 7:
        eleman(r)
        r.daire(a_x, YB, 2.5, YUK, 1, YUK)
        r.yay_ok(a_x, YB, 18, -35, 215, YUK, 1.6, 8)
        r.yazi(a_x, YB - 25, "Yük", 15, YUK)
        mesafeler(r, [(XI, a_x, "a")])
    elif no in (8, 9, 10, 11, 12):
        eleman(r)
        x1, x2 = a_x, b_x
        if no == 8:
            yayili(r, x1, x2, 0, 40, 13)
            r.yazi(x2 + 4, YB - 46, "Yük", 15, YUK, "start")
        elif no == 9:
            yayili(r, x1, x2, 40, 0, 13)
            r.yazi(x1 - 4, YB - 46, "Yük", 15, YUK, "end")
        elif no == 10:
            yayili(r, x1, x2, 34, 34, 13)
            r.yazi((x1 + x2) / 2, YB - 43, "Yük", 15, YUK)
        elif no == 11:
            yayili(r, x1, x2, 22, 42, 13)
            r.yazi(x1 - 3, YB - 28, "Yük", 15, YUK, "end")
            r.yazi(x2 + 3, YB - 48, "Yük1", 15, YUK, "start")
        else:
            xo = (x1 + x2) / 2
            yayili(r, x1, xo, 0, 40, 13)
            yayili(r, xo, x2, 40, 0, 13)
            r.yazi(xo, YB - 49, "Yük", 15, YUK)
        mesafeler(r, [(XI, x1, "a"), (x1, x2, "b")])
    elif no == 13:
        sicaklik_seridi(r, "Yük1", "Yük", True)
    elif no == 14:
        sicaklik_seridi(r, "Yük", "Yük", False)
    elif no in (15, 16):
        eleman(r)
        x = XI if no == 15 else XJ
        x0 = x if no == 15 else x - 26
        r.cizgi(x, YB - 5, x, YB - 24, YUK, 0.8, "2,2")
        r.ok(x0, YB - 18, x0 + 26, YB - 18, YUK, 1.8, 9, 4)
        r.yazi(x0 + 13, YB - 26, "Yük", 15, YUK)
    elif no in (17, 18):
        eleman(r)
        d = 30
        if no == 17:
            sekil_egrisi(r, lambda t: d * (1 - 3 * t * t + 2 * t ** 3))
            r.ok(XI, YB - 3, XI, YB - d - 10, YUK, 1.8, 9, 4)
            r.yazi(XI - 6, YB - 22, "Yük", 15, YUK, "end")
        else:
            sekil_egrisi(r, lambda t: d * (3 * t * t - 2 * t ** 3))
            r.ok(XJ, YB - 3, XJ, YB - d - 10, YUK, 1.8, 9, 4)
            r.yazi(XJ - 6, YB - 44, "Yük", 15, YUK, "end")
    elif no in (19, 20):
        eleman(r)
        fi = 0.5  # end slope of the drawn shape
        if no == 19:
            sekil_egrisi(r, lambda t: fi * UZ * t * (1 - t) ** 2)
            r.yay_ok(XI, YB, 20, 110, 250, YUK, 1.6, 8)
            r.yazi(XI - 10, YB - 25, "Yük", 15, YUK, "end")
        else:
            sekil_egrisi(r, lambda t: fi * UZ * t * t * (t - 1))
            r.yay_ok(XJ, YB, 18, -70, 70, YUK, 1.6, 8)
            r.yazi(XJ - 2, YB - 26, "Yük", 15, YUK, "end")
    elif no == 25:
        plak_yuk(r)
        r.yaz("YUK25")
        return
    if no in (21, 23):
        duzlem = "xy"
    yerel_eksenler(r, duzlem)
    r.yaz("YUK%d" % no)


def plak_cercevesi(r, i, L, k, j, dolgu="#f4f4f4"):
    r.cokgen([i, L, k, j], SIYAH, 1.6, dolgu)
    for (x, y) in (i, L, k, j):
        r.daire(x, y, 3, SIYAH, 1, SIYAH)


def plak_yuk(r):
    i, L, k, j = (78, 132), (198, 132), (244, 100), (124, 100)
    plak_cercevesi(r, i, L, k, j)
    r.yazi(i[0] - 8, i[1] + 5, "i", 14, SIYAH, "end", egik=True)
    r.yazi(L[0] + 2, L[1] + 16, "L", 14, SIYAH, "start", egik=True)
    r.yazi(k[0] - 4, k[1] + 18, "k", 14, SIYAH, "start", egik=True)
    r.yazi(j[0] - 14, j[1] + 4, "j", 14, SIYAH, "end", egik=True)
    d = 42

    def yer(u, v):
        return i[0] + (L[0] - i[0]) * u + (j[0] - i[0]) * v, i[1] + (j[1] - i[1]) * v

    kose = [yer(u, v) for u, v in ((0.1, 0.15), (0.9, 0.15), (0.9, 0.85), (0.1, 0.85))]
    r.cokgen([(x, y - d) for x, y in kose], YUK, 1.2, "#fff4f4")
    for u in (0.1, 0.5, 0.9):
        for v in (0.15, 0.5, 0.85):
            x, y = yer(u, v)
            r.ok(x, y - d, x, y - 2, YUK, 1.1, 6, 2.6)
    r.yazi(kose[2][0] + 6, kose[2][1] - d + 2, "Yük", 15, YUK, "start")
    ox, oy = 20, 142
    r.eksen(ox, oy, 24, 0, "X", kay=(-2, 0))
    r.eksen(ox, oy, 0, -24, "Z")
    r.eksen(ox, oy, 14, -14, "Y", kay=(-2, 2))


# ============================================================ list icons
def yuk_ikonu(no):
    r = Resim(32, 12)
    b = 10.5  # element line

    def cubuk():
        r.cizgi(1, b, 31, b, SIYAH, 1.2)

    def yay(x1, x2, q1, q2):
        r.cokcizgi([(x1, b - 1 - q1), (x2, b - 1 - q2)], YUK, 1)
        n = max(1, round((x2 - x1) / 5))
        for i in range(n + 1):
            x = x1 + (x2 - x1) * i / n
            q = q1 + (q2 - q1) * i / n
            if q > 0.5:
                r.cizgi(x, b - 1 - q, x, b - 1, YUK, 0.9)

    def asagi_ok(x, ust=1):
        r.cizgi(x, ust, x, b - 3, YUK, 1.2)
        r.cokgen([(x, b - 0.8), (x - 2.2, b - 4), (x + 2.2, b - 4)], YUK, 0.3, YUK)

    def saga_ok(x1, x2, y):
        r.cizgi(x1, y, x2 - 2, y, YUK, 1.2)
        r.cokgen([(x2, y), (x2 - 3.5, y - 2.2), (x2 - 3.5, y + 2.2)], YUK, 0.3, YUK)

    def yukari_ok(x):
        r.cizgi(x, b - 1, x, 3, YUK, 1.2)
        r.cokgen([(x, 0.5), (x - 2.2, 3.8), (x + 2.2, 3.8)], YUK, 0.3, YUK)

    def harf(x, t):
        r.yazi(x, 8, t, 8, SIYAH, "middle", egik=True)

    if no in (13, 14):
        r.cokgen([(1, 3), (31, 3), (31, 10), (1, 10)], SIYAH, 0.8, "#ffffff")
        r.cizgi(1, 2.5, 31, 2.5, YUK, 1.6 if no == 13 else 1.4)
        r.cizgi(1, 10.5, 31, 10.5, YUK, 1.6 if no == 13 else 1.4)
        r.yazi(16, 9.3, "ΔT" if no == 13 else "T", 7.5, YUK)
        r.yaz("YUKKUCUK%d" % no)
        return
    if no == 25:
        r.cokgen([(2, 11), (22, 11), (30, 7), (10, 7)], SIYAH, 0.9, "#ffffff")
        for x in (9, 16, 23):
            r.cizgi(x, 0.5, x, 6.5, YUK, 0.9)
            r.cokgen([(x, 8.5), (x - 1.8, 5.5), (x + 1.8, 5.5)], YUK, 0.3, YUK)
        r.cizgi(9, 0.5, 23, 0.5, YUK, 0.9)
        r.yaz("YUKKUCUK%d" % no)
        return
    cubuk()
    if no in (1, 21, 22):
        yay(2, 30 if no == 1 else 23, 6, 6)
        if no != 1:
            harf(28, "y" if no == 21 else "z")
    elif no in (2, 23, 24):
        asagi_ok(12)
        if no != 2:
            harf(26, "y" if no == 23 else "z")
    elif no == 3:
        yay(2, 16, 0, 8)
        yay(16, 30, 8, 0)
    elif no == 4:
        yay(2, 9, 0, 7)
        yay(9, 23, 7, 7)
        yay(23, 30, 7, 0)
    elif no == 5:
        for x in (2, 12, 22):
            saga_ok(x, x + 8, 6)
    elif no == 6:
        saga_ok(6, 20, 6)
    elif no == 7:
        r.daire(16, b, 1.2, YUK, 0.5, YUK)
        r.yay_ok(16, 7, 4.5, -40, 220, YUK, 1.1, 4)
    elif no == 8:
        yay(10, 26, 0, 8)
    elif no == 9:
        yay(10, 26, 8, 0)
    elif no == 10:
        yay(10, 26, 6, 6)
    elif no == 11:
        yay(10, 26, 4, 8)
    elif no == 12:
        yay(10, 18, 0, 8)
        yay(18, 26, 8, 0)
    elif no in (15, 16):
        x = 2 if no == 15 else 19
        saga_ok(x, x + 11, 5)
        r.daire(2 if no == 15 else 30, b, 1.4, SIYAH, 0.8, "#ffffff")
    elif no in (17, 18):
        x = 3 if no == 17 else 29
        yukari_ok(x)
        r.yol("M%s,2.5 C%s,2.5 %s,%s %s,%s" % ((3, 16, 16, b, 29, b) if no == 17 else (29, 16, 16, b, 3, b)),
              YUK, 0.8, kesik="2,1.5")
    elif no in (19, 20):
        if no == 19:
            r.yay_ok(7, 6.5, 4.5, 100, 300, YUK, 1.1, 4)
        else:
            r.yay_ok(25, 6.5, 4.5, -120, 80, YUK, 1.1, 4)
    r.yaz("YUKKUCUK%d" % no)


# ============================================================ system types
SG, SH = 220, 160


def global_eksenler(r, ox, oy, uzay, boy=22):
    """Global axes: X right and Y up (plane systems), or X right, Z up and Y
    away from the viewer (space systems)."""
    r.eksen(ox, oy, boy, 0, "X", kay=(-2, 0))
    if uzay:
        r.eksen(ox, oy, 0, -boy, "Z")
        r.eksen(ox, oy, boy * 0.6, -boy * 0.6, "Y", kay=(2, 4))
    else:
        r.eksen(ox, oy, 0, -boy, "Y")


def oblik(x, y, z, ox, oy, s=1.0, d=0.5):
    """Oblique view: X right, Z up, Y away from the viewer (up-right)."""
    return ox + s * (x + d * y * 0.7071), oy - s * (z + d * y * 0.7071)


def sistem_resimleri():
    # 10: plane truss on a pin and a roller, with a nodal load
    r = Resim(SG, SH)
    y0, y1, x0, p = 110, 62, 40, 40
    alt = [(x0 + p * i, y0) for i in range(5)]
    ust = [(x0 + p * i + p / 2, y1) for i in range(4)]
    for a, b in zip(alt, alt[1:]):
        r.cizgi(*a, *b, SIYAH, 1.6)
    for a, b in zip(ust, ust[1:]):
        r.cizgi(*a, *b, SIYAH, 1.6)
    for i, u in enumerate(ust):
        r.cizgi(*alt[i], *u, SIYAH, 1.6)
        r.cizgi(*u, *alt[i + 1], SIYAH, 1.6)
    for n in alt + ust:
        r.dugum(*n, 2.6)
    r.mafsalli_mesnet(alt[0][0], y0 + 3)
    r.kayici_mesnet(alt[-1][0], y0 + 3)
    r.ok(ust[1][0], y1 - 34, ust[1][0], y1 - 4, YUK, 1.8, 8, 3.5)
    r.ok(ust[2][0], y1 - 34, ust[2][0], y1 - 4, YUK, 1.8, 8, 3.5)
    global_eksenler(r, 14, 148, False)
    r.yaz("SISTEM10")

    # 20: space truss (a pyramid on a square base)
    r = Resim(SG, SH)
    ox, oy = 66, 122
    taban = [(0, 0, 0), (90, 0, 0), (90, 80, 0), (0, 80, 0)]
    tepe = (45, 40, 70)
    P = lambda q: oblik(*q, ox, oy)
    for a, b in zip(taban, taban[1:] + taban[:1]):
        r.cizgi(*P(a), *P(b), SIYAH, 1.6)
    for a in taban:
        r.cizgi(*P(a), *P(tepe), SIYAH, 1.6)
    for a in taban:
        x, y = P(a)
        r.dugum(x, y, 2.6)
        r.mafsalli_mesnet(x, y + 3, 7)
    tx, ty = P(tepe)
    r.dugum(tx, ty, 2.6)
    r.ok(tx, ty - 34, tx, ty - 4, YUK, 1.8, 8, 3.5)
    global_eksenler(r, 14, 148, True)
    r.yaz("SISTEM20")

    # 30: plane frame, one bay and two storeys, fixed at the feet
    r = Resim(SG, SH)
    xs, ys = (60, 170), (130, 85, 40)
    for x in xs:
        r.cizgi(x, ys[0], x, ys[2], SIYAH, 2.2)
        r.ankastre(x, ys[0] + 1, 22)
    for y in ys[1:]:
        r.cizgi(xs[0], y, xs[1], y, SIYAH, 2.2)
    for x in xs:
        for y in ys:
            r.daire(x, y, 2.6, SIYAH, 1, SIYAH)
    for k in range(8):
        x = xs[0] + 8 + k * (xs[1] - xs[0] - 16) / 7
        r.ok(x, ys[2] - 18, x, ys[2] - 3, YUK, 1.0, 5, 2.3)
    r.cizgi(xs[0] + 8, ys[2] - 18, xs[1] - 8, ys[2] - 18, YUK, 1.2)
    r.ok(xs[0] - 34, ys[1], xs[0] - 4, ys[1], YUK, 1.8, 8, 3.5)
    global_eksenler(r, 14, 148, False)
    r.yaz("SISTEM30")

    # 40: space frame, one storey on four fixed columns
    r = Resim(SG, SH)
    ox, oy = 60, 130
    g, d, h = 100, 70, 70
    alt = [(0, 0, 0), (g, 0, 0), (g, d, 0), (0, d, 0)]
    ust = [(x, y, h) for x, y, _ in alt]
    P = lambda q: oblik(*q, ox, oy)
    for a, b in zip(alt, ust):
        r.cizgi(*P(a), *P(b), SIYAH, 2.0)
        x, y = P(a)
        r.ankastre(x, y + 1, 18)
    for a, b in zip(ust, ust[1:] + ust[:1]):
        r.cizgi(*P(a), *P(b), SIYAH, 2.0)
    for q in ust:
        r.daire(*P(q), 2.4, SIYAH, 1, SIYAH)
    x, y = P(ust[3])
    r.ok(x - 34, y, x - 4, y, YUK, 1.8, 8, 3.5)
    global_eksenler(r, 14, 148, True)
    r.yaz("SISTEM40")

    # 50: membrane panel (plane stress), quadrilaterals and triangles
    r = Resim(SG, SH)
    x0, y0, g, h, nx, ny = 50, 125, 130, 90, 4, 3
    dx, dy = g / nx, h / ny
    r.cokgen([(x0, y0), (x0 + g, y0), (x0 + g, y0 - h), (x0, y0 - h)], SIYAH, 1.8, "#f4f4f4")
    for i in range(1, nx):
        r.cizgi(x0 + i * dx, y0, x0 + i * dx, y0 - h, SIYAH, 0.9)
    for j in range(1, ny):
        r.cizgi(x0, y0 - j * dy, x0 + g, y0 - j * dy, SIYAH, 0.9)
    for j in range(ny):
        r.cizgi(x0 + (nx - 1) * dx, y0 - j * dy, x0 + g, y0 - (j + 1) * dy, SIYAH, 0.9)
    for i in range(nx + 1):
        r.mafsalli_mesnet(x0 + i * dx, y0 + 2, 7)
    r.ok(x0 - 34, y0 - h, x0 - 3, y0 - h, YUK, 1.8, 8, 3.5)
    r.ok(x0 + g, y0 - h - 32, x0 + g, y0 - h - 3, YUK, 1.8, 8, 3.5)
    global_eksenler(r, 14, 148, False)
    r.yaz("SISTEM50")

    # 60: plate on its corner and edge supports, under a uniform load
    r = Resim(SG, SH)
    ox, oy = 52, 128
    g, d, nx, ny = 130, 100, 4, 3
    P = lambda x, y: oblik(x, y, 0, ox, oy)
    r.cokgen([P(0, 0), P(g, 0), P(g, d), P(0, d)], SIYAH, 1.8, "#f4f4f4")
    for i in range(1, nx):
        r.cizgi(*P(i * g / nx, 0), *P(i * g / nx, d), SIYAH, 0.8)
    for j in range(1, ny):
        r.cizgi(*P(0, j * d / ny), *P(g, j * d / ny), SIYAH, 0.8)
    for q in ((0, 0), (g, 0), (g, d), (0, d)):
        x, y = P(*q)
        r.mafsalli_mesnet(x, y + 2, 7)
    for u in (0.2, 0.5, 0.8):
        for v in (0.25, 0.75):
            x, y = P(u * g, v * d)
            r.ok(x, y - 30, x, y - 2, YUK, 1.1, 6, 2.6)
    global_eksenler(r, 14, 148, True)
    r.yaz("SISTEM60")


# ============================================================ section types
KG, KH = 200, 180
KX, KY = 100, 88   # centroid on the picture
TARAMA = "#e8e8e8"


def kesit_eksenleri(r, sol, sag, ust, alt, cx=None):
    """Local y up along h and z to the right along b, through the centroid
    (cx, KY); local x, the bar axis, away from the viewer. sol, sag, ust, alt:
    the extent of the shape from the centroid."""
    cx = KX if cx is None else cx
    r.cizgi(cx - sol - 8, KY, cx + sag + 6, KY, SIYAH, 0.7, "8,3,2,3")
    r.cizgi(cx, KY + alt + 8, cx, KY - ust - 6, SIYAH, 0.7, "8,3,2,3")
    r.eksen(cx + sag + 6, KY, 16, 0, "z", kay=(-2, 0))
    r.eksen(cx, KY - ust - 6, 0, -16, "y", kay=(9, 8))
    r.iceri(cx, KY, "x", r=4, kay=(7, 15))


def yukseklik_olcusu(r, x_sekil, y_ust, y_alt, ad="h", aralik=18):
    """Height dimension on the left of the shape (x_sekil its left edge)."""
    x = x_sekil - aralik
    r.uzatma(x_sekil - 3, y_ust, x - 4, y_ust)
    r.uzatma(x_sekil - 3, y_alt, x - 4, y_alt)
    r.olcu(x, y_alt, x, y_ust, ad)


def genislik_olcusu(r, x1, x2, y_sekil, ad, aralik=16, kaydir=0):
    """Width dimension below (aralik > 0) or above (aralik < 0) the shape edge y_sekil."""
    y = y_sekil + aralik
    d = 4 if aralik > 0 else -4
    r.uzatma(x1, y_sekil + d * 0.75, x1, y + d)
    r.uzatma(x2, y_sekil + d * 0.75, x2, y + d)
    r.olcu(x1, y, x2, y, ad, taraf=-1 if aralik > 0 else 1, yazi_kaydir=kaydir)


def kalinlik(r, x1, y1, x2, y2, ad, yazi_yeri):
    """Thickness between the faces at (x1, y1) and (x2, y2): two arrows from
    outside onto the faces, and its name at yazi_yeri (x, y, anchor)."""
    L = math.hypot(x2 - x1, y2 - y1)
    ux, uy = (x2 - x1) / L, (y2 - y1) / L
    r.cizgi(x1, y1, x2, y2, OLCU, 0.8)
    r.ok(x1 - ux * 11, y1 - uy * 11, x1, y1, OLCU, 0.9, 5.5, 2.2)
    r.ok(x2 + ux * 11, y2 + uy * 11, x2, y2, OLCU, 0.9, 5.5, 2.2)
    x, y, hiza = yazi_yeri
    r.yazi(x, y, ad, 13, OLCU, hiza, egik=True)


def flans_kalinligi(r, x_kenar, y_dis, y_ic):
    """Flange thickness t on the right of a flange edge at x_kenar."""
    x = x_kenar + 9
    r.uzatma(x_kenar + 2, y_dis, x + 3, y_dis)
    r.uzatma(x_kenar + 2, y_ic, x + 3, y_ic)
    kalinlik(r, x, y_dis, x, y_ic, "t", (x + 5, (y_dis + y_ic) / 2 + 4, "start"))


def govde_kalinligi(r, x_sol, x_sag, y):
    """Web thickness bw at height y."""
    kalinlik(r, x_sol, y, x_sag, y, "bw", (x_sag + 13, y + 4, "start"))


def profil_I(r, b, h, tw, tf, egim=0.0):
    """I shape about the centroid; egim is the inner slope of tapered flanges."""
    yb, yh = b / 2, h / 2
    e = egim * (yb - tw / 2)  # the flange is thicker by e at the web than at its tip
    n = [(-yb, -yh), (yb, -yh), (yb, -yh + tf - e / 2), (tw / 2, -yh + tf + e / 2), (tw / 2, yh - tf - e / 2),
         (yb, yh - tf + e / 2), (yb, yh), (-yb, yh), (-yb, yh - tf + e / 2), (-tw / 2, yh - tf - e / 2),
         (-tw / 2, -yh + tf + e / 2), (-yb, -yh + tf - e / 2)]
    r.cokgen([(KX + x, KY + y) for x, y in n], SIYAH, 1.6, TARAMA)


def profil_U(r, x0, b, h, tw, tf, egim=0.0):
    """Channel with its web on the left at x0, flanges to the right."""
    yh = h / 2
    e = egim * (b - tw)
    n = [(0, -yh), (b, -yh), (b, -yh + tf - e / 2), (tw, -yh + tf + e / 2), (tw, yh - tf - e / 2),
         (b, yh - tf + e / 2), (b, yh), (0, yh)]
    r.cokgen([(x0 + x, KY + y) for x, y in n], SIYAH, 1.6, TARAMA)


def I_olculeri(r, b, h, tw, tf, egim=0.0):
    yb, yh = b / 2, h / 2
    yukseklik_olcusu(r, KX - yb, KY - yh, KY + yh)
    genislik_olcusu(r, KX - yb, KX + yb, KY + yh, "b")
    flans_kalinligi(r, KX + yb, KY - yh, KY - yh + tf - egim * (yb - tw / 2) / 2)
    govde_kalinligi(r, KX - tw / 2, KX + tw / 2, KY + yh * 0.5)


def dikdortgen(r, x1, y1, x2, y2, dolgu=TARAMA, k=1.6):
    r.cokgen([(x1, y1), (x2, y1), (x2, y2), (x1, y2)], SIYAH, k, dolgu)


def kesit_resimleri():
    # 1 rectangle: the width is typed into "bw", the height into "h"
    r = Resim(KG, KH)
    gb, hh = 34, 52
    dikdortgen(r, KX - gb, KY - hh, KX + gb, KY + hh)
    kesit_eksenleri(r, gb, gb, hh, hh)
    yukseklik_olcusu(r, KX - gb, KY - hh, KY + hh)
    genislik_olcusu(r, KX - gb, KX + gb, KY + hh, "bw")
    r.yaz("KESIT1")

    # 2 T: flange b x t on top, web bw, height h; drawn about its centroid
    r = Resim(KG, KH)
    b, h, tw, tf = 100, 104, 24, 22
    ey = ((h * h * tw + (b - tw) * tf * tf) / 2) / (b * tf + (h - tf) * tw)  # centroid below the top
    ust = KY - ey
    n = [(-b / 2, 0), (b / 2, 0), (b / 2, tf), (tw / 2, tf), (tw / 2, h), (-tw / 2, h), (-tw / 2, tf), (-b / 2, tf)]
    r.cokgen([(KX + x, ust + y) for x, y in n], SIYAH, 1.6, TARAMA)
    kesit_eksenleri(r, b / 2, b / 2, ey + 14, h - ey)
    yukseklik_olcusu(r, KX - b / 2, ust, ust + h, aralik=14)
    r.uzatma(KX - tw / 2 - 3, ust + h, KX - b / 2 - 3, ust + h)
    genislik_olcusu(r, KX - b / 2, KX + b / 2, ust, "b", aralik=-14, kaydir=-24)
    flans_kalinligi(r, KX + b / 2, ust, ust + tf)
    govde_kalinligi(r, KX - tw / 2, KX + tw / 2, ust + h - 14)
    r.yaz("KESIT2")

    # 3 I: flanges b x t, web bw, height h
    r = Resim(KG, KH)
    b, h, tw, tf = 84, 110, 16, 16
    profil_I(r, b, h, tw, tf)
    kesit_eksenleri(r, b / 2, b / 2, h / 2, h / 2)
    I_olculeri(r, b, h, tw, tf)
    r.yaz("KESIT3")

    # 4 circle and 5 ring: the outer diameter is typed into "bw", the wall into "t"
    for no in (4, 5):
        r = Resim(KG, KH)
        R, t = 46, 12
        if no == 4:
            r.daire(KX, KY, R, SIYAH, 1.6, TARAMA)
        else:
            r.daire(KX, KY, R - t / 2, TARAMA, t)
            r.daire(KX, KY, R, SIYAH, 1.6)
            r.daire(KX, KY, R - t, SIYAH, 1.6)
            a = math.radians(135)
            kalinlik(r, KX + (R - t) * math.cos(a), KY - (R - t) * math.sin(a),
                     KX + R * math.cos(a), KY - R * math.sin(a), "t", (KX - R * 0.71 - 14, KY - R * 0.71 - 6, "end"))
        kesit_eksenleri(r, R, R, R, R)
        genislik_olcusu(r, KX - R, KX + R, KY + R, "bw")
        r.yaz("KESIT%d" % no)

    # 6 box: outer b x h, side walls bw, top and bottom plates t
    r = Resim(KG, KH)
    b, h, tw, tf = 84, 108, 14, 14
    yb, yh = b / 2, h / 2
    dikdortgen(r, KX - yb, KY - yh, KX + yb, KY + yh)
    dikdortgen(r, KX - yb + tw, KY - yh + tf, KX + yb - tw, KY + yh - tf, "#ffffff")
    kesit_eksenleri(r, yb, yb, yh, yh)
    yukseklik_olcusu(r, KX - yb, KY - yh, KY + yh)
    genislik_olcusu(r, KX - yb, KX + yb, KY + yh, "b")
    flans_kalinligi(r, KX + yb, KY - yh, KY - yh + tf)
    govde_kalinligi(r, KX + yb - tw, KX + yb, KY + yh * 0.5)
    r.yaz("KESIT6")

    # 7, 8, 9 springs, named as the fields that take their stiffness
    for no in (7, 8, 9):
        r = Resim(KG, KH)
        y, x1, x2 = 96, 30, 170
        if no == 7:
            r.yay(x1, y, x2, y, SIYAH, 9, 6, 1.4, 14)
            r.yazi(100, y - 20, "Keksenel", 13, OLCU)
        else:
            xs = 66 if no == 9 else 30
            if no == 9:
                r.yay(x1, y, xs + 30, y, SIYAH, 8, 4, 1.4, 8)
                r.yazi(56, y - 20, "Keksenel", 13, OLCU)
            cx = 132 if no == 9 else 96
            r.cizgi(xs + 30 if no == 9 else x1, y, cx, y, SIYAH, 2.0)
            son = r.sarmal(cx, y, 20, SIYAH, 1.4)
            r.cokcizgi([son, (cx + 24, son[1]), (cx + 24, y), (x2, y)], SIYAH, 2.0)
            r.yazi(cx, y - 30, "Kdönme", 13, OLCU)
        r.dugum(x1, y)
        r.dugum(x2, y)
        r.eksen(20, 150, 24, 0, "x", kay=(-2, 0))
        r.eksen(20, 150, 0, -24, "y")
        r.yaz("KESIT%d" % no)

    # 10..15 rolled profiles, each family in its own proportions
    profiller = {
        10: ("NPI", 60, 120, 8, 11, 0.14),
        11: ("NPU", 48, 120, 8, 11, 0.08),
        12: ("IPE", 62, 124, 6, 10, 0.0),
        13: ("HE-A", 112, 100, 7, 10, 0.0),
        14: ("HE-B", 112, 112, 9, 14, 0.0),
        15: ("HE-M", 112, 122, 15, 24, 0.0),
    }
    for no, (ad, b, h, tw, tf, egim) in profiller.items():
        r = Resim(KG, KH)
        if no == 11:
            x0 = KX - 0.3 * b  # the centroid of a channel lies near its web
            profil_U(r, x0, b, h, tw, tf, egim)
            kesit_eksenleri(r, 0.3 * b, 0.7 * b, h / 2, h / 2)
            yukseklik_olcusu(r, x0, KY - h / 2, KY + h / 2)
            genislik_olcusu(r, x0, x0 + b, KY + h / 2, "b")
            flans_kalinligi(r, x0 + b, KY - h / 2, KY - h / 2 + tf - egim * (b - tw) / 2)
            govde_kalinligi(r, x0, x0 + tw, KY + h * 0.25)
        else:
            profil_I(r, b, h, tw, tf, egim)
            kesit_eksenleri(r, b / 2, b / 2, h / 2, h / 2)
            I_olculeri(r, b, h, tw, tf, egim)
        r.yazi(8, 18, ad, 14, SIYAH, "start", kalin=True)
        r.yaz("KESIT%d" % no)

    # 29 seismic isolator: axial and shear springs, named as their fields
    r = Resim(KG, KH)
    izolator(r, 96, 146, 36, 28)
    r.yazi(102, 74, "Keksenel", 11, OLCU, "start")
    r.yazi(160, 98, "Kesme", 11, OLCU, "start")
    r.yazi(46, 164, "Kkesme", 11, OLCU)
    r.eksen(20, 48, 0, -22, "x")
    r.eksen(20, 48, 22, 0, "y", kay=(-2, 0))
    r.ok(20, 48, 8, 60, SIYAH, 1.1, 6, 2.6)
    r.yazi(5, 66, "z", 13, SIYAH, egik=True)
    r.yaz("KESIT29")

    # 50 membrane: a wall panel standing in its plane; 60 plate: a slab; thickness t
    for no in (50, 60):
        r = Resim(KG, KH)
        t = 12
        if no == 50:
            x1, y1, x2, y2 = 46, 44, 146, 144
            dx, dy = t * 0.8, -t * 0.8
            r.cokgen([(x1, y1), (x1 + dx, y1 + dy), (x2 + dx, y1 + dy), (x2 + dx, y2 + dy), (x2, y2), (x2, y1)],
                     SIYAH, 1.2, "#d0d0d0")
            r.cizgi(x2, y1, x2 + dx, y1 + dy, SIYAH, 1.2)
            dikdortgen(r, x1, y1, x2, y2)
            kalinlik(r, x1 - 6, y1, x1 - 6 + dx, y1 + dy, "t", (x1 - 2, y1 + dy - 8, "end"))
            r.eksen(22, 160, 22, 0, "x", kay=(-2, 0))
            r.eksen(22, 160, 0, -22, "y")
        else:
            ox, oy = 40, 118
            g, d = 110, 90
            P = lambda x, y, z: oblik(x, y, z, ox, oy)
            ust = [P(0, 0, t), P(g, 0, t), P(g, d, t), P(0, d, t)]
            alt = [P(0, 0, 0), P(g, 0, 0), P(g, d, 0)]
            r.cokgen([alt[0], alt[1], alt[2], ust[2], ust[1], ust[0]], SIYAH, 1.2, "#d0d0d0")
            r.cizgi(*alt[1], *ust[1], SIYAH, 1.2)
            r.cokgen(ust, SIYAH, 1.6, TARAMA)
            x = alt[0][0] - 8
            r.uzatma(alt[0][0] - 2, alt[0][1], x - 3, alt[0][1])
            r.uzatma(ust[0][0] - 2, ust[0][1], x - 3, ust[0][1])
            kalinlik(r, x, alt[0][1], x, ust[0][1], "t", (x - 5, (alt[0][1] + ust[0][1]) / 2 + 4, "end"))
            global_eksenler(r, 16, 164, True)
        r.yaz("KESIT%d" % no)


def izolator(r, x, y_alt, y_ust, yari):
    """Seismic isolator between a lower plate (node i) at y_alt and an upper
    plate (node j) at y_ust: an axial spring along the bar axis in the middle,
    a shear spring across it on the right (local y) and one drawn along the
    oblique depth on the left (local z)."""
    ya, yu = y_alt, y_ust
    orta = (ya + yu) / 2
    dikdortgen(r, x - yari, ya - 5, x + yari, ya, "#d0d0d0", 1.2)
    dikdortgen(r, x - yari, yu, x + yari, yu + 5, "#d0d0d0", 1.2)
    r.yay(x, ya - 5, x, yu + 5, SIYAH, 6, 5, 1.3, 8)
    # right: a post on the lower plate, an arm of the upper plate, the spring between
    sx = x + yari + 32
    r.cizgi(x + yari - 3, ya - 5, x + yari - 3, orta + 12, SIYAH, 1.3)
    r.cokcizgi([(x + yari, yu + 2.5), (sx, yu + 2.5), (sx, orta + 12)], SIYAH, 1.3)
    r.yay(x + yari - 3, orta + 12, sx, orta + 12, SIYAH, 4, 3, 1.2, 4)
    # left: an arm of the lower plate, a post of the upper plate, the spring
    # between them along the oblique depth
    sx = x - yari - 22
    r.cokcizgi([(x - yari, ya - 2.5), (sx, ya - 2.5), (sx, orta + 14)], SIYAH, 1.3)
    r.cizgi(x - yari + 3, yu + 5, x - yari + 3, orta - 8, SIYAH, 1.3)
    r.yay(sx, orta + 14, x - yari + 3, orta - 8, SIYAH, 3.5, 3, 1.2, 4)


# ============================================================ element types
EG, EH = 260, 160


def eleman_resimleri():
    # bar elements drawn like the load pictures: x from i to j, y up, z toward the viewer
    for no in (10, 11, 30, 31, 32, 33):
        r = Resim(EG, EH)
        kafes = no in (10, 11)
        if no in (10, 30):
            r.cizgi(XI, YB, XJ, YB, SIYAH, 2.6)
        elif no in (11, 31):
            r.yay(XI, YB, XJ, YB, SIYAH, 9, 7, 1.4, 20)
        elif no == 32:
            xm = (XI + XJ) / 2
            r.cizgi(XI, YB, xm, YB, SIYAH, 2.6)
            son = r.sarmal(xm, YB, 18, SIYAH, 1.4)
            r.cokcizgi([son, (xm + 24, son[1]), (xm + 24, YB), (XJ, YB)], SIYAH, 2.2)
        else:
            xm = XI + 0.62 * UZ
            r.yay(XI, YB, xm - 20, YB, SIYAH, 8, 4, 1.4, 10)
            son = r.sarmal(xm, YB, 16, SIYAH, 1.4)
            r.cizgi(xm - 20, YB, xm, YB, SIYAH, 2.2)
            r.cokcizgi([son, (xm + 22, son[1]), (xm + 22, YB), (XJ, YB)], SIYAH, 2.2)
        uclar(r, not kafes)
        yerel_eksenler(r, "x-y" if kafes else "xy")
        r.yaz("ELEMAN%d" % no)

    # 20, 21 space truss bar and axial spring, in an oblique view
    for no in (20, 21):
        r = Resim(EG, EH)
        i, j = (70, 112), (220, 52)
        if no == 20:
            r.cizgi(*i, *j, SIYAH, 2.6)
        else:
            r.yay(*i, *j, SIYAH, 9, 7, 1.4, 20)
        r.dugum(*i)
        r.dugum(*j)
        r.yazi(i[0] - 9, i[1] + 5, "i", 14, SIYAH, "end", egik=True)
        r.yazi(j[0] + 9, j[1] + 5, "j", 14, SIYAH, "start", egik=True)
        L = math.hypot(j[0] - i[0], j[1] - i[1])
        ux, uy = (j[0] - i[0]) / L, (j[1] - i[1]) / L
        nx, ny = uy, -ux
        d = -22
        r.uzatma(i[0] - nx * 5, i[1] - ny * 5, i[0] + nx * (d - 4), i[1] + ny * (d - 4))
        r.uzatma(j[0] - nx * 5, j[1] - ny * 5, j[0] + nx * (d - 4), j[1] + ny * (d - 4))
        r.olcu(i[0] + nx * d, i[1] + ny * d, j[0] + nx * d, j[1] + ny * d, "L", taraf=-1)
        # local x along the bar, drawn beside it
        ax, ay = i[0] + ux * 40 + nx * 16, i[1] + uy * 40 + ny * 16
        r.eksen(ax, ay, ux * 30, uy * 30, "x", kay=(0, 0))
        global_eksenler(r, 16, 146, True)
        r.yaz("ELEMAN%d" % no)

    # 40 space frame bar: local y in the plane of i, j and the third point k
    r = Resim(EG, EH)
    i, j, k = (62, 104), (222, 104), (96, 30)
    r.cokgen([i, j, k], GRI, 0.7, "#f2f2f2")
    r.cizgi(*i, *k, GRI, 0.9, "4,3")
    r.cizgi(*j, *k, GRI, 0.9, "4,3")
    r.cizgi(*i, *j, SIYAH, 2.6)
    r.daire(*i, 3.2, SIYAH, 1, SIYAH)
    r.daire(*j, 3.2, SIYAH, 1, SIYAH)
    r.dugum(*k)
    r.yazi(i[0] - 9, i[1] + 5, "i", 14, SIYAH, "end", egik=True)
    r.yazi(j[0] + 9, j[1] + 5, "j", 14, SIYAH, "start", egik=True)
    r.yazi(k[0] + 9, k[1] + 4, "k", 14, SIYAH, "start", egik=True)
    r.eksen(i[0], i[1], 44, 0, "x", kay=(0, -12))
    r.eksen(i[0], i[1], 0, -40, "y", kay=(-10, 4))
    r.eksen(i[0], i[1], -20, 20, "z", kay=(-4, 0))
    r.uzatma(i[0], i[1] + 6, i[0], 150)
    r.uzatma(j[0], j[1] + 6, j[0], 150)
    r.olcu(i[0], 146, j[0], 146, "L")
    r.yaz("ELEMAN40")

    # 41 seismic isolator: axial spring along x (i to j), shear springs along y and z;
    # y lies toward the third point k
    r = Resim(EG, EH)
    cx, ya, yu = 128, 134, 34
    izolator(r, cx, ya, yu, 30)
    r.cizgi(cx, ya, 228, ya, GRI, 0.9, "4,3")
    r.daire(cx, ya, 3.2, SIYAH, 1, SIYAH)
    r.daire(cx, yu, 3.2, SIYAH, 1, SIYAH)
    r.dugum(232, ya)
    r.yazi(cx - 8, ya + 15, "i", 14, SIYAH, "end", egik=True)
    r.yazi(cx - 8, yu - 4, "j", 14, SIYAH, "end", egik=True)
    r.yazi(232, ya + 18, "k", 14, SIYAH, egik=True)
    ox, oy = 206, 92
    r.eksen(ox, oy, 0, -28, "x")
    r.eksen(ox, oy, 26, 0, "y", kay=(-3, 0))
    r.iceri(ox, oy, "z", kay=(-16, 16))
    x = cx - 70
    r.uzatma(cx - 5, ya, x - 4, ya)
    r.uzatma(cx - 5, yu, x - 4, yu)
    r.olcu(x, ya, x, yu, "L")
    r.yaz("ELEMAN41")

    # 50 triangle membrane in the X-Y plane
    r = Resim(EG, EH)
    i, j, k = (70, 126), (210, 110), (120, 30)
    r.cokgen([i, j, k], SIYAH, 1.8, "#f2f2f2")
    for p, ad, kay in ((i, "i", (-9, 5)), (j, "j", (9, 5)), (k, "k", (9, -2))):
        r.dugum(*p)
        r.yazi(p[0] + kay[0], p[1] + kay[1], ad, 14, SIYAH, "end" if kay[0] < 0 else "start", egik=True)
    r.eksen(20, 142, 24, 0, "x", kay=(-2, 0))
    r.eksen(20, 142, 0, -24, "y")
    r.yaz("ELEMAN50")

    # 51 quadrilateral membrane: i (0, 0), j (0, b), k (a, b), L (a, 0)
    r = Resim(EG, EH)
    x0, y0, a, b = 72, 118, 140, 84
    i, j, k, L = (x0, y0), (x0, y0 - b), (x0 + a, y0 - b), (x0 + a, y0)
    r.cokgen([i, j, k, L], SIYAH, 1.8, "#f2f2f2")
    for p, ad, kay in ((i, "i", (-9, 5)), (j, "j", (-9, 5)), (k, "k", (6, -7)), (L, "L", (6, 17))):
        r.dugum(*p)
        r.yazi(p[0] + kay[0], p[1] + kay[1], ad, 14, SIYAH, "end" if kay[0] < 0 else "start", egik=True)
    r.uzatma(x0, y0 + 5, x0, y0 + 26)
    r.uzatma(x0 + a, y0 + 5, x0 + a, y0 + 26)
    r.olcu(x0, y0 + 22, x0 + a, y0 + 22, "a", taraf=-1)
    r.uzatma(x0 + a + 5, y0, x0 + a + 34, y0)
    r.uzatma(x0 + a + 5, y0 - b, x0 + a + 34, y0 - b)
    r.olcu(x0 + a + 30, y0, x0 + a + 30, y0 - b, "b", taraf=-1)
    r.eksen(20, 142, 24, 0, "x", kay=(-2, 0))
    r.eksen(20, 142, 0, -24, "y")
    r.yaz("ELEMAN51")

    # 60 plate: i at the origin, L along +X, j along +Y; Z up
    r = Resim(EG, EH)
    ox, oy = 62, 120
    a, b = 136, 100
    P = lambda x, y: oblik(x, y, 0, ox, oy)
    i, L, k, j = P(0, 0), P(a, 0), P(a, b), P(0, b)
    plak_cercevesi(r, i, L, k, j)
    r.yazi(i[0] - 8, i[1] + 5, "i", 14, SIYAH, "end", egik=True)
    r.yazi(L[0] + 2, L[1] + 17, "L", 14, SIYAH, "start", egik=True)
    r.yazi(k[0] - 2, k[1] - 7, "k", 14, SIYAH, "start", egik=True)
    r.yazi(j[0] - 8, j[1] + 2, "j", 14, SIYAH, "end", egik=True)
    r.uzatma(i[0], i[1] + 5, i[0], i[1] + 26)
    r.uzatma(L[0], L[1] + 5, L[0], L[1] + 26)
    r.olcu(i[0], i[1] + 22, L[0], L[1] + 22, "a", taraf=-1)
    r.uzatma(L[0] + 5, L[1], L[0] + 24, L[1])
    r.uzatma(k[0] + 5, k[1], k[0] + 24, k[1])
    r.olcu(L[0] + 20, L[1], k[0] + 20, k[1], "b", taraf=-1)
    r.eksen(i[0], i[1], 0, -46, "Z", kay=(-10, 4))
    r.eksen(20, 142, 24, 0, "X", kay=(-2, 0))
    r.eksen(20, 142, 0, -24, "Z")
    r.eksen(20, 142, 14, -14, "Y", kay=(-2, 2))
    r.yaz("ELEMAN60")


def main():
    os.makedirs(KLASOR, exist_ok=True)
    for f in os.listdir(KLASOR):
        if f.lower().endswith(".svg"):
            os.remove(os.path.join(KLASOR, f))
    eksen_resimleri()
    for no in range(1, 26):
        yuk_resmi(no)
        yuk_ikonu(no)
    for f in (sistem_resimleri, kesit_resimleri, eleman_resimleri):
        f()


if __name__ == "__main__":
    main()
