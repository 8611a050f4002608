#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Équipe Adjora
# SPDX-License-Identifier: GPL-3.0-or-later

"""Lists the accessible tree of the Adjora window as a screen reader sees it.

Starts build/ui/adjora from data/ on a virtual display with its own D-Bus
session, optionally types a word and Enter (printing the announcements sent),
then prints each accessible object (role, name, description, text, states).
Needs xvfb-run, dbus-run-session, at-spi2-core, python3-pyatspi and xdotool.

    tools/arbre-accessible.py [--mot belles] [--programme build/ui/adjora]
"""
import argparse, os, subprocess, sys, time

RACINE = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
CHANGEMENT = "object:property-change:accessible-description"
lecteur = argparse.ArgumentParser(description=__doc__.splitlines()[0])
lecteur.add_argument("--mot", help="word typed into the input field, then Enter")
lecteur.add_argument("--programme", default=os.path.join(RACINE, "build", "ui", "adjora"))
lecteur.add_argument("--dedans", action="store_true", help=argparse.SUPPRESS)
options = lecteur.parse_args()
if not options.dedans:  # again, on a virtual display within its own D-Bus session
    sys.exit(subprocess.call(["xvfb-run", "-a", "-s", "-screen 0 1024x768x24", "dbus-run-session",
                              "--", "/usr/bin/python3", os.path.abspath(__file__), "--dedans",
                              *sys.argv[1:]]))
import pyatspi  # only on the virtual display's session bus
from gi.repository import GLib


def application(delai=20.0):
    fin = time.monotonic() + delai
    while time.monotonic() < fin:
        for a in filter(None, pyatspi.Registry.getDesktop(0)):
            if any(f is not None and f.name == "Adjora 1.0" for f in a):
                return a
        time.sleep(0.3)
    sys.exit("adjora n'apparaît pas sur le bus d'accessibilité")


def afficher(objet, profondeur=0):
    ligne = "  " * profondeur + f"[{objet.getRoleName()}] « {objet.name} »"
    ligne += f" — {objet.description}" if objet.description else ""
    texte = objet.queryText().getText(0, -1) if objet.getRole() == pyatspi.ROLE_TEXT else ""
    ligne += f" : {texte[:40]!r}" if texte else ""
    for etat, mot in ((pyatspi.STATE_CHECKED, "coché"), (pyatspi.STATE_FOCUSED, "focus")):
        ligne += f" ({mot})" if objet.getState().contains(etat) else ""
    print(ligne)
    for enfant in filter(None, objet):
        afficher(enfant, profondeur + 1)


environnement = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_ACCESSIBILITY="1",
                     QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
programme = subprocess.Popen([options.programme], cwd=os.path.join(RACINE, "data"), env=environnement)
try:
    racine = application()
    if options.mot:
        fenetre = subprocess.check_output(["xdotool", "search", "--sync", "--onlyvisible", "--name",
                                           "^Adjora 1\\.0$"], text=True).split()[0]
        subprocess.check_call(["xdotool", "windowfocus", "--sync", fenetre])
        subprocess.check_call(["xdotool", "type", "--delay", "40", options.mot])
        noter = lambda e: print(f"annonce : {e.source.getRoleName()} « {e.source.name} » — "
                                f"{e.source.description}")
        pyatspi.Registry.registerEventListener(noter, CHANGEMENT)
        subprocess.check_call(["xdotool", "key", "Return"])
        fin = time.monotonic() + 1.5
        while time.monotonic() < fin:
            GLib.MainContext.default().iteration(False) or time.sleep(0.05)
        pyatspi.Registry.deregisterEventListener(noter, CHANGEMENT)
    afficher(racine)
finally:
    programme.terminate()
    programme.wait(timeout=10)
