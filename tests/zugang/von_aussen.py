#!/usr/bin/python3
"""The running program seen from outside, as a screen reader sees it: its
tree over the AT-SPI bus, and what it announces while keys are pressed.

Usage: von_aussen.py [--baum]   (the program must be running, on 6.12.2026)
--baum prints the tree of every window of the program and checks nothing.
"""
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib


def warten(bedingung, sekunden=10.0):
    ende = time.monotonic() + sekunden
    while time.monotonic() < ende:
        ergebnis = bedingung()
        if ergebnis:
            return ergebnis
        time.sleep(0.1)
    return None


def programm():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name.lower() == "dorvane":
            return app
    return None


def finden(wurzel, rolle, name=None):
    return pyatspi.findDescendant(
        wurzel, lambda a: a.getRole() == rolle and (name is None or a.name == name))


def zustaende(obj):
    return sorted(pyatspi.stateToString(s) for s in obj.getState().getStates())


def zeile(obj, tiefe):
    text = f"{'  ' * tiefe}[{obj.getRoleName()}] \"{obj.name}\""
    if obj.description:
        text += f" ({obj.description})"
    interessant = [s for s in zustaende(obj)
                   if s in ("selected", "focused", "focusable", "disabled", "editable")]
    if interessant:
        text += " " + ",".join(interessant)
    for rel in obj.getRelationSet():
        ziele = [rel.getTarget(i).name for i in range(rel.getNTargets())]
        text += f" {pyatspi.relationToString(rel.getRelationType())}={ziele}"
    return text


def baum(obj, tiefe=0, tabellen_kurz=True):
    print(zeile(obj, tiefe))
    if obj.getRole() == pyatspi.ROLE_TABLE and tabellen_kurz:
        # a month: its headers, and the days that are named
        tabelle = obj.queryTable()
        print(f"{'  ' * (tiefe + 1)}Spalten: "
              + ", ".join(f"{obj[i].name} ({obj[i].description})" for i in range(7)))
        for z in range(tabelle.nRows):
            kopf = tabelle.getRowHeader(z)
            tage = [tabelle.getAccessibleAt(z, s) for s in range(tabelle.nColumns)]
            namen = [t.name + (" *" if t.getState().contains(pyatspi.STATE_SELECTED) else "")
                     for t in tage if t.name]
            print(f"{'  ' * (tiefe + 1)}{kopf.name if kopf else ''}: {' | '.join(namen)}")
        return
    for kind in obj:
        if kind is not None:
            baum(kind, tiefe + 1, tabellen_kurz)


def fehler(text):
    print("von_aussen: " + text, file=sys.stderr)
    sys.exit(1)


def main():
    app = warten(programm)
    if app is None:
        fehler("the program did not appear on the accessibility bus")
    if "--baum" in sys.argv:
        for fenster in app:
            baum(fenster)
        return

    kalender = warten(lambda: finden(app, pyatspi.ROLE_PANEL, "Kalender"))
    if kalender is None:
        fehler("no calendar named Kalender")
    dezember = finden(kalender, pyatspi.ROLE_TABLE, "Dezember 2026")
    if dezember is None:
        fehler("no table Dezember 2026")
    sechster = dezember.queryTable().getAccessibleAt(0, 6)
    print(f"cell (0, 6) of Dezember 2026: {sechster.name!r} {zustaende(sechster)}")
    if sechster.name != "Sonntag, 6. Dezember 2026" or "selected" not in zustaende(sechster):
        fehler("the selected day's cell is not Sonntag, 6. Dezember 2026")

    editor = finden(app, pyatspi.ROLE_TEXT)
    print(f"editor: {editor.name!r}")
    if editor.name != "Notiz f\u00fcr Tag   06.12.2026":
        fehler("the editor is not named by its label")

    fokus = []
    fokus_rollen = []

    def gehoert(ereignis):
        if ereignis.detail1 == 1:
            fokus.append(ereignis.source.name)
            fokus_rollen.append((ereignis.source.getRole(), ereignis.source.parent.getRole()))

    pyatspi.Registry.registerEventListener(gehoert, "object:state-changed:focused")
    time.sleep(0.5)  # the program learns of the listener
    for taste in ("shift+Tab", "Right"):
        subprocess.run(["xdotool", "key", taste], check=True)
        ende = time.monotonic() + 3
        while time.monotonic() < ende:
            GLib.MainContext.default().iteration(False)
            time.sleep(0.02)
    print(f"focus events: {fokus}")
    if fokus[-1:] != ["Montag, 7. Dezember 2026"] or "Sonntag, 6. Dezember 2026" not in fokus:
        fehler("no focus on the 6th when reached and on the 7th after Right")
    # Orca reads a focused cell with its whole week: the focus is on the
    # day's button, inside its cell
    if fokus_rollen[-1] != (pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TABLE_CELL):
        fehler(f"the day focused is not a button in a table cell: {fokus_rollen[-1]}")
    editor = finden(app, pyatspi.ROLE_TEXT)
    print(f"editor: {editor.name!r}")
    if editor.name != "Notiz f\u00fcr Tag  07.12.2026":
        fehler("the editor's name does not follow its label")
    print("von_aussen: tree, focus events and names as expected")


main()
