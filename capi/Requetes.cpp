// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// The calls that read the lexicons: analysis, inflection, CoNLL-U lines.
// Each may run on any number of threads at once: the engine's explanation
// buffer is per thread, and the lexicons are only read.
#include <cstring>
#include <new>
#include <string>

#include "Analyseur.h"
#include "Conllu.h"
#include "Flexion.h"
#include "Lemmatiseur.h"
#include "Poignee.h"

namespace {

adjora_statut Analyser(const char* mot, unsigned options, adjora_analyse* resultat) {
    std::string mot1252;
    const adjora_statut statut = capi::PreparerMot(mot, mot1252);
    if (statut != ADJORA_OK && statut != ADJORA_MOT_TRONQUE) {
        return statut;
    }
    Analyse analyse;
    const char* explication = AnalyserAdjectif(mot1252.c_str(), &analyse);
    capi::VersUtf8(analyse.Mot, resultat->lemme, sizeof resultat->lemme);
    resultat->genre = static_cast<adjora_genre>(analyse.CodeGenre);
    resultat->nombre = static_cast<adjora_nombre>(analyse.CodeNombre);
    capi::VersUtf8(BufRegles, resultat->regles, sizeof resultat->regles);
    if ((options & ADJORA_EXPLICATION) != 0) {
        capi::VersUtf8(explication, resultat->explication, sizeof resultat->explication);
    }
    return statut;
}

void Remplir(const Paradigme& paradigme, adjora_paradigme* resultat) {
    capi::VersUtf8(paradigme.Lemme, resultat->lemme, sizeof resultat->lemme);
    resultat->liste = paradigme.Liste ? 1 : 0;
    for (std::size_t c = 0; c < NB_CASES; ++c) {
        const CaseParadigme& cas = paradigme.Cases[c];
        adjora_cellule& cellule = resultat->cellules[c];
        cellule.nb = static_cast<int>(std::min<std::size_t>(cas.Nb, ADJORA_MAX_FORMES));
        for (int i = 0; i < cellule.nb; ++i) {
            char explication[2 * TAILLE_EXPLICATION];
            ExpliquerForme(cas.Formes[i], explication, sizeof explication);
            capi::VersUtf8(cas.Formes[i].Mot, cellule.formes[i].mot, sizeof cellule.formes[i].mot);
            capi::VersUtf8(explication, cellule.formes[i].explication,
                           sizeof cellule.formes[i].explication);
        }
    }
}

adjora_statut Flechir(const char* mot, adjora_paradigme* resultat) {
    std::string mot1252;
    const adjora_statut statut = capi::PreparerMot(mot, mot1252);
    if (statut != ADJORA_OK && statut != ADJORA_MOT_TRONQUE) {
        return statut;
    }
    Paradigme paradigme;
    FlechirAdjectif(mot1252.c_str(), &paradigme);
    Remplir(paradigme, resultat);
    return statut;
}

// The status of a rewritten line, as adjora-cli judges it.
adjora_statut StatutLigne(const texte::LigneConllu& ligne) {
    switch (ligne.motif) {
    case texte::Motif::Utf8Invalide:
        return ADJORA_ERREUR_UTF8;
    case texte::Motif::CaractereRefuse:
        return ADJORA_ERREUR_CARACTERE;
    case texte::Motif::Vide:
        return ADJORA_PAS_UN_MOT;
    case texte::Motif::Aucun:
        break;
    }
    if (!ligne.analysee) {
        return ADJORA_LIGNE_COPIEE;
    }
    return ligne.remarque.empty() ? ADJORA_OK : ADJORA_MOT_TRONQUE;
}

// A CR ending the line is kept out of the columns and written back.
adjora_statut Reecrire(std::string_view ligne, unsigned options, std::string& sortie) {
    const bool retour = ligne.ends_with('\r');
    ligne.remove_suffix(retour ? 1 : 0);
    const bool explication = (options & ADJORA_EXPLICATION) != 0;
    texte::Analyseur analyseur(explication);
    const texte::LigneConllu resultat =
        texte::TraiterLigneConllu(ligne, analyseur, explication, sortie);
    if (retour) {
        sortie += '\r';
    }
    return StatutLigne(resultat);
}

// `texte` into the caller's buffer, or only the size it needs.
adjora_statut Rendre(std::string_view texte, adjora_statut statut, char* sortie, size_t taille,
                     size_t* requis) {
    if (requis != nullptr) {
        *requis = texte.size() + 1;
    }
    if (sortie == nullptr || taille < texte.size() + 1) {
        return ADJORA_ERREUR_TAMPON;
    }
    std::memcpy(sortie, texte.data(), texte.size());
    sortie[texte.size()] = '\0';
    return statut;
}

// A line too long to be read whole is copied as it is, as adjora-cli does.
adjora_statut Conllu(const char* ligne, unsigned options, char* sortie, size_t taille,
                     size_t* requis) {
    const std::string_view donnee(ligne);
    if (donnee.size() > texte::LONGUEUR_LIGNE_CONLLU) {
        return Rendre(donnee, ADJORA_LIGNE_COPIEE, sortie, taille, requis);
    }
    std::string reecrite;
    const adjora_statut statut = Reecrire(donnee, options, reecrite);
    return Rendre(reecrite, statut, sortie, taille, requis);
}

} // namespace

extern "C" {

const char* adjora_version(void) {
    return "1.0";
}

const char* adjora_message_statut(adjora_statut statut) {
    switch (statut) {
    case ADJORA_OK:
        return "Analyse faite.";
    case ADJORA_MOT_TRONQUE:
        return "Mot trop long : seuls ses 50 premiers caractères sont analysés.";
    case ADJORA_PAS_UN_MOT:
        return "Ce n'est pas un mot : rien n'est analysé.";
    case ADJORA_LIGNE_COPIEE:
        return "Ligne CoNLL-U recopiée telle quelle.";
    case ADJORA_ERREUR_ARGUMENT:
        return "Argument nul ou invalide.";
    case ADJORA_ERREUR_UTF8:
        return "Texte UTF-8 invalide.";
    case ADJORA_ERREUR_CARACTERE:
        return "Caractère absent du jeu Windows-1252.";
    case ADJORA_ERREUR_TAMPON:
        return "Tampon trop petit.";
    case ADJORA_ERREUR_DOSSIER:
        return "Dossier des lexiques introuvable ou sans lexique.";
    case ADJORA_ERREUR_OCCUPE:
        return "Les lexiques d'un autre dossier sont ouverts dans ce processus.";
    case ADJORA_ERREUR_MEMOIRE:
        return "Mémoire saturée.";
    }
    return "Statut inconnu.";
}

adjora_statut adjora_analyser(const adjora* handle, const char* mot, unsigned options,
                              adjora_analyse* resultat) {
    if (handle == nullptr || mot == nullptr || resultat == nullptr) {
        return ADJORA_ERREUR_ARGUMENT;
    }
    resultat->lemme[0] = '\0';
    resultat->regles[0] = '\0';
    resultat->explication[0] = '\0';
    resultat->genre = ADJORA_GENRE_INDETERMINE;
    resultat->nombre = ADJORA_NOMBRE_INDETERMINE;
    try {
        return Analyser(mot, options, resultat);
    } catch (...) {
        return ADJORA_ERREUR_MEMOIRE;
    }
}

adjora_statut adjora_flechir(const adjora* handle, const char* mot, adjora_paradigme* resultat) {
    if (handle == nullptr || mot == nullptr || resultat == nullptr) {
        return ADJORA_ERREUR_ARGUMENT;
    }
    std::memset(resultat, 0, sizeof *resultat);
    try {
        return Flechir(mot, resultat);
    } catch (...) {
        return ADJORA_ERREUR_MEMOIRE;
    }
}

adjora_statut adjora_conllu(const adjora* handle, const char* ligne, unsigned options, char* sortie,
                            size_t taille, size_t* requis) {
    if (handle == nullptr || ligne == nullptr) {
        return ADJORA_ERREUR_ARGUMENT;
    }
    try {
        return Conllu(ligne, options, sortie, taille, requis);
    } catch (...) {
        return ADJORA_ERREUR_MEMOIRE;
    }
}

} // extern "C"
