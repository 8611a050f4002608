// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// Loading the lexicon files: single and paired layouts, bad and missing files.
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "Lemmatiseur.h"
#include "OutilsTest.h"

namespace {

using Mots_ = std::vector<std::string>;

int CompterOuvertures(const EnregistreurRapports& r) {
    return r.compter("Opération impossible", "GESTION DES FICHIERS", "fOuvrir");
}

class Chargement : public SansLexiques {
  protected:
    void TearDown() override {
        Detruire(paires_);
        SansLexiques::TearDown();
    }
    Liste* ChargerTexte(const std::string& texte) {
        return ChargerSimple(dossier_.ecrire850("simple.lex", texte).c_str());
    }
    void ChargerPaires(const std::string& texte) {
        Detruire(paires_);
        ChargerDouble(dossier_.ecrire850("paires.lex", texte).c_str(), &paires_);
    }
    void EcrireLesHuit() const {
        const char* const contenus[] = {"gris\nanglais\n", "hébreux\n",        "blanche blanc\n",
                                        "facile\nrouge\n", "nouvel nouveau\n", "menteuse\n",
                                        "laide laid\n",    "marron\norange\n"};
        for (char lettre = 'A'; lettre <= 'H'; ++lettre) {
            dossier_.ecrire850(std::string("except_") + lettre + ".lex", contenus[lettre - 'A']);
        }
    }

    DossierTemporaire dossier_;
    ListeDouble paires_ = {nullptr, nullptr};
};

// The files are code page 850: é is the byte 0x82, stored as the Windows-1252
// byte 0xE9; a byte that is no code page 850 letter (0xE9, 0xE0) ends a word.
TEST_F(Chargement, FichierSimpleBienFormeOuVide) {
    const Mots_ trois = {"gris", "anglais", "épais"};
    // clang-format off
    const std::pair<std::string, Mots_> table[] = {
        {"gris\nanglais\n\x82pais\n", trois}, {"gris\nanglais\n\x82pais", trois},
        {"  gris anglais\t\n\n\x82pais  ", trois}, {"gris,anglais;\x82pais.", trois},
        {"", {}}, {"\n\n  \t", {}}, {"123 ' !", {}},
        {"d\xE9j\xE0 ab1cd l'ami bien-aim\x82\n", {"d", "j", "ab", "cd", "l", "ami", "bien-aimé"}},
    };
    // clang-format on
    EnregistreurRapports rapports;
    for (const auto& [octets, mots] : table) {
        Liste* liste = ChargerSimple(dossier_.ecrireOctets("simple.lex", octets).c_str());
        ASSERT_NE(liste, nullptr) << "row " << octets;
        EXPECT_EQ(Mots(liste), mots) << "row " << octets;
        Detruire(liste);
    }
    EXPECT_TRUE(rapports.rapports().empty());
}

// One pair per line or all on one line; an odd count reported only when the
// file lacks its final line end; the lone form stands as its own lemma.
TEST_F(Chargement, FichierDoubleDansLesDeuxDispositions) {
    const Mots_ formes = {"blanche", "belle"}, lemmes = {"blanc", "beau"};
    const Mots_ impairs = {"blanc", "belle"};
    const Mots_ accents = {"fraîche", "sèche"}, accentsLemmes = {"frais", "sèche"};
    const struct {
        std::string texte;
        Mots_ formes, lemmes;
        int incomplets;
    } table[] = {
        // clang-format off
        {"blanche blanc\nbelle beau\n", formes, lemmes, 0},
        {"blanche blanc\nbelle beau", formes, lemmes, 0},
        {"blanche blanc belle beau", formes, lemmes, 0},
        {"blanche\tblanc  belle beau\n", formes, lemmes, 0},
        {"blanche blanc\nbelle\n", formes, impairs, 0},
        {"blanche blanc belle\n", formes, impairs, 0},
        {"blanche blanc belle ", formes, impairs, 0},
        {"blanche blanc\nbelle", formes, impairs, 1},
        {"blanche blanc belle", formes, impairs, 1},
        {"fraîche frais\nsèche\n", accents, accentsLemmes, 0},
        {"fraîche frais\nsèche", accents, accentsLemmes, 1},
        {"", {}, {}, 0},
        {"\n \n", {}, {}, 0},
        // clang-format on
    };
    for (const auto& t : table) {
        EnregistreurRapports rapports;
        ChargerPaires(t.texte);
        ASSERT_NE(paires_.Formes, nullptr) << "row " << t.texte;
        ASSERT_NE(paires_.Lemmes, nullptr) << "row " << t.texte;
        EXPECT_EQ(Mots(paires_.Formes), t.formes) << "row " << t.texte;
        EXPECT_EQ(Mots(paires_.Lemmes), t.lemmes) << "row " << t.texte;
        EXPECT_EQ(
            rapports.compter("Nombre d'adjectifs incomplet !", "Lemmatiseur", "ChargerDouble"),
            t.incomplets)
            << "row " << t.texte;
        EXPECT_EQ(rapports.rapports().size(), static_cast<std::size_t>(t.incomplets));
    }
}

TEST_F(Chargement, FichierAbsentSignaleEtListesVides) {
    EnregistreurRapports rapports;
    const std::string absent = (dossier_.chemin() / "absent.lex").string();
    testing::internal::CaptureStdout();
    Liste* liste = ChargerSimple(absent.c_str());
    ChargerDouble(absent.c_str(), &paires_);
    const std::string ligne = "Impossible d'ouvrir le fichier " + absent + ".\n";
    EXPECT_EQ(testing::internal::GetCapturedStdout(), ligne + ligne);
    EXPECT_EQ(CompterOuvertures(rapports), 2);
    for (Liste* vide : {liste, paires_.Formes, paires_.Lemmes}) {
        ASSERT_NE(vide, nullptr);
        EXPECT_EQ(NbElements(vide), 0);
    }
    Detruire(liste);
}

// A word of 49 characters or more is reported and kept on 49; loading goes on.
TEST_F(Chargement, MotTropLongSignaleSansDebordement) {
    EnregistreurRapports rapports;
    const std::string a49(49, 'a'), b49(49, 'b');
    Liste* liste = ChargerTexte(a49 + "\n" + std::string(80, 'b') + "\nfin\n");
    EXPECT_EQ(Mots(liste), (Mots_{a49, b49, "fin"}));
    EXPECT_EQ(rapports.compter("fLireMot : Le mot lu est plus grand\n\tque le tableau réservé en "
                               "mémoire.\n",
                               "FICHIERS", "fLireMot"),
              2);
    Detruire(liste);
}

// Loaded, released (every list null again), loaded again.
TEST_F(Chargement, LesHuitLexiquesDuDossierCourant) {
    EcrireLesHuit();
    EnregistreurRapports rapports;
    DansDossier ici(dossier_.chemin());
    for (int tour = 1; tour <= 2; ++tour) {
        ChargerExceptions();
        // clang-format off
        const std::pair<Liste*, Mots_> table[] = {
            {ListeA, {"gris", "anglais"}}, {ListeB, {"hébreux"}},
            {ListeC.Formes, {"blanche"}}, {ListeC.Lemmes, {"blanc"}}, {ListeD, {"facile", "rouge"}},
            {ListeE.Formes, {"nouvel"}}, {ListeE.Lemmes, {"nouveau"}}, {ListeF, {"menteuse"}},
            {ListeG.Formes, {"laide"}}, {ListeG.Lemmes, {"laid"}}, {ListeH, {"marron", "orange"}},
        };
        // clang-format on
        for (const auto& [liste, mots] : table) {
            EXPECT_EQ(Mots(liste), mots) << "round " << tour << ", row " << mots.front();
        }
        // "hébreux", written in code page 850, is found in list B.
        EXPECT_EQ(Analyser("hébreux").lemme, "hébreu");
        LibererExceptions();
        for (Liste* liste : {ListeA, ListeB, ListeC.Formes, ListeC.Lemmes, ListeD, ListeE.Formes,
                             ListeE.Lemmes, ListeF, ListeG.Formes, ListeG.Lemmes, ListeH}) {
            EXPECT_EQ(liste, nullptr) << "round " << tour;
        }
    }
    EXPECT_TRUE(rapports.rapports().empty());
}

TEST_F(Chargement, LexiqueDAbsentLesAutresSeChargent) {
    EcrireLesHuit();
    std::filesystem::remove(dossier_.chemin() / "except_D.lex");
    EnregistreurRapports rapports;
    testing::internal::CaptureStdout();
    {
        DansDossier ici(dossier_.chemin());
        ChargerExceptions();
    }
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Impossible d'ouvrir le fichier except_D.lex.\n");
    EXPECT_EQ(CompterOuvertures(rapports), 1);
    EXPECT_EQ(rapports.rapports().size(), 1u);
    ASSERT_NE(ListeD, nullptr);
    EXPECT_EQ(NbElements(ListeD), 0);
    EXPECT_EQ(Mots(ListeH), (Mots_{"marron", "orange"}));
}

// Distinct words of four letters, word i spelling i in base 26 ("aaaa", "baaa", ...).
std::string MotNumero(int i) {
    std::string mot;
    for (int k = 0; k < 4; ++k, i /= 26) {
        mot += static_cast<char>('a' + i % 26);
    }
    return mot;
}

// A full list (65,535 entries) stops the reading after a single report and
// keeps a paired lexicon's two lists aligned.
TEST_F(Chargement, LexiquePleinArreteApresUnSeulRapport) {
    std::string lignes, paires;
    for (int i = 0; i < 2 * 70000; ++i) {
        if (i < 70000) {
            lignes += MotNumero(i) + "\n";
        }
        paires += MotNumero(i) + " ";
    }
    EnregistreurRapports rapports;
    const auto depassements = [&rapports] {
        return rapports.compter("Position de noeud hors limites.", "GESTION DES LISTES",
                                "InserePos");
    };
    Liste* liste = ChargerTexte(lignes);
    EXPECT_EQ(NbElements(liste), 65535);
    EXPECT_EQ(MotPos(liste, 65535), MotNumero(65534));
    EXPECT_EQ(depassements(), 1);
    Detruire(liste);
    ChargerPaires(paires);
    EXPECT_EQ(NbElements(paires_.Formes), 65535);
    EXPECT_EQ(NbElements(paires_.Lemmes), 65535);
    EXPECT_EQ(MotPos(paires_.Formes, 65535), MotNumero(2 * 65534));
    EXPECT_EQ(MotPos(paires_.Lemmes, 65535), MotNumero(2 * 65534 + 1));
    EXPECT_EQ(depassements(), 2);
    EXPECT_EQ(rapports.rapports().size(), 2u);
}

} // namespace
