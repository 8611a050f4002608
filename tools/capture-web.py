#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Équipe Adjora
# SPDX-License-Identifier: GPL-3.0-or-later

"""Rebuilds docs/capture-web.png: the web page in headless Chromium after
"belles" and Enter, served from build/web/site by a local static server.
Usage: /usr/bin/python3 tools/capture-web.py [SITE] [LARGEUR] [SORTIE]"""
import functools
import http.server
import os
import shutil
import sys
import threading

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

RACINE = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
SITE = sys.argv[1] if len(sys.argv) > 1 else os.path.join(RACINE, "build", "web", "site")
LARGEUR = int(sys.argv[2]) if len(sys.argv) > 2 else 900
SORTIE = sys.argv[3] if len(sys.argv) > 3 else os.path.join(RACINE, "docs", "capture-web.png")


class Gestionnaire(http.server.SimpleHTTPRequestHandler):
    extensions_map = {".html": "text/html", ".js": "text/javascript", ".css": "text/css",
                      ".wasm": "application/wasm", ".svg": "image/svg+xml", "": "application/octet-stream"}

    def log_message(self, *arguments):
        pass


def main():
    service = http.server.ThreadingHTTPServer(("127.0.0.1", 0), functools.partial(Gestionnaire, directory=SITE))
    threading.Thread(target=service.serve_forever, daemon=True).start()
    options = webdriver.ChromeOptions()
    options.binary_location = shutil.which("chromium")
    for option in ("--headless=new", "--no-sandbox", "--disable-gpu", "--hide-scrollbars",
                   f"--window-size={LARGEUR},1000"):
        options.add_argument(option)
    pilote = webdriver.Chrome(service=Service(shutil.which("chromedriver")), options=options)
    try:
        pilote.get(f"http://127.0.0.1:{service.server_address[1]}/index.html")
        WebDriverWait(pilote, 10).until(lambda p: p.execute_script("return document.body.dataset.pret === 'oui';"))
        pilote.find_element(By.ID, "entree").send_keys("belles", Keys.ENTER)
        WebDriverWait(pilote, 5).until(lambda p: p.execute_script("return document.getElementById('lemme').value !== '';"))
        hauteur = pilote.execute_script("return document.querySelector('.lexiques').getBoundingClientRect().top;")
        pilote.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                               {"width": LARGEUR, "height": int(hauteur) + 10, "deviceScaleFactor": 1, "mobile": False})
        pilote.save_screenshot(SORTIE)
    finally:
        pilote.quit()
        service.shutdown()
    print(SORTIE)


if __name__ == "__main__":
    main()
