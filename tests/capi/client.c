/* SPDX-FileCopyrightText: 2026 Équipe Adjora
 * SPDX-License-Identifier: GPL-3.0-or-later */

/* A C99 client of libadjora, built as a user builds one:
 *     cc -std=c99 -pedantic -Werror client.c $(pkg-config --cflags --libs adjora)
 * Usage: client mots|formes|conllu|conllu-explication DOSSIER < lines
 * (DOSSIER "-": the library's own lookup). Each input line is one call.
 * mots: "N<TAB>lemma<TAB>gender code<TAB>number code<TAB>explanation";
 * formes: "N<TAB>lemma<TAB>the four cells<TAB>their four explanations";
 * conllu: the line rewritten. Line breaks in explanations are written \n.
 * Line N of a refused or cut word is named on standard error as "ligne N". */
#include <adjora.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static const char BOM[] = "\uFEFF"; /* byte order mark, UTF-8 */

/* One input line without its line feed, in a buffer that grows; NULL at the end. */
static char* lire_ligne(char** tampon, size_t* taille) {
    size_t n = 0;
    int c = getchar();
    if (c == EOF) {
        return NULL;
    }
    while (c != EOF && c != '\n') {
        if (n + 2 > *taille) {
            size_t nouvelle = *taille * 2 + 64;
            char* plus = realloc(*tampon, nouvelle);
            if (plus == NULL) {
                return NULL;
            }
            *tampon = plus;
            *taille = nouvelle;
        }
        (*tampon)[n] = (char)c;
        n++;
        c = getchar();
    }
    if (*tampon == NULL) {
        *tampon = malloc(1);
        *taille = 1;
    }
    (*tampon)[n] = '\0';
    return *tampon;
}

static void ecrire_explication(const char* texte) {
    for (; *texte != '\0'; texte++) {
        if (*texte == '\n') {
            fputs("\\n", stdout);
        } else {
            putchar(*texte);
        }
    }
}

static void signaler(unsigned long numero, adjora_statut statut) {
    if (statut != ADJORA_OK && statut != ADJORA_PAS_UN_MOT) {
        fprintf(stderr, "ligne %lu\n", numero);
    }
}

/* A token without a letter gets the marker adjora-cli writes; a blank line
 * gets nothing, as adjora-cli skips it. */
static void pas_un_mot(const char* texte, unsigned long numero) {
    if (texte[strspn(texte, " \t\r")] != '\0') {
        printf("%lu\tpas un mot\n", numero);
    }
}

static void ecrire_regles(const char* regles) {
    for (; *regles != '\0'; regles++) {
        putchar(*regles == ' ' ? ',' : *regles);
    }
}

static void mot(const adjora* a, const char* texte, unsigned long numero) {
    adjora_analyse analyse;
    adjora_statut statut = adjora_analyser(a, texte, ADJORA_EXPLICATION, &analyse);
    signaler(numero, statut);
    if (statut == ADJORA_OK || statut == ADJORA_MOT_TRONQUE) {
        printf("%lu\t%s\t%d\t%d\t", numero, analyse.lemme, (int)analyse.genre, (int)analyse.nombre);
        ecrire_explication(analyse.explication);
        putchar('\t');
        ecrire_regles(analyse.regles);
        putchar('\n');
    }
    if (statut == ADJORA_PAS_UN_MOT) {
        pas_un_mot(texte, numero);
    }
}

static void cellules(const adjora_paradigme* p, int explications) {
    int c;
    int i;
    for (c = 0; c < 4; c++) {
        putchar('\t');
        for (i = 0; i < p->cellules[c].nb; i++) {
            if (i > 0) {
                putchar('|');
            }
            if (explications) {
                ecrire_explication(p->cellules[c].formes[i].explication);
            } else {
                fputs(p->cellules[c].formes[i].mot, stdout);
            }
        }
    }
}

static void formes(const adjora* a, const char* texte, unsigned long numero) {
    static adjora_paradigme p;
    adjora_statut statut = adjora_flechir(a, texte, &p);
    signaler(numero, statut);
    if (statut == ADJORA_OK || statut == ADJORA_MOT_TRONQUE) {
        printf("%lu\t%s", numero, p.lemme);
        cellules(&p, 0);
        cellules(&p, 1);
        putchar('\n');
    }
    if (statut == ADJORA_PAS_UN_MOT) {
        pas_un_mot(texte, numero);
    }
}

/* The rewritten line, through a small buffer first: a longer line tells the
 * size it needs, and the call is made again. */
static int conllu(const adjora* a, const char* ligne, unsigned options) {
    char petit[64];
    size_t requis = 0;
    char* grand;
    adjora_statut statut = adjora_conllu(a, ligne, options, petit, sizeof petit, &requis);
    if (statut != ADJORA_ERREUR_TAMPON) {
        fputs(petit, stdout);
        putchar('\n');
        return 0;
    }
    grand = malloc(requis);
    if (grand == NULL) {
        return 1;
    }
    statut = adjora_conllu(a, ligne, options, grand, requis, &requis);
    if (statut == ADJORA_ERREUR_TAMPON) {
        free(grand);
        return 1;
    }
    fputs(grand, stdout);
    putchar('\n');
    free(grand);
    return 0;
}

int main(int argc, char** argv) {
    adjora* a = NULL;
    char* tampon = NULL;
    size_t taille = 0;
    unsigned long numero = 0;
    const char* mode;
    const char* ligne;
    int echec = 0;
    adjora_statut statut;
    if (argc != 3) {
        fputs("usage: client mots|formes|conllu|conllu-explication DOSSIER\n", stderr);
        return 2;
    }
    mode = argv[1];
    statut = adjora_ouvrir(strcmp(argv[2], "-") == 0 ? NULL : argv[2], NULL, NULL, &a);
    if (statut != ADJORA_OK) {
        fprintf(stderr, "adjora_ouvrir : %s\n", adjora_message_statut(statut));
        return 2;
    }
    while (!echec && (ligne = lire_ligne(&tampon, &taille)) != NULL) {
        numero++;
        /* A byte order mark opening the input is not part of its first line. */
        if (numero == 1 && strncmp(ligne, BOM, strlen(BOM)) == 0) {
            ligne += strlen(BOM);
            if (strncmp(mode, "conllu", 6) == 0) {
                fputs(BOM, stdout);
            }
        }
        if (strcmp(mode, "mots") == 0) {
            mot(a, ligne, numero);
        } else if (strcmp(mode, "formes") == 0) {
            formes(a, ligne, numero);
        } else if (strcmp(mode, "conllu") == 0) {
            echec = conllu(a, ligne, 0);
        } else {
            echec = conllu(a, ligne, ADJORA_EXPLICATION);
        }
    }
    free(tampon);
    adjora_fermer(a);
    return echec;
}
