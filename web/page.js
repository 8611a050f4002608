// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// The page: the window's job over the engine's door (adjora.js).

import { TAILLE_MAX_FICHIER, chargerAdjora, caracteresRefuses, preparerMot, representable } from './adjora.js';
import { afficherAide } from './aide.js';

const NOMS_CASES = ['Masculin singulier', 'Féminin singulier', 'Masculin pluriel', 'Féminin pluriel'];

function element(id) {
    return document.getElementById(id);
}

let adjora = null;
let enAttente = null; // a word validated before the engine was ready
let dernierMot = '';

// Lower-cased, composed, without the characters the code page cannot hold.
function nettoyer(texte) {
    let garde = '';
    for (const caractere of texte.normalize('NFC').toLowerCase()) {
        if (representable(caractere)) {
            garde += caractere;
        }
    }
    return garde;
}

function montrerNotice(texte) {
    element('notice').textContent = texte;
}

// Keeps Adjectif lower-case and within the code page, the caret in place.
function filtrerSaisie(evenement) {
    if (evenement.isComposing) {
        return;
    }
    const champ = element('entree');
    const avant = champ.value;
    const position = champ.selectionStart === null ? avant.length : champ.selectionStart;
    const debut = nettoyer(avant.slice(0, position));
    const texte = debut + nettoyer(avant.slice(position));
    if (texte !== avant) {
        champ.value = texte;
        champ.setSelectionRange(debut.length, debut.length);
    }
    // The notice stays until the next analysis or an empty field.
    const refuses = caracteresRefuses(avant);
    if (refuses.length > 0) {
        montrerNotice('Caractère refusé : « ' + refuses[0] +
                      ' » n\'existe pas dans le jeu de caractères Windows occidental.');
    } else if (texte === '') {
        montrerNotice('');
    }
    element('annonce').textContent = ''; // the result no longer matches the word
}

function cocher(nom, code) {
    for (const bouton of document.querySelectorAll('input[name="' + nom + '"]')) {
        bouton.checked = Number(bouton.value) === code;
    }
}

function texteCoche(nom) {
    const bouton = document.querySelector('input[name="' + nom + '"]:checked');
    if (bouton === null) {
        return '';
    }
    return bouton.parentElement.textContent.trim();
}

function annoncer(texte) {
    const annonce = element('annonce');
    annonce.textContent = '';
    // A new text in a second step, so that the same result is told again.
    window.setTimeout(() => {
        annonce.textContent = texte;
    }, 50);
}

function analyser() {
    const champ = element('entree');
    if (adjora === null) {
        enAttente = champ.value;
        return;
    }
    const resultat = adjora.analyser(champ.value);
    if (resultat === null) {
        return; // empty, or no letter: nothing happens
    }
    montrerNotice('');
    element('lemme').value = resultat.lemme;
    cocher('genre', resultat.genre);
    cocher('nombre', resultat.nombre);
    element('explication').textContent = resultat.explication;
    dernierMot = resultat.mot;
    annoncer([resultat.lemme, texteCoche('genre'), texteCoche('nombre')].join(', '));
    if (!element('formes').hidden) {
        remplirFormes();
    }
}

function remplirFormes() {
    const paradigme = dernierMot === '' ? null : adjora.flechir(dernierMot);
    const explications = element('formes-explications');
    explications.replaceChildren();
    if (paradigme === null) {
        element('formes-lemme').textContent = 'Aucun adjectif analysé';
        for (let cas = 0; cas < 4; cas++) {
            element('case-' + cas).textContent = '';
        }
        const consigne = document.createElement('p');
        consigne.textContent = 'Tapez un adjectif dans la fenêtre principale et validez-le par ' +
                               'Entrée : ses formes s\'affichent ici.';
        explications.append(consigne);
        return;
    }
    element('formes-lemme').textContent = 'Lemme : ' + paradigme.lemme;
    for (let cas = 0; cas < 4; cas++) {
        const formes = paradigme.cases[cas];
        element('case-' + cas).textContent = formes.map((f) => f.forme).join(', ');
        explications.append(explicationsCase(cas, formes, paradigme.caseVide));
    }
}

// The explanation of each form of one cell, under the cell's name.
function explicationsCase(cas, formes, caseVide) {
    const bloc = document.createElement('div');
    bloc.id = 'explications-' + cas;
    const titre = document.createElement('h4');
    titre.textContent = NOMS_CASES[cas];
    bloc.append(titre);
    if (formes.length === 0) {
        const vide = document.createElement('p');
        vide.textContent = caseVide.trim();
        bloc.append(vide);
    }
    for (const forme of formes) {
        const ligne = document.createElement('p');
        ligne.textContent = forme.forme + ' : ' + forme.explication.trim();
        bloc.append(ligne);
    }
    return bloc;
}

function ouvrirFormes() {
    if (adjora === null) {
        return;
    }
    remplirFormes();
    element('formes').hidden = false;
    element('bouton-formes').setAttribute('aria-expanded', 'true');
    element('fermer-formes').focus();
}

function fermerFormes() {
    element('formes').hidden = true;
    element('bouton-formes').setAttribute('aria-expanded', 'false');
    element('entree').focus();
}

function ouvrirDialogue(id) {
    const dialogue = element(id);
    if (!dialogue.open) {
        dialogue.showModal();
    }
}

function fermerDialogue(id) {
    element(id).close();
}

function montrerRapports(chargement) {
    if (chargement === null || chargement.rapports.length === 0) {
        return;
    }
    element('titre-erreurs').textContent = chargement.titre;
    const rapports = element('rapports');
    rapports.replaceChildren();
    for (const rapport of chargement.rapports) {
        const bloc = document.createElement('pre');
        bloc.textContent = rapport;
        rapports.append(bloc);
    }
    ouvrirDialogue('erreurs');
    element('fermer-erreurs').focus();
}

function etatLexiques(texte) {
    element('etat-lexiques').textContent = texte;
}

// A file's bytes, no more than the loader takes; null when it cannot be read.
async function lireFichierLecteur(fichier) {
    try {
        return new Uint8Array(await fichier.slice(0, TAILLE_MAX_FICHIER).arrayBuffer());
    } catch (erreur) {
        return null;
    }
}

async function chargerFichiersLecteur() {
    const choisis = Array.from(element('fichiers').files);
    if (choisis.length === 0 || adjora === null) {
        return;
    }
    const fichiers = new Map();
    const illisibles = [];
    for (const fichier of choisis) {
        const octets = await lireFichierLecteur(fichier);
        if (octets === null) {
            illisibles.push(fichier.name);
        } else {
            fichiers.set(fichier.name, octets);
        }
    }
    const chargement = adjora.chargerLexiques(fichiers);
    if (chargement === null) {
        etatLexiques('Vos lexiques n\'ont pas pu être chargés.');
        return;
    }
    let etat = 'Vos lexiques sont chargés (' + (fichiers.size - chargement.ignores.length) +
               ' fichiers), avec ' + chargement.rapports.length + ' erreur(s).';
    if (chargement.ignores.length > 0) {
        etat += ' Fichiers ignorés : ' + chargement.ignores.join(', ') + '.';
    }
    if (illisibles.length > 0) {
        etat += ' Fichiers illisibles : ' + illisibles.join(', ') + '.';
    }
    etatLexiques(etat);
    dernierMot = '';
    montrerRapports(chargement);
}

function revenirAuxLivres() {
    if (adjora === null) {
        return;
    }
    const chargement = adjora.chargerLivres();
    element('fichiers').value = '';
    etatLexiques('Les lexiques livrés sont de nouveau chargés.');
    montrerRapports(chargement);
}

// A closed dialog gives the focus back to Adjectif, once the browser has
// given it back to the button that opened the dialog.
function rendreFocus() {
    window.setTimeout(() => element('entree').focus(), 0);
}

function toucheGlobale(evenement) {
    if (evenement.key === 'F1') {
        evenement.preventDefault();
        ouvrirDialogue('aide');
    } else if (evenement.key === 'Escape' && !element('formes').hidden &&
               element('formes').contains(document.activeElement)) {
        fermerFormes();
    }
}

function brancher() {
    element('formulaire').addEventListener('submit', (evenement) => {
        evenement.preventDefault();
        analyser();
    });
    element('entree').addEventListener('input', filtrerSaisie);
    element('entree').addEventListener('compositionend', filtrerSaisie);
    element('bouton-formes').addEventListener('click', ouvrirFormes);
    element('fermer-formes').addEventListener('click', fermerFormes);
    element('bouton-imprimer').addEventListener('click', () => window.print());
    element('bouton-aide').addEventListener('click', () => ouvrirDialogue('aide'));
    element('bouton-apropos').addEventListener('click', () => ouvrirDialogue('apropos'));
    element('fermer-aide').addEventListener('click', () => fermerDialogue('aide'));
    element('fermer-apropos').addEventListener('click', () => fermerDialogue('apropos'));
    element('fermer-erreurs').addEventListener('click', () => fermerDialogue('erreurs'));
    for (const id of ['aide', 'apropos', 'erreurs']) {
        element(id).addEventListener('close', rendreFocus);
    }
    element('fichiers').addEventListener('change', chargerFichiersLecteur);
    element('lexiques-livres').addEventListener('click', revenirAuxLivres);
    document.addEventListener('keydown', toucheGlobale);
}

async function demarrer() {
    brancher();
    element('entree').focus();
    afficherAide(element('contenu-aide'));
    try {
        adjora = await chargerAdjora();
    } catch (erreur) {
        etatLexiques('Le moteur d\'Adjora n\'a pas pu démarrer dans ce navigateur.');
        return;
    }
    document.body.dataset.pret = 'oui';
    montrerRapports(adjora.chargementInitial);
    if (enAttente !== null && preparerMot(enAttente) !== null) {
        analyser();
    }
}

demarrer();
