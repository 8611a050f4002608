// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's only door to the engine (adjora-moteur.js and .wasm). Text
// comes in as JavaScript strings, is composed (NFC), lower-cased and turned
// into Windows-1252 bytes here; answers go back out as strings. Nothing
// thrown by the engine's side leaves this module: a failure gives null.

import CreerMoteur from './adjora-moteur.js';

// Bytes 0x80 to 0x9F of Windows-1252; the five it leaves unassigned stand
// for the matching C1 controls, as the engine's own table has them.
const HAUT_1252 = '€\u0081‚ƒ„…†‡ˆ‰Š‹Œ\u008DŽ\u008F\u0090‘’“”•–—˜™š›œ\u009DžŸ';

export const FICHIERS_LEXIQUES = [
    'except_A.lex',
    'except_B.lex',
    'except_C.lex',
    'except_D.lex',
    'except_E.lex',
    'except_F.lex',
    'except_G.lex',
    'except_H.lex',
    'paradigmes.lex',
];

export const FICHIER_AIDE = 'Adjora.hlp';

// The loader refuses a lexicon over 4 MiB; one byte more is enough to say so.
export const TAILLE_MAX_FICHIER = 4 * 1024 * 1024 + 1;

const DOSSIER_LIVRE = '/adjora';
const DOSSIER_LECTEUR = '/vos-lexiques';

// Text that needs no look-up: ASCII and the upper half of Latin-1.
const LATIN = /^[\u0000-\u007f\u00a0-\u00ff]*$/;
const DECODEUR_1252 = new TextDecoder('windows-1252');
const DECODEUR_UTF8 = new TextDecoder('utf-8');

const octetsHauts = new Map();
for (let i = 0; i < HAUT_1252.length; i++) {
    octetsHauts.set(HAUT_1252[i], 0x80 + i);
}

// Byte of one character (one code point) in Windows-1252, or -1.
export function octet1252(caractere) {
    const point = caractere.codePointAt(0);
    if (point < 0x80 || (point >= 0xa0 && point <= 0xff)) {
        return point;
    }
    const octet = octetsHauts.get(caractere);
    if (octet === undefined) {
        return -1;
    }
    return octet;
}

export function representable(caractere) {
    return octet1252(caractere) >= 0;
}

// The characters of `texte` that Windows-1252 cannot hold, once composed.
export function caracteresRefuses(texte) {
    const refuses = [];
    for (const caractere of String(texte).normalize('NFC')) {
        if (!representable(caractere)) {
            refuses.push(caractere);
        }
    }
    return refuses;
}

// A word as the engine takes it: composed, lower-cased, trimmed, with only
// the characters Windows-1252 holds. Null when nothing is left.
export function preparerMot(texte) {
    const mot = String(texte).normalize('NFC').toLowerCase().trim();
    let garde = mot;
    if (!LATIN.test(mot)) {
        garde = '';
        for (const caractere of mot) {
            if (representable(caractere)) {
                garde += caractere;
            }
        }
    }
    if (garde === '') {
        return null;
    }
    return garde;
}

class Moteur {
    constructor(module) {
        this.module = module;
        this.entree = module._adjora_entree();
        this.taille = module._adjora_taille_entree();
    }

    // The text at `adresse`, up to its terminator, through `decodeur`.
    lire(adresse, decodeur = DECODEUR_1252) {
        const memoire = this.module.HEAPU8;
        let fin = adresse;
        while (memoire[fin] !== 0) {
            fin++;
        }
        return decodeur.decode(memoire.subarray(adresse, fin));
    }

    lireUtf8(adresse) {
        return this.lire(adresse, DECODEUR_UTF8);
    }

    // Writes a prepared word into the input buffer, cut to its capacity.
    ecrire(mot) {
        const memoire = this.module.HEAPU8;
        let n = 0;
        if (LATIN.test(mot)) {
            n = Math.min(mot.length, this.taille - 1);
            for (let i = 0; i < n; i++) {
                memoire[this.entree + i] = mot.charCodeAt(i);
            }
            memoire[this.entree + n] = 0;
            return;
        }
        for (const caractere of mot) {
            if (n >= this.taille - 1) {
                break;
            }
            memoire[this.entree + n] = octet1252(caractere);
            n++;
        }
        memoire[this.entree + n] = 0;
    }

    analyser(texte) {
        const mot = preparerMot(texte);
        if (mot === null) {
            return null;
        }
        this.ecrire(mot);
        const m = this.module;
        if (m._adjora_analyser() === 0) {
            return null; // no letter: no word
        }
        return {
            mot: mot,
            lemme: this.lire(m._adjora_lemme()).toLowerCase(),
            genre: m._adjora_genre(),
            nombre: m._adjora_nombre(),
            explication: this.lire(m._adjora_explication()),
        };
    }

    flechir(texte) {
        const mot = preparerMot(texte);
        if (mot === null) {
            return null;
        }
        this.ecrire(mot);
        const m = this.module;
        if (m._adjora_flechir() === 0) {
            return null;
        }
        const cases = [];
        for (let cas = 0; cas < 4; cas++) {
            const formes = [];
            const nb = m._adjora_nb_formes(cas);
            for (let i = 0; i < nb; i++) {
                formes.push({
                    forme: this.lire(m._adjora_forme(cas, i)),
                    explication: this.lire(m._adjora_explication_forme(cas, i)),
                });
            }
            cases.push(formes);
        }
        return {
            lemme: this.lire(m._adjora_lemme_paradigme()),
            cases: cases,
            caseVide: this.lire(m._adjora_explication_case_vide()),
        };
    }

    // Replaces the folder's files with `fichiers` (name to bytes) and loads
    // the lexicons from it. Returns the reports raised, in UTF-8 text.
    charger(dossier, fichiers) {
        const fs = this.module.FS;
        if (fs.analyzePath(dossier).exists) {
            for (const nom of fs.readdir(dossier)) {
                if (nom !== '.' && nom !== '..') {
                    fs.unlink(dossier + '/' + nom);
                }
            }
        } else {
            fs.mkdir(dossier);
        }
        for (const [nom, octets] of fichiers) {
            fs.writeFile(dossier + '/' + nom, octets.subarray(0, TAILLE_MAX_FICHIER));
        }
        const nb = this.appelerCharger(dossier);
        const rapports = [];
        for (let i = 0; i < nb; i++) {
            rapports.push(this.lireUtf8(this.module._adjora_rapport(i)));
        }
        return {
            titre: this.lireUtf8(this.module._adjora_titre_rapport()),
            rapports: rapports,
        };
    }

    appelerCharger(dossier) {
        this.ecrire(dossier);
        return this.module._adjora_charger(this.entree);
    }
}

// Every call goes through here: an exception becomes null, never a throw.
function proteger(action) {
    try {
        return action();
    } catch (erreur) {
        console.error('Adjora :', erreur);
        return null;
    }
}

async function lireParDefaut(nom) {
    const reponse = await fetch(new URL('donnees/' + nom, import.meta.url));
    if (!reponse.ok) {
        return null;
    }
    return new Uint8Array(await reponse.arrayBuffer());
}

// The engine with the shipped lexicons loaded. `options.lireFichier(nom)`
// gives a shipped file's bytes (or null when missing); `options.wasmBinary`
// the compiled engine, where it cannot be fetched beside this module.
export async function chargerAdjora(options = {}) {
    const lireFichier = options.lireFichier || lireParDefaut;
    const reglages = {};
    if (options.wasmBinary) {
        reglages.wasmBinary = options.wasmBinary;
    }
    const moteur = new Moteur(await CreerMoteur(reglages));
    const fichiers = new Map();
    for (const nom of FICHIERS_LEXIQUES) {
        const octets = await lireFichier(nom);
        if (octets !== null) {
            fichiers.set(nom, octets);
        }
    }
    const livres = new Map(fichiers);
    const chargement = moteur.charger(DOSSIER_LIVRE, fichiers);
    return new Adjora(moteur, livres, chargement);
}

export class Adjora {
    constructor(moteur, livres, chargement) {
        this.moteur = moteur;
        this.livres = livres;
        this.chargementInitial = chargement;
    }

    // {mot, lemme, genre, nombre, explication}: codes as the engine gives
    // them (genre: 0 masculine, 1 feminine, 2 undetermined, 3 invariable;
    // nombre: 0 singular, 1 plural, 2 undetermined, 3 invariable). Null for
    // a text without a letter (the engine's own test).
    analyser(texte) {
        return proteger(() => this.moteur.analyser(texte));
    }

    // {lemme, cases: four lists of {forme, explication}, caseVide}, cells in
    // the order masculine singular, feminine singular, masculine plural,
    // feminine plural. Null for a text without a letter.
    flechir(texte) {
        return proteger(() => this.moteur.flechir(texte));
    }

    // Loads a reader's lexicons: `fichiers` maps file names to bytes. Names
    // are matched without regard to case; other files are left out and
    // named in `ignores`. Without a paradigmes.lex the shipped one stays.
    // Returns {titre, rapports, ignores}, or null when nothing could run.
    chargerLexiques(fichiers) {
        const retenus = new Map();
        const ignores = [];
        for (const [nom, octets] of fichiers) {
            const connu = FICHIERS_LEXIQUES.find((n) => n.toLowerCase() === String(nom).toLowerCase());
            if (connu === undefined) {
                ignores.push(String(nom));
            } else {
                retenus.set(connu, octets);
            }
        }
        if (!retenus.has('paradigmes.lex') && this.livres.has('paradigmes.lex')) {
            retenus.set('paradigmes.lex', this.livres.get('paradigmes.lex'));
        }
        const resultat = proteger(() => this.moteur.charger(DOSSIER_LECTEUR, retenus));
        if (resultat === null) {
            return null;
        }
        resultat.ignores = ignores;
        return resultat;
    }

    // Back to the shipped lexicons.
    chargerLivres() {
        return proteger(() => this.moteur.charger(DOSSIER_LIVRE, new Map(this.livres)));
    }
}
