#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Équipe Adjora
# SPDX-License-Identifier: GPL-3.0-or-later

"""Throughput of the Python module over bench/mots.txt, against adjora-cli on
the same list (start-up included, as bench/debit_cli.sh measures it): the
batch call, one-word calls, and two threads each running the batch against
one thread running it twice (the batch releases the GIL). Best of N runs.

usage: PYTHONPATH=build/python bench/debit_python.py [build/cli/adjora-cli] [N]"""
import os
import subprocess
import sys
import threading
import time

import adjora

ICI = os.path.dirname(os.path.abspath(__file__))
CLI = sys.argv[1] if len(sys.argv) > 1 else os.path.join(ICI, "../build/cli/adjora-cli")
ESSAIS = int(sys.argv[2]) if len(sys.argv) > 2 else 7
DONNEES = os.path.join(ICI, "../data")


def meilleur(action):
    temps = []
    for _ in range(ESSAIS):
        debut = time.perf_counter()
        action()
        temps.append(time.perf_counter() - debut)
    return min(temps)


def lancer_cli():
    with open(os.path.join(ICI, "mots.txt"), "rb") as entree:
        subprocess.run([CLI, "--lexiques", DONNEES], stdin=entree, stdout=subprocess.DEVNULL, check=True)


def un_par_un(lexiques, mots):
    analyser = lexiques.analyser
    for mot in mots:
        analyser(mot)


def en_threads(lexiques, mots, nombre):
    threads = [threading.Thread(target=lexiques.analyser_lot, args=(mots,)) for _ in range(nombre)]
    for t in threads:
        t.start()
    for t in threads:
        t.join()


def deux_lots_a_la_suite(lexiques, mots):
    en_threads(lexiques, mots, 1)
    en_threads(lexiques, mots, 1)


def debit(n, secondes):
    return f"{n / secondes:,.0f}".replace(",", " ")


def principal():
    with open(os.path.join(ICI, "mots.txt"), encoding="utf-8") as f:
        mots = [ligne.strip() for ligne in f if ligne.strip()]
    n = len(mots)
    lexiques = adjora.Adjora(DONNEES)
    cli = meilleur(lancer_cli)
    lot = meilleur(lambda: lexiques.analyser_lot(mots))
    seul = meilleur(lambda: un_par_un(lexiques, mots))
    deux_fois = meilleur(lambda: deux_lots_a_la_suite(lexiques, mots))
    paralleles = meilleur(lambda: en_threads(lexiques, mots, 2))
    print(f"{n} mots, meilleur de {ESSAIS}")
    print(f"adjora-cli (démarrage compris) : {debit(n, cli)} mots/s")
    print(f"analyser_lot : {debit(n, lot)} mots/s ({cli / lot:.2f} × adjora-cli ; objectif ≥ 0,5)")
    print(f"analyser, un mot par appel : {debit(n, seul)} mots/s (objectif ≥ 300 000)")
    print(f"deux lots : un thread {deux_fois * 1000:.1f} ms, deux threads {paralleles * 1000:.1f} ms "
          f"({deux_fois / paralleles:.2f} ×)")


principal()
