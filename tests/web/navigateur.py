#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Équipe Adjora
# SPDX-License-Identifier: GPL-3.0-or-later

"""The web page in headless Chromium, its answers compared with adjora-cli's:
the case files of this folder, the layout at two widths and axe-core.
Skips (77) only where Selenium, Chromium or chromedriver are missing.
Usage: navigateur.py SITE ADJORA_CLI DATA AXE_JS"""
import functools
import http.server
import json
import os
import re
import shutil
import subprocess
import sys
import threading
import time

try:
    from selenium import webdriver
    from selenium.common.exceptions import TimeoutException
    from selenium.webdriver.chrome.service import Service
    from selenium.webdriver.common.by import By
    from selenium.webdriver.common.keys import Keys
    from selenium.webdriver.support.ui import WebDriverWait
except ImportError:
    print("python3-selenium manque : test sauté")
    sys.exit(77)

ICI = os.path.dirname(os.path.abspath(__file__))
TESTS = os.path.dirname(ICI)
SITE, CLI, DONNEES, AXE = [os.path.abspath(a) for a in sys.argv[1:5]]
# WebAssembly compilation needs 'wasm-unsafe-eval'; nothing else is allowed.
POLITIQUE = ("default-src 'self'; script-src 'self' 'wasm-unsafe-eval'; object-src 'none'; "
             "base-uri 'none'; form-action 'none'")
TOUCHES = {"ENTER": Keys.ENTER, "TAB": Keys.TAB, "ESCAPE": Keys.ESCAPE, "F1": Keys.F1}
GENRES = {"0": "masculin", "1": "féminin", "2": "indéterminé", "3": "invariable"}
NOMBRES = {"0": "singulier", "1": "pluriel", "2": "indéterminé", "3": "invariable"}
# What the forms table says of a cell without a form.
CASE_VIDE = "Aucune forme connue pour cette case : la liste des formes irrégulières n'en donne pas."
echecs = []


def echec(texte):
    echecs.append(texte)
    print("ÉCHEC :", texte)


def lignes(nom):
    chemin = os.path.join(ICI, nom)
    contenu = [l.rstrip("\n") for l in open(chemin, encoding="utf-8")]
    utiles = [l for l in contenu if l.strip() and not l.startswith("#")]
    if not utiles:
        sys.exit(f"{chemin} : aucun cas")
    return utiles


def colonnes(nom, nombre):
    rangs = []
    for ligne in lignes(nom):
        champs = ligne.split("\t")
        if len(champs) != nombre:
            sys.exit(f"{nom} : {nombre} colonnes attendues : {ligne!r}")
        rangs.append(champs)
    return rangs


def decoder(texte):
    return re.sub(r"\\u([0-9a-fA-F]{4})", lambda m: chr(int(m.group(1), 16)), texte)


class Gestionnaire(http.server.SimpleHTTPRequestHandler):
    extensions_map = {".html": "text/html", ".js": "text/javascript", ".css": "text/css",
                      ".wasm": "application/wasm", ".svg": "image/svg+xml", "": "application/octet-stream"}

    def end_headers(self):
        self.send_header("Content-Security-Policy", POLITIQUE)
        self.send_header("Cache-Control", "no-store")
        super().end_headers()

    def log_message(self, *arguments):
        pass


def serveur():
    gestionnaire = functools.partial(Gestionnaire, directory=SITE)
    service = http.server.ThreadingHTTPServer(("127.0.0.1", 0), gestionnaire)
    threading.Thread(target=service.serve_forever, daemon=True).start()
    return service


def navigateur():
    chromium = shutil.which("chromium")
    pilote = shutil.which("chromedriver")
    if chromium is None or pilote is None:
        print("chromium ou chromedriver manque : test sauté")
        sys.exit(77)
    options = webdriver.ChromeOptions()
    options.binary_location = chromium
    for option in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-dev-shm-usage",
                   "--window-size=1280,900", "--lang=fr"):
        options.add_argument(option)
    options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
    return webdriver.Chrome(service=Service(pilote), options=options)


def adjora_cli(arguments, mots):
    entree = "".join(m + "\n" for m in mots)
    sortie = subprocess.run([CLI, "--lexiques", DONNEES, "--format", "jsonl", "--explication"] + arguments,
                            input=entree.encode(), capture_output=True, timeout=60, check=True)
    return [json.loads(l) for l in sortie.stdout.decode().splitlines()]


def attendre(pilote, script, secondes=5):
    try:
        WebDriverWait(pilote, secondes, poll_frequency=0.02).until(lambda p: p.execute_script(script))
        return True
    except TimeoutException:
        return False


def taper(pilote, texte, touche=""):
    champ = pilote.find_element(By.ID, "entree")
    champ.send_keys(Keys.CONTROL, "a", Keys.NULL, Keys.DELETE, texte + touche)


# The page's answer once the announcement reads arguments[0] (or after 3 s).
ETAT_APRES_ANNONCE = """
    const voulue = arguments[0];
    const fin = arguments[arguments.length - 1];
    const debut = performance.now();
    function coche(nom) {
        const bouton = document.querySelector('input[name="' + nom + '"]:checked');
        return bouton === null ? null : bouton.value;
    }
    function lire() {
        return {lemme: document.getElementById('lemme').value,
                genre: coche('genre'),
                nombre: coche('nombre'),
                explication: document.getElementById('explication').textContent,
                annonce: document.getElementById('annonce').textContent,
                focus: document.activeElement.id};
    }
    function attendre() {
        if (document.getElementById('annonce').textContent === voulue || performance.now() - debut > 3000) {
            fin(lire());
        } else {
            setTimeout(attendre, 10);
        }
    }
    attendre();"""


def verifier_mots(pilote):
    mots = lignes("mots.txt")
    champ = pilote.find_element(By.ID, "entree")
    for mot, attendu in zip(mots, adjora_cli([], mots)):
        annonce = ", ".join([attendu["lemme"], attendu["genre"].capitalize(), attendu["nombre"].capitalize()])
        champ.send_keys(Keys.CONTROL, "a", Keys.NULL, Keys.DELETE, mot, Keys.ENTER)
        etat = pilote.execute_async_script(ETAT_APRES_ANNONCE, annonce)
        obtenu = {"lemme": etat["lemme"], "genre": GENRES.get(etat["genre"]),
                  "nombre": NOMBRES.get(etat["nombre"]), "explication": etat["explication"],
                  "annonce": etat["annonce"]}
        voulu = {c: attendu[c] for c in ("lemme", "genre", "nombre", "explication")}
        voulu["annonce"] = annonce
        if obtenu != voulu or etat["focus"] != "entree":
            echec(f"{mot} : la page montre {obtenu} (focus {etat['focus']}), adjora-cli {voulu}")
    print(f"{len(mots)} mots comparés à adjora-cli")


CASES = ("masculin_singulier", "feminin_singulier", "masculin_pluriel", "feminin_pluriel")


def verifier_formes(pilote):
    mots = lignes("formes.txt")
    for mot, attendu in zip(mots, adjora_cli(["--formes"], mots)):
        taper(pilote, mot, Keys.ENTER)
        pilote.find_element(By.ID, "bouton-formes").click()
        page = pilote.execute_script("""
            const cases = [];
            for (let n = 0; n < 4; n++) {
                const textes = [];
                for (const p of document.querySelectorAll('#explications-' + n + ' p')) {
                    textes.push(p.textContent);
                }
                cases.push({formes: document.getElementById('case-' + n).textContent, explications: textes});
            }
            return {lemme: document.getElementById('formes-lemme').textContent, cases: cases};""")
        voulu = {"lemme": "Lemme : " + attendu["lemme"], "cases": []}
        for n, cle in enumerate(CASES):
            formes = attendu[cle]
            textes = [f + " : " + e.strip() for f, e in zip(formes, attendu["explications"][cle])]
            if not formes:
                textes = [CASE_VIDE]
            voulu["cases"].append({"formes": ", ".join(formes), "explications": textes})
        if page != voulu:
            echec(f"formes de {mot} : la page montre {page}, adjora-cli {voulu}")
        pilote.find_element(By.ID, "fermer-formes").click()
    print(f"{len(mots)} tableaux de formes comparés à adjora-cli --formes")


def verifier_saisie(pilote):
    for tape, attendu, notice in colonnes("saisie.tsv", 3):
        taper(pilote, decoder(tape))
        etat = pilote.execute_script(
            "return [document.getElementById('entree').value, document.getElementById('notice').textContent];")
        if etat[0] != attendu or (etat[1] != "") != (notice == "oui"):
            echec(f"saisie {tape!r} : champ {etat[0]!r}, notice {etat[1]!r}")


def description_focus(pilote):
    return pilote.execute_script("""
        const e = document.activeElement;
        if (e.id) {
            return e.id;
        }
        if (e.tagName === 'A') {
            return 'lien:' + e.getAttribute('href');
        }
        return e.tagName;""")


SCRIPTS_ETAT = {
    "-": "return true;",
    "annonce": "return document.getElementById('annonce').textContent === arguments[0];",
    "formes": "return document.getElementById('formes').hidden === (arguments[0] === 'ferme');",
    "dialogue": "const d = document.querySelector('dialog[open]');"
                "return (d ? d.id : 'aucun') === arguments[0];",
}


def attendre_focus(pilote, focus, etat="-"):
    cle, _, valeur = etat.partition("=")
    if cle not in SCRIPTS_ETAT:
        sys.exit(f"clavier.tsv : état inconnu {etat!r}")
    fin = time.monotonic() + 3
    while time.monotonic() < fin:
        if description_focus(pilote) == focus and pilote.execute_script(SCRIPTS_ETAT[cle], valeur):
            return True
        time.sleep(0.02)
    return False


def verifier_clavier(pilote):
    pilote.refresh()
    attendre(pilote, "return document.body.dataset.pret === 'oui';", 10)
    actions = webdriver.ActionChains(pilote)
    for action, argument, focus, etat in colonnes("clavier.tsv", 4):
        if action == "taper":
            actions.send_keys(argument).perform()
        elif action == "touche" and argument == "SHIFT+TAB":
            actions.key_down(Keys.SHIFT).send_keys(Keys.TAB).key_up(Keys.SHIFT).perform()
        elif action == "touche" and argument in TOUCHES:
            actions.send_keys(TOUCHES[argument]).perform()
        else:
            sys.exit(f"clavier.tsv : action inconnue {action} {argument}")
        if not attendre_focus(pilote, focus, etat):
            echec(f"clavier {action} {argument} : focus {description_focus(pilote)} (attendu {focus}), état {etat}")
            return


def rapports_attendus(dossier):
    attendus = []
    for ligne in open(os.path.join(dossier, "rapports"), encoding="utf-8"):
        message, module, fonction, fichier = ligne.rstrip("\n").split("\t")
        attendus.append([message.replace("\\n", "\n").replace("\\t", "\t"), module, fonction,
                         "/vos-lexiques/" + fichier])
    return attendus


def rapport_lu(texte):
    trouve = re.search(r"\* MESSAGE : (.*?)\n\* MODULE : (.*?)\n\* FONCTION : (.*?)\n\* FICHIER : (.*?)\n\n",
                       texte, re.S)
    return list(trouve.groups()) if trouve else [texte]


def verifier_lexiques(pilote):
    for relatif in lignes("lexiques.tsv"):
        dossier = os.path.join(TESTS, relatif)
        fichiers = sorted(os.path.join(dossier, f) for f in os.listdir(dossier) if f.endswith(".lex"))
        pilote.find_element(By.ID, "fichiers").send_keys("\n".join(fichiers))
        if not attendre(pilote, "return document.getElementById('erreurs').open;"):
            echec(f"{relatif} : aucune boîte d'erreur")
            continue
        textes = pilote.execute_script(
            "return [document.getElementById('titre-erreurs').textContent,"
            " Array.from(document.querySelectorAll('#rapports pre'), (p) => p.textContent)];")
        obtenus = [rapport_lu(t) for t in textes[1]]
        if textes[0] != "Erreur à l'execution" or obtenus != rapports_attendus(dossier):
            echec(f"{relatif} : titre {textes[0]!r}, rapports {obtenus}")
        pilote.find_element(By.ID, "fermer-erreurs").send_keys(Keys.ENTER)
        if not attendre_focus(pilote, "entree"):
            echec(f"{relatif} : le focus n'est pas revenu dans Adjectif")
        pilote.find_element(By.ID, "lexiques-livres").click()


def verifier_largeurs(pilote):
    for largeur, hauteur in ((360, 740), (1280, 900)):
        pilote.set_window_size(largeur, hauteur)
        mesure = pilote.execute_script("""
            const r = document.getElementById('entree').getBoundingClientRect();
            return [document.documentElement.scrollWidth, window.innerWidth, r.left, r.right];""")
        if mesure[0] > mesure[1] or mesure[2] < 0 or mesure[3] > mesure[1]:
            echec(f"largeur {largeur} : défilement horizontal ou champ hors de la page {mesure}")


def verifier_axe(pilote, situation):
    if not os.path.isfile(AXE):
        echec(f"axe-core introuvable : {AXE}")
        return
    pilote.execute_script(open(AXE, encoding="utf-8").read())
    resultat = pilote.execute_async_script("""
        const fin = arguments[arguments.length - 1];
        function cible(noeud) {
            return noeud.target;
        }
        function violation(v) {
            return [v.id, v.nodes.map(cible)];
        }
        function rendre(resultats) {
            fin(resultats.violations.map(violation));
        }
        axe.run(document).then(rendre);""")
    if resultat:
        echec(f"axe-core, {situation} : {resultat}")


def verifier_axe_formes(pilote):
    verifier_axe(pilote, "résultat affiché")
    taper(pilote, "vieilles", Keys.ENTER)
    pilote.find_element(By.ID, "bouton-formes").click()
    verifier_axe(pilote, "formes ouvertes")
    pilote.find_element(By.ID, "fermer-formes").click()


def verifier_requetes(pilote):
    base = pilote.execute_script("return new URL('.', document.baseURI).href;")
    adresses = pilote.execute_script(
        "return performance.getEntriesByType('resource').map((e) => e.name);")
    dehors = [a for a in adresses if not a.startswith(base)]
    if dehors:
        echec(f"requêtes hors du site : {dehors}")
    erreurs = [e["message"] for e in pilote.get_log("browser") if e["level"] == "SEVERE"]
    if erreurs:
        echec(f"erreurs de la console : {erreurs}")


def main():
    service = serveur()
    pilote = navigateur()
    try:
        pilote.set_script_timeout(60)
        pilote.get(f"http://127.0.0.1:{service.server_address[1]}/index.html")
        if not attendre(pilote, "return document.body.dataset.pret === 'oui';", 10):
            echec("le moteur ne démarre pas")
            return 1
        for etape in (verifier_requetes, verifier_mots, verifier_axe_formes, verifier_formes,
                      verifier_saisie, verifier_lexiques, verifier_largeurs, verifier_clavier):
            debut = time.monotonic()
            etape(pilote)
            print(f"{etape.__name__} : {time.monotonic() - debut:.1f} s")
    finally:
        pilote.quit()
        service.shutdown()
    print(f"{len(echecs)} échec(s)")
    return 1 if echecs else 0


if __name__ == "__main__":
    sys.exit(main())
