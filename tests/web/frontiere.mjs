// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// The JavaScript door of the web page (adjora.js) over the very .wasm, in
// Node.js: random Unicode strings (lone surrogates, combining marks, emoji,
// controls), 10,000-character words and random lexicon bytes never throw out
// of the module, and every answer keeps its shape.
// Usage: node frontiere.mjs SITE DATA [SEED]

import { copyFileSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { dirname, join } from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';

const [site, donnees, graineDonnee] = process.argv.slice(2);
const graine = Number(graineDonnee || 28);
const NB_MOTS = 5000;
const NB_LONGS = 20;
const NB_LEXIQUES = 30;
let echecs = 0;

function echec(texte) {
    echecs++;
    console.log('ÉCHEC :', texte);
}

// A small seeded generator (mulberry32), so that a failure can be replayed.
let etat = graine >>> 0;
function hasard() {
    etat = (etat + 0x6d2b79f5) >>> 0;
    let t = etat;
    t = Math.imul(t ^ (t >>> 15), t | 1);
    t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
}

function entier(n) {
    return Math.floor(hasard() * n);
}

// Ranges a typed or pasted text may hold.
const PLAGES = [
    [0x00, 0x20], [0x20, 0x7f], [0x80, 0x100], [0x152, 0x17f], [0x300, 0x370], [0x370, 0x400],
    [0x2000, 0x2070], [0xd800, 0xe000], [0x4e00, 0x4f00], [0xfe00, 0xfe10], [0x1f300, 0x1f650],
];

function texteAuHasard(longueur) {
    let texte = '';
    for (let i = 0; i < longueur; i++) {
        const plage = PLAGES[entier(PLAGES.length)];
        texte += String.fromCodePoint(plage[0] + entier(plage[1] - plage[0]));
    }
    return texte;
}

function code(valeur) {
    return Number.isInteger(valeur) && valeur >= 0 && valeur <= 3;
}

function verifierAnalyse(adjora, preparerMot, texte) {
    const resultat = adjora.analyser(texte);
    if (preparerMot(texte) === null && resultat !== null) {
        echec('analyse de ' + JSON.stringify(texte) + ' : ' + JSON.stringify(resultat));
        return;
    }
    if (resultat === null) {
        return;
    }
    const forme = typeof resultat.lemme === 'string' && [...resultat.lemme].length <= 50 &&
                  code(resultat.genre) && code(resultat.nombre) && resultat.explication.length > 0;
    if (!forme) {
        echec('analyse de ' + JSON.stringify(texte) + ' : ' + JSON.stringify(resultat));
    }
    // A decomposed text (e and a combining accent) is the same word.
    const decompose = adjora.analyser(texte.normalize('NFD'));
    if (JSON.stringify(decompose) !== JSON.stringify(resultat)) {
        echec('analyse de ' + JSON.stringify(texte) + ' décomposé : ' + JSON.stringify(decompose));
    }
}

function verifierFlexion(adjora, texte) {
    const resultat = adjora.flechir(texte);
    if (resultat === null) {
        return;
    }
    const forme = Array.isArray(resultat.cases) && resultat.cases.length === 4 &&
                  resultat.cases.every((c) => c.length <= 4);
    if (!forme) {
        echec('flexion de ' + JSON.stringify(texte) + ' : ' + JSON.stringify(resultat));
    }
}

function octetsAuHasard(taille) {
    const octets = new Uint8Array(taille);
    for (let i = 0; i < taille; i++) {
        octets[i] = entier(4) === 0 ? 0x20 : entier(256);
    }
    return octets;
}

function verifierLexiques(adjora, noms) {
    const fichiers = new Map();
    for (const nom of noms) {
        if (entier(3) > 0) {
            fichiers.set(nom, octetsAuHasard(entier(2000)));
        }
    }
    const chargement = adjora.chargerLexiques(fichiers);
    if (chargement === null || !Array.isArray(chargement.rapports)) {
        echec('lexiques au hasard : ' + JSON.stringify(chargement));
        return;
    }
    verifierAnalyse(adjora, (t) => t, 'belles');
}

// Tokens with and without a letter (the engine's own cases): only a word
// with a letter is analysed.
function verifierLettres(adjora) {
    const chemin = join(dirname(fileURLToPath(import.meta.url)), '..', 'engine', 'lettres.tsv');
    const lignes = readFileSync(chemin, 'utf-8').split('\n');
    let nb = 0;
    for (const ligne of lignes) {
        if (ligne === '' || ligne.startsWith('#')) {
            continue;
        }
        const [jeton, lettre] = ligne.split('\t');
        const analyse = adjora.analyser(jeton);
        if ((analyse !== null) !== (lettre === '1')) {
            echec('jeton ' + JSON.stringify(jeton) + ' : ' + JSON.stringify(analyse));
        }
        nb++;
    }
    if (nb === 0) {
        echec(chemin + ' : aucun cas');
    }
}

async function lireFichier(nom) {
    return new Uint8Array(readFileSync(join(donnees, nom)));
}

function protege(action, description) {
    try {
        action();
    } catch (erreur) {
        echec(description + ' : exception ' + erreur);
    }
}

const dossier = mkdtempSync(join(tmpdir(), 'adjora-frontiere-'));
try {
    for (const fichier of ['adjora.js', 'adjora-moteur.js']) {
        copyFileSync(join(site, fichier), join(dossier, fichier));
    }
    writeFileSync(join(dossier, 'package.json'), '{"type": "module"}\n');
    const porte = await import(pathToFileURL(join(dossier, 'adjora.js')).href);
    const adjora = await porte.chargerAdjora({
        wasmBinary: readFileSync(join(site, 'adjora-moteur.wasm')),
        lireFichier: lireFichier,
    });
    if (adjora.chargementInitial.rapports.length !== 0) {
        echec('lexiques livrés : ' + adjora.chargementInitial.rapports.join('\n'));
    }
    verifierLettres(adjora);
    for (let i = 0; i < NB_MOTS; i++) {
        const texte = texteAuHasard(entier(60));
        protege(() => verifierAnalyse(adjora, porte.preparerMot, texte), 'analyse');
        protege(() => verifierFlexion(adjora, texte), 'flexion');
    }
    for (let i = 0; i < NB_LONGS; i++) {
        const texte = texteAuHasard(10000);
        protege(() => verifierAnalyse(adjora, porte.preparerMot, texte), 'analyse longue');
        protege(() => verifierFlexion(adjora, texte), 'flexion longue');
    }
    for (let i = 0; i < NB_LEXIQUES; i++) {
        protege(() => verifierLexiques(adjora, porte.FICHIERS_LEXIQUES), 'lexiques');
    }
    protege(() => adjora.chargerLivres(), 'retour aux lexiques livrés');
    const belles = adjora.analyser('BELLES');
    if (belles === null || belles.lemme !== 'beau') {
        echec('après les lexiques au hasard, BELLES donne ' + JSON.stringify(belles));
    }
} finally {
    rmSync(dossier, { recursive: true, force: true });
}
console.log('graine ' + graine + ', ' + echecs + ' échec(s)');
process.exit(echecs === 0 ? 0 : 1);
