#!/usr/bin/python3
"""Measures the running program's colours on the screen, as a reader's eye
meets them: in each small tile the most frequent colour is the background,
the pixel farthest from it in luminance the ink.

Usage: kontrast.py WORKDIR [PICTURE_DIR]   (the program runs, on 6.12.2026)
Fails when a text tile of the help is below 4.5:1, or the "Heute" frame or
the selected day below 3:1 against the calendar's background, in the active
main window and in the inactive one behind the help. Waits for the windows
and for the screen to settle, not for fixed times. Keeps the screenshots in
PICTURE_DIR when given.
"""
import collections
import os
import shutil
import subprocess
import sys
import time

import pyatspi

KACHEL = 16  # a tile's side in pixels
RAND = 3     # where a tile holds a glyph's edge, its ink is looked for this far around


def warten(bedingung, sekunden=60.0):
    ende = time.monotonic() + sekunden
    while time.monotonic() < ende:
        ergebnis = bedingung()
        if ergebnis:
            return ergebnis
        time.sleep(0.2)
    return None


def fehler(text):
    print("kontrast: " + text, file=sys.stderr)
    sys.exit(1)


def programm():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name.lower() == "dorvane":
            return app
    return None


def finden(wurzel, rolle, name):
    return pyatspi.findDescendant(wurzel, lambda a: a.getRole() == rolle and a.name == name)


def rechteck(obj):
    e = obj.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return e.x, e.y, e.width, e.height


class Bild:
    """The screen as a PPM file written by ImageMagick's import."""

    def __init__(self, datei):
        subprocess.run(["import", "-window", "root", "-depth", "8", "ppm:" + datei], check=True)
        with open(datei, "rb") as f:
            daten = f.read()
        teile = daten.split(maxsplit=4)
        assert teile[0] == b"P6" and teile[3] == b"255"
        self.breite, self.hoehe = int(teile[1]), int(teile[2])
        self.pixel = teile[4]

    def farbe(self, x, y):
        i = (y * self.breite + x) * 3
        return tuple(self.pixel[i:i + 3])

    def farben(self, x, y, b, h):
        x0, y0 = max(x, 0), max(y, 0)
        x1, y1 = min(x + b, self.breite), min(y + h, self.hoehe)
        return [self.farbe(px, py) for py in range(y0, y1) for px in range(x0, x1)]


def ruhig(datei, objekte, fertig):
    """The screen once painted: taken again until it shows what `fertig`
    asks and three pictures in a row agree in the objects' rectangles."""
    flaechen = [rechteck(o) for o in objekte]
    gleich, vorher = 0, None
    ende = time.monotonic() + 60
    while time.monotonic() < ende:
        bild = Bild(datei)
        jetzt = [bild.farben(*f) for f in flaechen]
        gleich = gleich + 1 if jetzt == vorher and fertig(bild) else 0
        if gleich == 2:
            return bild
        vorher = jetzt
        time.sleep(0.2)
    fehler("the screen did not settle")


def innen(handbuch):
    """The help's text, inside its frame and without the scroll bar."""
    x, y, b, h = rechteck(handbuch)
    return x + 4, y + 4, b - 8 - 20, h - 8


def aktiv_ist(fenster):
    return subprocess.run(["xdotool", "getactivewindow"], capture_output=True,
                          text=True).stdout.strip() == fenster


def luminanz(farbe):
    def kanal(c):
        c /= 255
        return c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4
    r, g, b = farbe
    return 0.2126 * kanal(r) + 0.7152 * kanal(g) + 0.0722 * kanal(b)


def kontrast(a, b):
    la, lb = luminanz(a), luminanz(b)
    return (max(la, lb) + 0.05) / (min(la, lb) + 0.05)


def grund(farben):
    return collections.Counter(farben).most_common(1)[0][0]


def tinte(farben, hintergrund):
    lh = luminanz(hintergrund)
    return max(farben, key=lambda f: abs(luminanz(f) - lh))


def hilfe_messen(bild, flaeche):
    """The lowest contrast of a tile with ink, and where: (contrast, x, y)."""
    x, y, b, h = flaeche
    schlechteste = (21.0, 0, 0)
    for ky in range(y, y + h - KACHEL + 1, KACHEL):
        for kx in range(x, x + b - KACHEL + 1, KACHEL):
            kachel = bild.farben(kx, ky, KACHEL, KACHEL)
            hg = grund(kachel)
            if all(f == hg for f in kachel):
                continue  # nothing there: a glyph's edge nearby belongs to its own tile
            ink = tinte(bild.farben(kx - RAND, ky - RAND, KACHEL + 2 * RAND, KACHEL + 2 * RAND),
                        hg)
            k = kontrast(ink, hg)
            if k < schlechteste[0]:
                schlechteste = (k, kx, ky)
    return schlechteste


def kalender_messen(bild, kalender, dezember):
    """The contrast of the "Heute" frame round the 6th and of the selected
    7th against the calendar's background: (frame, selected)."""
    tabelle = dezember.queryTable()
    kx, ky, kb, kh = rechteck(kalender)
    hg = grund(bild.farben(kx, ky, kb, kh))
    x, y, b, h = rechteck(tabelle.getAccessibleAt(0, 6))
    # the frame runs round the cell's edge, the day's number in its middle
    ring = (bild.farben(x, y, b, 4) + bild.farben(x, y + h - 4, b, 4)
            + bild.farben(x, y, 4, h) + bild.farben(x + b - 4, y, 4, h))
    heute = kontrast(tinte(ring, hg), hg)
    x, y, b, h = rechteck(tabelle.getAccessibleAt(1, 0))
    return heute, kontrast(grund(bild.farben(x, y, b, h)), hg)


def main():
    arbeit = sys.argv[1]
    app = warten(programm)
    if app is None:
        fehler("the program did not appear on the accessibility bus")
    kalender = warten(lambda: finden(app, pyatspi.ROLE_PANEL, "Kalender"))
    dezember = kalender and finden(kalender, pyatspi.ROLE_TABLE, "Dezember 2026")
    if dezember is None:
        fehler("no calendar with the table Dezember 2026")
    # the window active, as on a desktop (an inactive window paints with the
    # palette's inactive colours, measured below with the help in front)
    fenster = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name",
                              "^Dorvane$"], check=True, timeout=120, capture_output=True,
                             text=True).stdout.split()[0]
    def aktiv():
        subprocess.run(["xdotool", "windowactivate", fenster], capture_output=True)
        return aktiv_ist(fenster)
    if not warten(aktiv):
        fehler("the program's window did not become active")
    # the 7th selected, so that today, the 6th, shows its frame alone; the
    # keys go to the editor once it has the focus
    if not warten(lambda: pyatspi.findDescendant(
            app, lambda a: a.getRole() == pyatspi.ROLE_TEXT
            and a.getState().contains(pyatspi.STATE_FOCUSED))):
        fehler("the editor did not take the focus")
    subprocess.run(["xdotool", "key", "shift+Tab"], check=True)
    def fokussiert(a):
        return a.getState().contains(pyatspi.STATE_FOCUSED)
    if not warten(lambda: fokussiert(kalender) or pyatspi.findDescendant(kalender, fokussiert)):
        fehler("shift+Tab did not move the focus to the calendar")
    subprocess.run(["xdotool", "key", "Right"], check=True)
    def siebter_gewaehlt():
        dezember = finden(kalender, pyatspi.ROLE_TABLE, "Dezember 2026")
        tag = dezember and dezember.queryTable().getAccessibleAt(1, 0)
        return tag and tag.getState().contains(pyatspi.STATE_SELECTED) and dezember
    dezember = warten(siebter_gewaehlt)
    if not dezember:
        fehler("Right did not select the 7th")
    def siebter_gemalt(bild):
        return kalender_messen(bild, kalender, dezember)[1] > 1.0
    heute, gewaehlt = kalender_messen(
        ruhig(os.path.join(arbeit, "kalender.ppm"), [kalender], siebter_gemalt),
        kalender, dezember)
    print(f"calendar, window active: Heute frame {heute:.2f}:1, selected day {gewaehlt:.2f}:1")

    subprocess.run(["xdotool", "key", "alt+h"], check=True)
    handbuch = warten(lambda: finden(app, pyatspi.ROLE_TEXT, "Handbuch")
                      or finden(app, pyatspi.ROLE_DOCUMENT_TEXT, "Handbuch"))
    if handbuch is None:
        fehler("Alt+H showed no help")
    if not warten(lambda: not aktiv_ist(fenster)):
        fehler("the help did not take the focus from the main window")
    # the help moved to the screen's lower right, off the 6th and the 7th
    hilfefenster = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name",
                                   "^Dorvane-Hilfe$"], check=True, timeout=60,
                                  capture_output=True, text=True).stdout.split()[0]
    breite, hoehe = map(int, subprocess.run(["xdotool", "getdisplaygeometry"], check=True,
                                            capture_output=True, text=True).stdout.split())
    _, _, hb, hh = rechteck(handbuch)
    ziel = (breite - hb - 8, hoehe - hh - 8)
    def verschoben():
        subprocess.run(["xdotool", "windowmove", hilfefenster, str(ziel[0] - 4),
                        str(ziel[1] - 30)], capture_output=True)
        x, y, _, _ = rechteck(handbuch)
        return abs(x - ziel[0]) < 40 and abs(y - ziel[1]) < 40
    if not warten(verschoben):
        fehler("the help did not move to the lower right")
    x, y, b, h = rechteck(handbuch)
    for tag in (dezember.queryTable().getAccessibleAt(0, 6),
                dezember.queryTable().getAccessibleAt(1, 0)):
        tx, ty, tb, th = rechteck(tag)
        if tx < x + b + 8 and x - 8 < tx + tb and ty < y + h + 8 and y - 30 < ty + th:
            fehler("the help covers the 6th or the 7th of the calendar behind it")
    def hilfe_gemalt(bild):
        return hilfe_messen(bild, innen(handbuch))[0] < 21.0
    hilfe = ruhig(os.path.join(arbeit, "hilfe.ppm"), [kalender, handbuch], hilfe_gemalt)
    # the main window behind the help is inactive, painted with the
    # palette's inactive colours
    heute_inaktiv, gewaehlt_inaktiv = kalender_messen(hilfe, kalender, dezember)
    print(f"calendar, window inactive: Heute frame {heute_inaktiv:.2f}:1, "
          f"selected day {gewaehlt_inaktiv:.2f}:1")
    k, tx, ty = hilfe_messen(hilfe, innen(handbuch))
    print(f"help: lowest text contrast {k:.2f}:1 in the tile at ({tx}, {ty})")

    if len(sys.argv) > 2:
        for name in ("kalender", "hilfe"):
            subprocess.run(["convert", os.path.join(arbeit, name + ".ppm"),
                            os.path.join(sys.argv[2], name + ".png")], check=True)
    schlecht = []
    if k < 4.5:
        schlecht.append("a text of the help")
    if heute < 3.0:
        schlecht.append("the Heute frame")
    if gewaehlt < 3.0:
        schlecht.append("the selected day")
    if heute_inaktiv < 3.0:
        schlecht.append("the Heute frame in the inactive window")
    if gewaehlt_inaktiv < 3.0:
        schlecht.append("the selected day in the inactive window")
    if schlecht:
        fehler("too little contrast: " + ", ".join(schlecht))
    print("kontrast: help, Heute frame and selected day read well")


main()
