#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Équipe Adjora
# SPDX-License-Identifier: GPL-3.0-or-later

"""Lists the accessible tree of the Adjora window as a screen reader sees it.

Starts build/ui/adjora from data/ on a virtual display with its own D-Bus session,
optionally types a word and Enter (printing the announcements sent), then prints
each accessible object: role, name, description, text, states. Needs xvfb-run,
dbus-run-session, at-spi2-core, python3-pyatspi and xdotool.

    tools/arbre-accessible.py [--mot belles] [--programme build/ui/adjora]
"""
import argparse, os, subprocess, sys, time

RACINE = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
lecteur = argparse.ArgumentParser(description=__doc__.splitlines()[0])
lecteur.add_argument("--mot", help="word typed into the input field, then Enter")
lecteur.add_argument("--programme", default=os.path.join(RACINE, "build", "ui", "adjora"))
lecteur.add_argument("--dedans", action="store_true", help=argparse.SUPPRESS)
options = lecteur.parse_args()
if not options.dedans:  # again, on a virtual display within its own D-Bus session
    sys.exit(subprocess.call(["xvfb-run", "-a", "-s", "-screen 0 1024x768x24", "dbus-run-session", "--",
                              "/usr/bin/python3", os.path.abspath(__file__), "--dedans", *sys.argv[1:]]))
import pyatspi  # only on the virtual display's session bus
from gi.repository import GLib


def afficher(objet, profondeur=0):
    texte = objet.queryText().getText(0, -1) if objet.getRole() == pyatspi.ROLE_TEXT else ""
    print("  " * profondeur + f"[{objet.getRoleName()}] « {objet.name} »"
          + (f" — {objet.description}" if objet.description else "") + (f" : {texte[:40]!r}" if texte else "")
          + "".join(f" ({mot})" for etat, mot in ((pyatspi.STATE_CHECKED, "coché"),
                                                  (pyatspi.STATE_FOCUSED, "focus")) if objet.getState().contains(etat)))
    for enfant in filter(None, objet):
        afficher(enfant, profondeur + 1)


programme = subprocess.Popen([options.programme], cwd=os.path.join(RACINE, "data"), env=dict(
    os.environ, QT_QPA_PLATFORM="xcb", QT_ACCESSIBILITY="1", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"))
try:
    fin, application = time.monotonic() + 20, None
    while application is None and time.monotonic() < fin:
        time.sleep(0.3)
        application = next((a for a in filter(None, pyatspi.Registry.getDesktop(0))
                            if any(f is not None and f.name == "Adjora 1.0" for f in a)), None)
    if application is None:
        sys.exit("adjora n'apparaît pas sur le bus d'accessibilité")
    if options.mot:
        xdotool = lambda *a: subprocess.check_output(["xdotool", *a], text=True)
        xdotool("windowfocus", "--sync", xdotool("search", "--sync", "--onlyvisible", "--name",
                                                  "^Adjora 1\\.0$").split()[0])
        xdotool("type", "--delay", "40", options.mot)
        annonce = "object:property-change:accessible-description"
        noter = lambda e: print(f"annonce : {e.source.getRoleName()} « {e.source.name} » — {e.source.description}")
        pyatspi.Registry.registerEventListener(noter, annonce)
        xdotool("key", "Return")
        fin = time.monotonic() + 1.5
        while time.monotonic() < fin:
            GLib.MainContext.default().iteration(False) or time.sleep(0.05)
        pyatspi.Registry.deregisterEventListener(noter, annonce)
    afficher(application)
finally:
    programme.terminate()
    programme.wait(timeout=10)
