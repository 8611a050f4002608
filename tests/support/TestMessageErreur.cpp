// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "AdjoraConfig.h"
#include "MessageErreur.h"
#include "OutilsTests.h"
#include "PagesDeCode.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

std::string Composer(const char* message, const char* module, const char* fonction) {
    char tampon[TAILLE_RAPPORT];
    const std::size_t n = ComposerRapport(tampon, message, module, fonction);
    EXPECT_EQ(n, std::strlen(tampon));
    return tampon;
}

// The whole report around its three field lines, in UTF-8.
std::string Rapport(const std::string& champs) {
    return "Erreur !\n\n" + champs +
           "\n\nReportez toute erreur afin qu'elle soit corrigée à\n" ADJORA_MAINTENEUR_NOM
           " : " ADJORA_MAINTENEUR_EMAIL "\nMerci !";
}

TEST(ComposerRapport, TexteExactLigneParLigne) {
    const struct {
        const char* message;
        const char* module;
        const char* fonction;
        std::string champs;
    } cas[] = {
        {"Le message", "CHAINES", "StrCat",
         "* MESSAGE : Le message\n* MODULE : CHAINES\n* FONCTION : StrCat"},
        // Empty names leave the labels alone on their lines.
        {"x", "", "", "* MESSAGE : x\n* MODULE : \n* FONCTION : "},
        {nullptr, nullptr, nullptr, "* MESSAGE : \n* MODULE : \n* FONCTION : "},
        // Texts are inserted as they are, never read as a template.
        {"%s %d %n %%", "%s", "%x", "* MESSAGE : %s %d %n %%\n* MODULE : %s\n* FONCTION : %x"},
        // Two lines, the second starting with a tab, then an empty line.
        {"fLireMot : Le mot lu est plus grand\n\tque le tableau réservé en mémoire.\n"_cp850,
         "FICHIERS", "fLireMot",
         "* MESSAGE : fLireMot : Le mot lu est plus grand\n\tque le tableau réservé en "
         "mémoire.\n\n* MODULE : FICHIERS\n* FONCTION : fLireMot"},
    };
    for (std::size_t i = 0; i < std::size(cas); ++i) {
        EXPECT_EQ(pages::Cp850VersUtf8(Composer(cas[i].message, cas[i].module, cas[i].fonction)),
                  Rapport(cas[i].champs))
            << "row " << i;
    }
}

// The report buffer followed by a guard zone that must stay untouched.
struct TamponGarde {
    char tampon[TAILLE_RAPPORT];
    char garde[64];
};

TEST(ComposerRapport, TextesEnormesTronquesSansDepasserLeTampon) {
    const std::string enorme(5000, 'M');
    const std::string cas[][3] = {
        {enorme, "MODULE", "fonction"},
        {"message", enorme, "fonction"},
        {"message", "MODULE", enorme},
        {enorme, enorme, enorme},
    };
    for (const auto& textes : cas) {
        TamponGarde t;
        std::memset(&t, 'G', sizeof t);
        const std::size_t n =
            ComposerRapport(t.tampon, textes[0].c_str(), textes[1].c_str(), textes[2].c_str());
        EXPECT_EQ(n, TAILLE_RAPPORT - 1);
        EXPECT_EQ(std::strlen(t.tampon), n);
        EXPECT_EQ(std::string(t.garde, sizeof t.garde), std::string(sizeof t.garde, 'G'));
        EXPECT_EQ(std::string(t.tampon).rfind("Erreur !\n\n* MESSAGE : ", 0), 0u);
    }
    // A report of exactly 499 characters loses nothing.
    const std::string message(TAILLE_RAPPORT - 1 - Composer("", "", "").size(), 'z');
    const std::string texte = Composer(message.c_str(), "", "");
    EXPECT_EQ(texte.size(), TAILLE_RAPPORT - 1);
    EXPECT_EQ(texte.substr(texte.size() - 7), "Merci !");
}

TEST(MessageErreur, ChaqueAppelPresenteSonRapportEtRendLaReponse) {
    Enregistreur enregistreur(7);
    EXPECT_EQ(MessageErreur("un", "A", "f"), 7);
    MessageErreur("deux", "B", "g");
    ASSERT_EQ(enregistreur.Nombre(), 2u);
    EXPECT_EQ(enregistreur.rapports[0].texte, Composer("un", "A", "f"));
    EXPECT_EQ(enregistreur.rapports[1].texte, Composer("deux", "B", "g"));
    EXPECT_EQ(pages::Cp850VersUtf8(enregistreur.Dernier().titre), "Erreur à l'execution");
}

TEST(MessageErreur, AvertissementNeMontreRien) {
    Enregistreur enregistreur;
    testing::internal::CaptureStderr();
    testing::internal::CaptureStdout();
    MessageAvertissement("InitCat - Les chaînes sources sont vides toutes les deux"_cp850);
    MessageAvertissement(nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(enregistreur.Nombre(), 0u);
}

TEST(MessageErreur, PresentateurVideRetablitLaSortieUtf8SurLErreurStandard) {
    Enregistreur enregistreur;
    const PresentateurErreur precedent = InstallerPresentateur({});
    testing::internal::CaptureStderr();
    EXPECT_EQ(MessageErreur("Opération impossible"_cp850, "GESTION DES FICHIERS", "fOuvrir"), 1);
    const std::string sortie = testing::internal::GetCapturedStderr();
    EXPECT_EQ(sortie, "\nErreur à l'execution\n" +
                          Rapport("* MESSAGE : Opération impossible\n* MODULE : GESTION DES "
                                  "FICHIERS\n* FONCTION : fOuvrir") +
                          "\n\n");
    EXPECT_EQ(enregistreur.Nombre(), 0u);
    InstallerPresentateur(precedent);
    MessageErreur("m", "M", "F");
    EXPECT_EQ(enregistreur.Nombre(), 1u);
}

} // namespace
