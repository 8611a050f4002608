/* SPDX-FileCopyrightText: 2026 Équipe Adjora
 * SPDX-License-Identifier: GPL-3.0-or-later */

/* Adjora: lemma, gender and number of French qualifying adjectives, with the
 * French explanation of the rule or exception list that gave them.
 *
 * C API of libadjora (C99 and C++). All text in and out is UTF-8.
 *
 * Ownership: every result is written into memory that the caller owns (the
 * result structures below, or a buffer and its size). Strings returned as
 * `const char*` belong to the library: adjora_version and
 * adjora_message_statut return static text; adjora_rapport returns text owned
 * by the handle, valid until adjora_recharger or adjora_fermer.
 *
 * Threads: once adjora_ouvrir has returned, adjora_analyser, adjora_flechir
 * and adjora_conllu may be called on the same handle from any number of
 * threads at once. adjora_ouvrir, adjora_recharger and adjora_fermer are
 * exclusive: no other call may run on that handle meanwhile.
 *
 * The library never exits, aborts, prints, or changes the current directory.
 */
#ifndef ADJORA_H
#define ADJORA_H

#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

/* The library is built with hidden symbols; the API alone is visible. */
#if defined(__GNUC__)
#define ADJORA_PUBLIC __attribute__((visibility("default")))
#else
#define ADJORA_PUBLIC
#endif

#define ADJORA_VERSION_MAJEURE 1
#define ADJORA_VERSION_MINEURE 0

/* Sizes, terminator included, that always hold a result (UTF-8). */
#define ADJORA_TAILLE_MOT 160          /* a lemma or a form */
#define ADJORA_TAILLE_EXPLICATION 1100 /* an explanation */
#define ADJORA_TAILLE_REGLES 64        /* rule codes, such as "N3 G6" */
#define ADJORA_MAX_FORMES 4            /* alternatives in one cell */

/* Status of every call. Zero and the positive values are answers; the
 * negative values are errors, and then the result holds nothing usable. */
typedef enum adjora_statut {
    ADJORA_OK = 0,
    ADJORA_MOT_TRONQUE = 1,  /* answered on the first 50 characters only */
    ADJORA_PAS_UN_MOT = 2,   /* empty, or no letter: nothing analysed */
    ADJORA_LIGNE_COPIEE = 3, /* CoNLL-U line left as it was (not an ADJ word line, or malformed) */
    ADJORA_ERREUR_ARGUMENT = -1,  /* a null pointer where one is needed */
    ADJORA_ERREUR_UTF8 = -2,      /* the text is not valid UTF-8 */
    ADJORA_ERREUR_CARACTERE = -3, /* a character outside Windows-1252 */
    ADJORA_ERREUR_TAMPON = -4,    /* the buffer is too small: see `requis` */
    ADJORA_ERREUR_DOSSIER = -5,   /* the data folder is missing or holds no lexicon */
    ADJORA_ERREUR_OCCUPE = -6,    /* lexicons of another folder are open in this process */
    ADJORA_ERREUR_MEMOIRE = -7    /* memory exhausted */
} adjora_statut;

/* Gender and number codes, as the engine gives them. */
typedef enum adjora_genre {
    ADJORA_MASCULIN = 0,
    ADJORA_FEMININ = 1,
    ADJORA_GENRE_INDETERMINE = 2,
    ADJORA_GENRE_INVARIABLE = 3
} adjora_genre;

typedef enum adjora_nombre {
    ADJORA_SINGULIER = 0,
    ADJORA_PLURIEL = 1,
    ADJORA_NOMBRE_INDETERMINE = 2,
    ADJORA_NOMBRE_INVARIABLE = 3
} adjora_nombre;

/* Options of the analysis calls (bits). */
#define ADJORA_EXPLICATION 1u /* also write the explanation (MISC Adjora= in CoNLL-U) */

typedef struct adjora adjora; /* an open set of lexicons */

/* A lexicon report (missing, faulty or cut file): the file's path and the
 * French message, both UTF-8, valid during the call only. */
typedef void (*adjora_rappel)(void* contexte, const char* fichier, const char* message);

/* The analysis of one form. */
typedef struct adjora_analyse {
    char lemme[ADJORA_TAILLE_MOT];
    adjora_genre genre;
    adjora_nombre nombre;
    char regles[ADJORA_TAILLE_REGLES];           /* codes of the explanations used, in order */
    char explication[ADJORA_TAILLE_EXPLICATION]; /* empty without ADJORA_EXPLICATION */
} adjora_analyse;

/* One form of a paradigm cell and how it is made. */
typedef struct adjora_forme {
    char mot[ADJORA_TAILLE_MOT];
    char explication[ADJORA_TAILLE_EXPLICATION];
} adjora_forme;

/* The four cells: masculine singular, feminine singular, masculine plural,
 * feminine plural; in each, the main form first. */
typedef enum adjora_case { ADJORA_MS = 0, ADJORA_FS = 1, ADJORA_MP = 2, ADJORA_FP = 3 } adjora_case;

typedef struct adjora_cellule {
    int nb; /* forms held, 0 to ADJORA_MAX_FORMES */
    adjora_forme formes[ADJORA_MAX_FORMES];
} adjora_cellule;

typedef struct adjora_paradigme {
    char lemme[ADJORA_TAILLE_MOT];
    int liste; /* 1 when the paradigm lexicon gave the forms */
    adjora_cellule cellules[4];
} adjora_paradigme;

/* Version of the library, "1.0". */
ADJORA_PUBLIC const char* adjora_version(void);

/* French text of a status. */
ADJORA_PUBLIC const char* adjora_message_statut(adjora_statut statut);

/* Opens the lexicons of `dossier` (except_A.lex to except_H.lex, and the
 * optional paradigmes.lex), or, when it is null, of the installed data folder
 * (<libdir>/../share/adjora beside the library), else of the source tree's
 * data/. Reports go to `rappel` when given, else are kept (adjora_rapport).
 * A missing or faulty lexicon is a report, not an error: the engine goes on
 * with the other lists. On success *handle is set; on error it is null. */
ADJORA_PUBLIC adjora_statut adjora_ouvrir(const char* dossier, adjora_rappel rappel, void* contexte,
                                          adjora** handle);

/* Reads the same folder again, freeing what the previous load held; the
 * reports of this load replace those kept. Refused with ADJORA_ERREUR_OCCUPE
 * while another handle shares the lexicons. */
ADJORA_PUBLIC adjora_statut adjora_recharger(adjora* handle);

/* Frees the handle, and the lexicons with the last handle that uses them; a
 * null handle is ignored. */
ADJORA_PUBLIC void adjora_fermer(adjora* handle);

/* Reports kept since the last load (with no callback), and the i-th one. */
ADJORA_PUBLIC size_t adjora_nb_rapports(const adjora* handle);
ADJORA_PUBLIC adjora_statut adjora_rapport(const adjora* handle, size_t i, const char** fichier,
                                           const char** message);

/* Analyses one form as adjora-cli does: surrounding blanks trimmed, lower-cased,
 * the first 50 characters analysed (ADJORA_MOT_TRONQUE beyond).
 * ADJORA_PAS_UN_MOT for a word left empty or without a letter ("," "42"). */
ADJORA_PUBLIC adjora_statut adjora_analyser(const adjora* handle, const char* mot, unsigned options,
                                            adjora_analyse* resultat);

/* The paradigm of any form, as adjora-cli --formes gives it. */
ADJORA_PUBLIC adjora_statut adjora_flechir(const adjora* handle, const char* mot,
                                           adjora_paradigme* resultat);

/* Rewrites one CoNLL-U line (without its line break) as adjora-cli --conllu
 * does. The line to write goes to `sortie` (`taille` bytes, terminator
 * included); `*requis` (when not null) gets the size it needs. With
 * ADJORA_ERREUR_TAMPON nothing but `*requis` is written: call again.
 * ADJORA_OK (or ADJORA_MOT_TRONQUE): an ADJ word line rewritten.
 * ADJORA_LIGNE_COPIEE: any other line, a malformed one, or one longer than
 * 65,535 bytes, copied. ADJORA_ERREUR_UTF8, ADJORA_ERREUR_CARACTERE and
 * ADJORA_PAS_UN_MOT: the ADJ form was refused, and the line copied to
 * `sortie` as adjora-cli copies it. A final CR is kept out of the columns and
 * written back. */
ADJORA_PUBLIC adjora_statut adjora_conllu(const adjora* handle, const char* ligne, unsigned options,
                                          char* sortie, size_t taille, size_t* requis);

#ifdef __cplusplus
}
#endif

#endif /* ADJORA_H */
