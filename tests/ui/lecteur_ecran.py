#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Équipe Adjora
# SPDX-License-Identifier: GPL-3.0-or-later

"""What a blind user hears: the window under Orca on a virtual display, with a D-Bus session (and
so an accessibility bus) of its own, speech written to Orca's debug log only. Each step of STEPS
(window given the focus, text typed, keys as xdotool names them, a text Orca must speak) waits
for that text. Usage: lecteur_ecran.py ADJORA STEPS   (exit status 77: Orca, Xvfb, D-Bus or xdotool
is not installed; installed, each must start and Orca must speak, or the test fails)"""
import importlib.machinery, os, pathlib, re, shutil, subprocess, sys, tempfile, time, types

DELAI = 15  # seconds for each step
PAROLE = re.compile(r"SPEECH OUTPUT: '(.*)'(?: voice=\S+)? ?\{")
# No speech server, no braille display, no sound: the debug log only.
REGLAGES = "import orca.settings as s\ns.speechServerFactory = None\ns.enableBraille = s.enableSound = False\n"


def aucun_autre_orca():
    return []


def garder_nom(nom):
    return None


def orca(journal, preferences):
    """Orca's launcher, its log written line by line, blind to other Orcas (as they are to it)."""
    chargeur = importlib.machinery.SourceFileLoader("lanceur_orca", shutil.which("orca"))
    lanceur = types.ModuleType(chargeur.name)
    chargeur.exec_module(lanceur)
    lanceur.otherOrcas = aucun_autre_orca
    lanceur.setProcessName = garder_nom
    lanceur.debug.debugLevel = lanceur.debug.LEVEL_INFO
    lanceur.debug.debugFile = open(journal, "w", buffering=1)
    sys.argv = ["orca", "--user-prefs", preferences]
    sys.exit(lanceur.main())


def sauter(raison):
    print(f"SKIP: {raison}")
    sys.exit(77)


def entendu(journal):
    return PAROLE.findall(pathlib.Path(journal).read_text(encoding="utf-8", errors="replace"))


def attendre(journal, deja, texte, echec):
    """The first line spoken after the `deja` first ones that holds `texte`; else `echec`."""
    fin = time.monotonic() + DELAI
    while time.monotonic() < fin:
        for ligne in entendu(journal)[deja:]:
            if texte in ligne:
                return ligne
        time.sleep(0.1)
    echec(f"Orca did not say « {texte} »; it said: {entendu(journal)[deja:]}")


def principal(adjora, etapes, dossier, processus):
    if not all(shutil.which(p) for p in ("Xvfb", "dbus-daemon", "xdotool", "orca")):
        sauter("needs Xvfb, dbus-daemon, xdotool and orca (tools/installer-dependances.sh)")
    lecture, ecriture = os.pipe()
    processus.append(subprocess.Popen(["Xvfb", "-displayfd", str(ecriture), "-screen", "0", "1024x768x24",
                                       "-nolisten", "tcp"], pass_fds=[ecriture], stderr=subprocess.DEVNULL))
    os.close(ecriture)
    if not (ecran := os.read(lecture, 16).decode().strip()):
        sys.exit("Xvfb did not start")
    env = {k: v for k, v in os.environ.items() if not k.startswith(("DBUS_", "AT_SPI", "WAYLAND", "XDG_"))}
    env.update(DISPLAY=f":{ecran}", HOME=dossier, XDG_RUNTIME_DIR=dossier, LC_ALL="C.UTF-8",
               XDG_CONFIG_HOME=f"{dossier}/config", XDG_DATA_HOME=f"{dossier}/data")
    processus.append(subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address"], env=env,
                                      stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True))
    env["DBUS_SESSION_BUS_ADDRESS"] = processus[-1].stdout.readline().strip()
    os.makedirs(f"{dossier}/orca")
    pathlib.Path(f"{dossier}/orca/orca-customizations.py").write_text(REGLAGES)
    journal = f"{dossier}/orca.log"
    pathlib.Path(journal).touch()
    interprete = open(shutil.which("orca")).readline()[2:].strip()  # Orca's own Python
    processus.append(subprocess.Popen([interprete, __file__, "--orca", journal, f"{dossier}/orca"], env=env,
                                      stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
    attendre(journal, 0, "Screen reader on", sys.exit)
    # xcb hands strndup unterminated strings (libxkbcommon-x11): sanitized builds must allow it.
    asan = os.environ.get("ASAN_OPTIONS", "") + ":strict_string_checks=0"
    processus.append(subprocess.Popen([adjora], cwd=dossier, env=dict(
        env, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", ASAN_OPTIONS=asan)))
    for ligne in [l for l in open(etapes, encoding="utf-8").read().splitlines() if l and l[0] != "#"]:
        fenetre, texte, touches, attendu = ligne.split("\t")
        deja = len(entendu(journal))
        if fenetre:  # as a window manager would (the virtual display has none)
            subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", f"^{re.escape(fenetre)}$",
                            "windowfocus", "--sync"], env=env, check=True, timeout=DELAI)
        if texte:
            subprocess.run(["xdotool", "type", "--delay", "50", texte], env=env, check=True)
        if touches:
            subprocess.run(["xdotool", "key", "--delay", "100", *touches.split()], env=env, check=True)
        print(f"{texte} {touches}: « {attendre(journal, deja, attendu, sys.exit)} »")


if __name__ == "__main__":
    if sys.argv[1] == "--orca":
        orca(*sys.argv[2:])
    processus = []
    with tempfile.TemporaryDirectory(prefix="adjora-orca-") as dossier:
        try:
            principal(os.path.abspath(sys.argv[1]), sys.argv[2], dossier, processus)
        finally:
            for p in reversed(processus):  # only what this test started
                p.kill()
                p.wait()
