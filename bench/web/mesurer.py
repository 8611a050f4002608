#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Équipe Adjora
# SPDX-License-Identifier: GPL-3.0-or-later

"""Size and start-up of the web page in headless Chromium, from a local static
server: every file the page downloads, raw and gzip -9 compressed; the time
from opening the page to the first answer ("belles" typed, then Enter), median
of N loads (browser cache off).
Usage: /usr/bin/python3 bench/web/mesurer.py [build/web/site] [N]"""
import functools
import gzip
import http.server
import os
import shutil
import statistics
import sys
import threading
from urllib.parse import urlparse

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

ICI = os.path.dirname(os.path.abspath(__file__))
SITE = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else os.path.join(ICI, "..", "..", "build", "web", "site"))
ESSAIS = int(sys.argv[2]) if len(sys.argv) > 2 else 5


class Gestionnaire(http.server.SimpleHTTPRequestHandler):
    extensions_map = {".html": "text/html", ".js": "text/javascript", ".css": "text/css",
                      ".wasm": "application/wasm", ".svg": "image/svg+xml", "": "application/octet-stream"}

    def end_headers(self):
        self.send_header("Cache-Control", "no-store")
        super().end_headers()

    def log_message(self, *arguments):
        pass


def navigateur():
    options = webdriver.ChromeOptions()
    options.binary_location = shutil.which("chromium")
    for option in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-dev-shm-usage"):
        options.add_argument(option)
    return webdriver.Chrome(service=Service(shutil.which("chromedriver")), options=options)


def premiere_reponse(pilote, adresse):
    pilote.get(adresse)
    pilote.find_element(By.ID, "entree").send_keys("belles", Keys.ENTER)
    WebDriverWait(pilote, 10, poll_frequency=0.005).until(
        lambda p: p.execute_script("return document.getElementById('lemme').value === 'beau';"))
    return pilote.execute_script("return performance.now();")


def main():
    service = http.server.ThreadingHTTPServer(("127.0.0.1", 0), functools.partial(Gestionnaire, directory=SITE))
    threading.Thread(target=service.serve_forever, daemon=True).start()
    adresse = f"http://127.0.0.1:{service.server_address[1]}/index.html"
    pilote = navigateur()
    try:
        durees = [premiere_reponse(pilote, adresse) for _ in range(ESSAIS)]
        noms = pilote.execute_script("return performance.getEntriesByType('resource').map((e) => e.name);")
    finally:
        pilote.quit()
        service.shutdown()
    fichiers = ["index.html"] + sorted(urlparse(n).path.lstrip("/") for n in noms)
    brut = 0
    compresse = 0
    for nom in fichiers:
        contenu = open(os.path.join(SITE, nom), "rb").read()
        taille = len(gzip.compress(contenu, 9))
        brut += len(contenu)
        compresse += taille
        print(f"{nom:28} {len(contenu):8} octets, {taille:7} compressés")
    print(f"{len(fichiers)} fichiers : {brut} octets, {compresse} compressés (gzip -9)")
    print(f"première réponse : médiane {statistics.median(durees):.0f} ms, "
          f"de {min(durees):.0f} à {max(durees):.0f} ms sur {ESSAIS} ouvertures")


if __name__ == "__main__":
    main()
