// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// Analyses per second in WebAssembly, on the very .wasm the page loads, in
// Node.js's engine (V8, as in Chromium): the engine alone (words already in
// Windows-1252, written into its input buffer), then through the page's door
// (adjora.js: composition, lower case and conversion included). Best of N
// passes over bench/mots.txt.
// Usage: node bench/web/debit.mjs [build/web/site] [N]

import { copyFileSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { dirname, join } from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';

const ici = dirname(fileURLToPath(import.meta.url));
const site = process.argv[2] || join(ici, '..', '..', 'build', 'web', 'site');
const passes = Number(process.argv[3] || 7);
const mots = readFileSync(join(ici, '..', 'mots.txt'), 'utf-8').split('\n').filter((m) => m !== '');

const dossier = mkdtempSync(join(tmpdir(), 'adjora-debit-'));
for (const fichier of ['adjora.js', 'adjora-moteur.js']) {
    copyFileSync(join(site, fichier), join(dossier, fichier));
}
writeFileSync(join(dossier, 'package.json'), '{"type": "module"}\n');
const porte = await import(pathToFileURL(join(dossier, 'adjora.js')).href);
const adjora = await porte.chargerAdjora({
    wasmBinary: readFileSync(join(site, 'adjora-moteur.wasm')),
    lireFichier: async (nom) => new Uint8Array(readFileSync(join(site, 'donnees', nom))),
});
rmSync(dossier, { recursive: true, force: true });

const module = adjora.moteur.module;
const entree = module._adjora_entree();
const octets = mots.map((m) => Uint8Array.from(m, (c) => porte.octet1252(c)));

function moteurSeul() {
    for (const mot of octets) {
        module.HEAPU8.set(mot, entree);
        module.HEAPU8[entree + mot.length] = 0;
        module._adjora_analyser();
    }
}

function parLaPorte() {
    for (const mot of mots) {
        adjora.analyser(mot);
    }
}

function mesurer(nom, action) {
    let meilleur = Infinity;
    for (let i = 0; i < passes; i++) {
        const debut = process.hrtime.bigint();
        action();
        const duree = Number(process.hrtime.bigint() - debut) / 1e9;
        meilleur = Math.min(meilleur, duree);
    }
    const debit = Math.round(mots.length / meilleur);
    console.log(nom + ' : ' + debit.toLocaleString('en') + ' analyses/s (' + mots.length + ' mots, meilleur de ' + passes + ')');
}

mesurer('moteur WebAssembly seul', moteurSeul);
mesurer('par adjora.js (conversions comprises)', parLaPorte);
