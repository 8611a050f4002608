/* SPDX-FileCopyrightText: 2026 Équipe Adjora
 * SPDX-License-Identifier: GPL-3.0-or-later */

/* Opens, reloads, uses and closes handles 100 times, on a partial lexicon
 * folder (reports to a callback) and on the full data folder (paradigms
 * too), so that valgrind can tell whether any cycle leaks.
 * Usage: capi_cycles PARTIAL_FOLDER DATA_FOLDER */
#include <stdio.h>
#include <stdlib.h>

#include "adjora.h"

static void compter(void* contexte, const char* fichier, const char* message) {
    (void)fichier;
    (void)message;
    ++*(int*)contexte;
}

/* One cycle on `dossier`; 0 when every call answered as it should. */
static int cycle(const char* dossier, int* rapports) {
    adjora* a = NULL;
    adjora_analyse analyse;
    adjora_paradigme* paradigme;
    int echec;
    if (adjora_ouvrir(dossier, compter, rapports, &a) != ADJORA_OK) {
        return 1;
    }
    echec = adjora_recharger(a) != ADJORA_OK;
    echec |= adjora_analyser(a, "belles", ADJORA_EXPLICATION, &analyse) != ADJORA_OK;
    paradigme = malloc(sizeof *paradigme);
    echec |= paradigme == NULL || adjora_flechir(a, "vieilles", paradigme) != ADJORA_OK;
    free(paradigme);
    adjora_fermer(a);
    return echec;
}

int main(int argc, char** argv) {
    int i;
    int rapports = 0;
    if (argc != 3) {
        fputs("usage: capi_cycles PARTIAL_FOLDER DATA_FOLDER\n", stderr);
        return 2;
    }
    for (i = 0; i < 100; i++) {
        if (cycle(argv[1 + i % 2], &rapports) != 0) {
            fprintf(stderr, "cycle %d failed\n", i);
            return 1;
        }
    }
    /* the partial folder lacks six lexicons, reported twice per load */
    if (rapports != 50 * 2 * 12) {
        fprintf(stderr, "%d reports, expected %d\n", rapports, 50 * 2 * 12);
        return 1;
    }
    return 0;
}
