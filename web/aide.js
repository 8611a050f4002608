// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// The help (Adjora.hlp, a small HTML page) shown inside the page: only its
// text elements are copied over, anchors renamed so as not to meet the
// page's own identifiers.

import { FICHIER_AIDE } from './adjora.js';

const ELEMENTS = new Set(['A', 'B', 'H1', 'H2', 'H3', 'HR', 'I', 'LI', 'OL', 'P', 'PRE', 'TABLE',
                          'TBODY', 'THEAD', 'TD', 'TH', 'TR', 'UL']);
const PREFIXE = 'aide-';

// Headings move one level down: the help lies under the page's own heading.
function nomCopie(nom) {
    const niveau = /^H([1-5])$/.exec(nom);
    if (niveau === null) {
        return nom.toLowerCase();
    }
    return 'h' + (Number(niveau[1]) + 1);
}

function copierAttributs(source, copie) {
    const id = source.getAttribute('id');
    if (id !== null) {
        copie.id = PREFIXE + id;
    }
    const lien = source.getAttribute('href');
    if (lien === null) {
        return;
    }
    if (lien.startsWith('#')) {
        copie.setAttribute('href', '#' + PREFIXE + lien.slice(1));
    } else if (/^https?:\/\//.test(lien)) {
        copie.setAttribute('href', lien);
        copie.setAttribute('rel', 'noopener noreferrer');
    }
}

function copier(source, cible) {
    for (const noeud of source.childNodes) {
        if (noeud.nodeType === Node.TEXT_NODE) {
            cible.append(noeud.textContent);
        } else if (noeud.nodeType === Node.ELEMENT_NODE && ELEMENTS.has(noeud.tagName)) {
            const copie = document.createElement(nomCopie(noeud.tagName));
            copierAttributs(noeud, copie);
            copier(noeud, copie);
            cible.append(copie);
        } else if (noeud.nodeType === Node.ELEMENT_NODE) {
            copier(noeud, cible);
        }
    }
}

function aideIndisponible(cible) {
    const titre = document.createElement('h3');
    titre.textContent = 'Aide indisponible';
    const texte = document.createElement('p');
    texte.textContent = 'Le fichier d\'aide ' + FICHIER_AIDE + ' est introuvable ou illisible.';
    cible.replaceChildren(titre, texte);
}

// Fills `cible` with the help; a link within it moves the focus along.
export async function afficherAide(cible) {
    let texte = null;
    try {
        const reponse = await fetch(new URL('donnees/' + FICHIER_AIDE, import.meta.url));
        if (reponse.ok) {
            texte = await reponse.text();
        }
    } catch (erreur) {
        texte = null;
    }
    if (texte === null) {
        aideIndisponible(cible);
        return;
    }
    const document_aide = new DOMParser().parseFromString(texte, 'text/html');
    cible.replaceChildren();
    copier(document_aide.body, cible);
    cible.addEventListener('click', suivreLien);
}

function suivreLien(evenement) {
    const lien = evenement.target.closest('a[href^="#"]');
    if (lien === null) {
        return;
    }
    evenement.preventDefault();
    const destination = document.getElementById(lien.getAttribute('href').slice(1));
    if (destination !== null) {
        destination.tabIndex = -1;
        destination.focus();
        destination.scrollIntoView();
    }
}
