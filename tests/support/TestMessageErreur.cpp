#include "AdjoraConfig.h"
#include "MessageErreur.h"
#include "OutilsTests.h"
#include "PagesDeCode.h"

#include <gtest/gtest.h>

#include <cstring>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::vector<std::string> Lignes(const std::string& texte) {
    std::vector<std::string> lignes;
    std::string ligne;
    std::istringstream flux(texte);
    while (std::getline(flux, ligne)) {
        lignes.push_back(ligne);
    }
    return lignes;
}

std::string Composer(const char* message, const char* module, const char* fonction) {
    char tampon[TAILLE_RAPPORT];
    const std::size_t n = ComposerRapport(tampon, message, module, fonction);
    EXPECT_EQ(n, std::strlen(tampon));
    return tampon;
}

const std::string kPied = std::string("Reportez toute erreur afin qu'elle soit corrigée à"_cp850);
const std::string kMainteneur =
    pages::kTexte850<ADJORA_MAINTENEUR_NOM " : " ADJORA_MAINTENEUR_EMAIL>.data();

TEST(ComposerRapport, NeufLignesSepareesParDesSautsDeLigneSeuls) {
    const std::string texte = Composer("Le message", "CHAINES", "StrCat");
    EXPECT_EQ(texte.find('\r'), std::string::npos);
    ASSERT_FALSE(texte.empty());
    EXPECT_NE(texte.back(), '\n');
    const std::vector<std::string> lignes = Lignes(texte);
    ASSERT_EQ(lignes.size(), 9u);
    EXPECT_EQ(lignes[0], "Erreur !");
    EXPECT_EQ(lignes[1], "");
    EXPECT_EQ(lignes[2], "* MESSAGE : Le message");
    EXPECT_EQ(lignes[3], "* MODULE : CHAINES");
    EXPECT_EQ(lignes[4], "* FONCTION : StrCat");
    EXPECT_EQ(lignes[5], "");
    EXPECT_EQ(lignes[6], kPied);
    EXPECT_EQ(lignes[8], "Merci !");
}

TEST(ComposerRapport, LigneDuMainteneurEnPage850) {
    const std::vector<std::string> lignes = Lignes(Composer("m", "M", "F"));
    ASSERT_EQ(lignes.size(), 9u);
    // Read back in UTF-8, line 8 is the configured name and address.
    EXPECT_EQ(pages::Cp850VersUtf8(lignes[7]),
              std::string(ADJORA_MAINTENEUR_NOM) + " : " + ADJORA_MAINTENEUR_EMAIL);
    EXPECT_EQ(pages::Cp850VersUtf8(lignes[6]),
              "Reportez toute erreur afin qu'elle soit corrigée à");
}

TEST(ComposerRapport, ModuleEtFonctionVidesLaissentLeLibelleSeul) {
    const std::vector<std::string> lignes = Lignes(Composer("x", "", ""));
    ASSERT_EQ(lignes.size(), 9u);
    EXPECT_EQ(lignes[3], "* MODULE : ");
    EXPECT_EQ(lignes[4], "* FONCTION : ");
}

TEST(ComposerRapport, TextesNulsTraitesCommeVides) {
    const std::vector<std::string> lignes = Lignes(Composer(nullptr, nullptr, nullptr));
    ASSERT_EQ(lignes.size(), 9u);
    EXPECT_EQ(lignes[2], "* MESSAGE : ");
}

TEST(ComposerRapport, PourcentsInsereTelsQuels) {
    const std::vector<std::string> lignes = Lignes(Composer("%s %d %n %%", "%s", "%x"));
    ASSERT_EQ(lignes.size(), 9u);
    EXPECT_EQ(lignes[2], "* MESSAGE : %s %d %n %%");
    EXPECT_EQ(lignes[3], "* MODULE : %s");
    EXPECT_EQ(lignes[4], "* FONCTION : %x");
}

TEST(ComposerRapport, MessageDeFLireMotSurDeuxLignesPuisLigneVide) {
    const char* message =
        "fLireMot : Le mot lu est plus grand\n\tque le tableau réservé en mémoire.\n"_cp850;
    const std::string texte = Composer(message, "FICHIERS", "fLireMot");
    const std::string attendu = std::string("Erreur !\n\n* MESSAGE : ") + message +
                                "\n* MODULE : FICHIERS\n* FONCTION : fLireMot\n\n" + kPied + "\n" +
                                kMainteneur + "\nMerci !";
    EXPECT_EQ(texte, attendu);
    const std::vector<std::string> lignes = Lignes(texte);
    ASSERT_EQ(lignes.size(), 11u);
    EXPECT_EQ(lignes[2], "* MESSAGE : fLireMot : Le mot lu est plus grand");
    EXPECT_EQ(lignes[3], std::string("\tque le tableau réservé en mémoire."_cp850));
    EXPECT_EQ(lignes[4], "");
    EXPECT_EQ(lignes[5], "* MODULE : FICHIERS");
}

// The report buffer followed by a guard zone that must stay untouched.
struct TamponGarde {
    char tampon[TAILLE_RAPPORT];
    char garde[64];
};

TEST(ComposerRapport, TextesEnormesTronquesSansDepasserLeTampon) {
    const std::string enorme(5000, 'M');
    const std::string cas[][3] = {
        {enorme, "MODULE", "fonction"},  {"message", enorme, "fonction"},
        {"message", "MODULE", enorme},   {enorme, enorme, enorme},
        {std::string(480, 'a'), "", ""},
    };
    for (const auto& textes : cas) {
        TamponGarde t;
        std::memset(&t, 'G', sizeof t);
        const std::size_t n =
            ComposerRapport(t.tampon, textes[0].c_str(), textes[1].c_str(), textes[2].c_str());
        EXPECT_LE(n, TAILLE_RAPPORT - 1);
        EXPECT_EQ(t.tampon[n], '\0');
        EXPECT_EQ(std::strlen(t.tampon), n);
        EXPECT_EQ(std::string(t.garde, sizeof t.garde), std::string(sizeof t.garde, 'G'));
        EXPECT_EQ(std::string(t.tampon).rfind("Erreur !\n\n* MESSAGE : ", 0), 0u);
    }
    // A report that does not fit is cut at the last byte of the buffer.
    TamponGarde t;
    EXPECT_EQ(ComposerRapport(t.tampon, enorme.c_str(), "M", "F"), TAILLE_RAPPORT - 1);
}

TEST(ComposerRapport, RapportDeLongueurLimiteIntact) {
    // Fill exactly up to 499 characters: nothing is lost.
    const std::size_t fixe = Composer("", "", "").size();
    const std::string message(TAILLE_RAPPORT - 1 - fixe, 'z');
    const std::string texte = Composer(message.c_str(), "", "");
    EXPECT_EQ(texte.size(), TAILLE_RAPPORT - 1);
    EXPECT_EQ(texte.substr(texte.size() - 7), "Merci !");
}

TEST(MessageErreur, PresenteLeRapportSousLaLegendeEtRendSaReponse) {
    Enregistreur enregistreur(7);
    EXPECT_EQ(MessageErreur("Un message", "MODULE", "Routine"), 7);
    ASSERT_EQ(enregistreur.Nombre(), 1u);
    EXPECT_EQ(enregistreur.Dernier().texte, Composer("Un message", "MODULE", "Routine"));
    EXPECT_EQ(enregistreur.Dernier().titre, TitreRapport());
    EXPECT_EQ(pages::Cp850VersUtf8(TitreRapport()), "Erreur à l'execution");
}

TEST(MessageErreur, ChaqueAppelPresenteUnRapport) {
    Enregistreur enregistreur;
    MessageErreur("un", "A", "f");
    MessageErreur("deux", "B", "g");
    ASSERT_EQ(enregistreur.Nombre(), 2u);
    EXPECT_EQ(enregistreur.rapports[0].message, "un");
    EXPECT_EQ(enregistreur.rapports[1].module, "B");
    EXPECT_EQ(enregistreur.rapports[1].fonction, "g");
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

TEST(MessageErreur, PresentateurParDefautEcritEnUtf8SurLErreurStandard) {
    testing::internal::CaptureStderr();
    const int reponse = PresenterSurErreurStandard("Opération"_cp850, TitreRapport());
    const std::string sortie = testing::internal::GetCapturedStderr();
    EXPECT_EQ(reponse, 1);
    EXPECT_EQ(sortie, "\nErreur à l'execution\nOpération\n\n");
}

TEST(MessageErreur, PresentateurVideRetablitLeDefaut) {
    Enregistreur enregistreur;
    const PresentateurErreur precedent = InstallerPresentateur({});
    ASSERT_TRUE(precedent);
    testing::internal::CaptureStderr();
    const int reponse =
        MessageErreur("Opération impossible"_cp850, "GESTION DES FICHIERS", "fOuvrir");
    const std::string sortie = testing::internal::GetCapturedStderr();
    EXPECT_EQ(reponse, 1);
    EXPECT_NE(sortie.find("* MESSAGE : Opération impossible\n"), std::string::npos);
    EXPECT_NE(sortie.find("corrigée à"), std::string::npos);
    EXPECT_EQ(enregistreur.Nombre(), 0u);
    InstallerPresentateur(precedent);
    MessageErreur("m", "M", "F");
    EXPECT_EQ(enregistreur.Nombre(), 1u);
}

} // namespace
