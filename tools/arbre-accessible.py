#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Équipe Adjora
# SPDX-License-Identifier: GPL-3.0-or-later

"""Lists the accessible tree of the Adjora window as a screen reader sees it.

Starts build/ui/adjora from data/ on a virtual display with its own D-Bus
session and the AT-SPI bus, optionally types a word and Enter, then prints
each accessible object (role, name, description) through pyatspi.
Needs xvfb-run, dbus-run-session, at-spi2-core, python3-pyatspi and xdotool
(tools/installer-dependances.sh); it runs on the system Python, which holds pyatspi.

    tools/arbre-accessible.py [--mot belles] [--programme build/ui/adjora]
"""
import argparse
import os
import subprocess
import sys
import time

RACINE = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


def arguments():
    lecteur = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    lecteur.add_argument("--mot", help="word typed into the input field, then Enter")
    lecteur.add_argument("--programme", default=os.path.join(RACINE, "build", "ui", "adjora"))
    lecteur.add_argument("--dedans", action="store_true", help=argparse.SUPPRESS)
    return lecteur.parse_args()


def relancer_sur_ecran_virtuel():
    """Runs this script again on a virtual display within its own D-Bus session."""
    commande = ["xvfb-run", "-a", "-s", "-screen 0 1024x768x24", "dbus-run-session", "--",
                "/usr/bin/python3", os.path.abspath(__file__), "--dedans"] + sys.argv[1:]
    return subprocess.call(commande)


def trouver_application(pyatspi, delai=20.0):
    fin = time.monotonic() + delai
    while time.monotonic() < fin:
        bureau = pyatspi.Registry.getDesktop(0)
        for i in range(bureau.childCount):
            application = bureau.getChildAtIndex(i)
            if application is None:
                continue
            for j in range(application.childCount):
                fenetre = application.getChildAtIndex(j)
                if fenetre is not None and fenetre.name == "Adjora 1.0":
                    return application
        time.sleep(0.3)
    return None


def annonces_apres_entree(pyatspi, duree=1.5):
    """Presses Enter and returns the description changes sent meanwhile."""
    from gi.repository import GLib

    vues = []

    def noter(evenement):
        source = evenement.source
        vues.append(f"annonce : {source.getRoleName()} « {source.name} » — {source.description}")

    pyatspi.Registry.registerEventListener(noter, "object:property-change:accessible-description")
    subprocess.check_call(["xdotool", "key", "Return"])
    contexte = GLib.MainContext.default()
    fin = time.monotonic() + duree
    while time.monotonic() < fin:
        if not contexte.iteration(False):
            time.sleep(0.05)
    pyatspi.Registry.deregisterEventListener(noter, "object:property-change:accessible-description")
    return vues


def afficher(pyatspi, objet, profondeur=0):
    """One line per object: role, name, description, then its text and states."""
    ligne = "  " * profondeur + f"[{objet.getRoleName()}] « {objet.name} »"
    if objet.description:
        ligne += f" — {objet.description}"
    if objet.getRole() == pyatspi.ROLE_TEXT:
        texte = objet.queryText().getText(0, -1)
        ligne += f" : {texte[:40]!r}" if texte else ""
    etats = objet.getState()
    for etat, mot in ((pyatspi.STATE_CHECKED, "coché"), (pyatspi.STATE_FOCUSED, "focus")):
        if etats.contains(etat):
            ligne += f" ({mot})"
    print(ligne)
    for i in range(objet.childCount):
        enfant = objet.getChildAtIndex(i)
        if enfant is not None:
            afficher(pyatspi, enfant, profondeur + 1)


def lister(options):
    import pyatspi  # only on the virtual display's session bus

    environnement = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_ACCESSIBILITY="1",
                         QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    programme = subprocess.Popen([options.programme], cwd=os.path.join(RACINE, "data"),
                                 env=environnement)
    try:
        application = trouver_application(pyatspi)
        if application is None:
            print("adjora n'apparaît pas sur le bus d'accessibilité", file=sys.stderr)
            return 1
        if options.mot:
            fenetre = subprocess.check_output(
                ["xdotool", "search", "--sync", "--onlyvisible", "--name", "^Adjora 1\\.0$"],
                text=True).split()[0]
            subprocess.check_call(["xdotool", "windowfocus", "--sync", fenetre])
            subprocess.check_call(["xdotool", "type", "--delay", "40", options.mot])
            for annonce in annonces_apres_entree(pyatspi):
                print(annonce)
        afficher(pyatspi, application)
        return 0
    finally:
        programme.terminate()
        programme.wait(timeout=10)


def main():
    options = arguments()
    if not options.dedans:
        return relancer_sur_ecran_virtuel()
    return lister(options)


if __name__ == "__main__":
    sys.exit(main())
