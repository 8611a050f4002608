// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// Runner of the engine's cases: analyses.tsv over the lexicon sets of
// lexiques/, each set's expected reports and lists, loading with exhausted
// memory, and files no lexicon should be.
#include <sys/stat.h>

#include "OutilsTest.h"

namespace {

const std::filesystem::path kJeux = ADJORA_CAS "/lexiques";

TEST_F(SansLexiques, ChaqueJeuDonneSesRapportsEtSesListes) {
    EXPECT_FALSE(std::filesystem::is_empty(kJeux)) << "no lexicon set in " << kJeux;
    for (const auto& dossier : std::filesystem::directory_iterator(kJeux)) {
        SCOPED_TRACE(dossier.path().filename());
        EXPECT_EQ(ChargerLexiques(dossier.path()), Lire(dossier.path() / "rapports"));
        if (std::filesystem::exists(dossier.path() / "listes")) {
            std::string listes;
            for (const auto& [nom, liste] : Listes()) {
                listes += nom;
                for (const std::string& mot : Mots(liste)) {
                    listes += "\t" + mot;
                }
                listes += "\n";
            }
            EXPECT_EQ(listes, Lire(dossier.path() / "listes"));
        }
    }
}

TEST_F(SansLexiques, CasDuFichier) {
    std::string jeu;
    for (const auto& cas : LireCas(ADJORA_CAS "/analyses.tsv", 7)) {
        if (!std::filesystem::is_directory(kJeux / cas[1])) {
            ADD_FAILURE() << "unknown lexicon set " << cas[1];
            continue;
        }
        if (cas[1] != jeu) {
            jeu = cas[1];
            ChargerLexiques(kJeux / jeu);
        }
        const Resultat r = Analyser(cas[0] == "-" ? "" : cas[0]);
        EXPECT_EQ(r.texte(), cas[2] + "|" + cas[3] + "|" + cas[4] + "|" + cas[5])
            << cas[0] << " with " << jeu;
        EXPECT_EQ(r.regles, cas[6]) << cas[0] << " with " << jeu;
    }
}

// Tokens with and without a letter: only the former are words.
TEST(Mots, ContientUneLettre) {
    for (const auto& cas : LireCas(ADJORA_CAS "/lettres.tsv", 2)) {
        EXPECT_EQ(ContientUneLettre(En1252(cas[0]).c_str()), cas[1] == "1") << cas[0];
    }
    EXPECT_FALSE(ContientUneLettre(nullptr));
}

// Whatever allocation fails, the forms and lemmas loaded stay paired.
TEST_F(SansLexiques, MemoireSatureeLesPairesRestentAlignees) {
    const std::string fichier = "verte vert\nblanche blanc\nfranche franc\n";
    DossierTemporaire dossier;
    DansDossier dans(dossier.chemin);
    dossier.ecrire("paires.lex", fichier);
    EnregistreurRapports rapports;
    for (int permises = 0; permises < 20; ++permises) {
        ListeDouble paires{};
        {
            AllocateurDefaillant echec(permises);
            ChargerDouble("paires.lex", &paires);
        }
        ASSERT_EQ(NbElements(paires.Formes), NbElements(paires.Lemmes))
            << permises << " allocations";
        std::string lues; // the pairs loaded, each on its line as in the file
        for (Position p = 1; p <= NbElements(paires.Formes); ++p) {
            lues += std::string(MotPos(paires.Formes, p)) + " " + MotPos(paires.Lemmes, p) + "\n";
        }
        EXPECT_EQ(lues, fichier.substr(0, lues.size())) << permises;
        DetruitListeMots(paires.Formes);
        DetruitListeMots(paires.Lemmes);
    }
}

// A named pipe, a device, a folder, a file too large, a list overfull: each is
// reported with its name at once, and reading stops.
TEST_F(SansLexiques, FichiersHostilesSignalesSansAttendre) {
    DossierTemporaire dossier;
    mkfifo((dossier.chemin / "except_A.lex").c_str(), 0600);
    std::filesystem::create_symlink("/dev/zero", dossier.chemin / "except_B.lex");
    std::filesystem::create_directory(dossier.chemin / "except_C.lex");
    std::filesystem::resize_file(dossier.ecrire("except_D.lex", ""), (4 << 20) + 1);
    std::string mots;
    for (int i = 0; i <= 65535; ++i) {
        mots += "a\n";
    }
    dossier.ecrire("except_H.lex", mots);
    EXPECT_EQ(ChargerLexiques(dossier.chemin), Lire(ADJORA_CAS "/rapports-hostiles.tsv"));
    EXPECT_EQ(NbElements(ListeH), 65535);
}

TEST_F(SansLexiques, LemmeCorrespondantDUnMotAbsentSignale) {
    EnregistreurRapports rapports;
    ChargerLexiques(kJeux / "exemple");
    char mot[TAILLE_MOT] = "verte";
    LemmeCorrespondant(mot, ListeC.Formes, ListeC.Lemmes);
    EXPECT_STREQ(mot, "verte");
    EXPECT_EQ(rapports.texte,
              "Le lemme n'appartient pas à la liste d'entrée\tADJORA\tLemmeCorrespondant\n");
}

} // namespace
