// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// The word reader over the files of lecteur/, the error report, heap strings.
#include <cstring>

#include "AdjoraConfig.h"
#include "Fichiers.h"
#include "OutilsTest.h"

namespace {

const std::filesystem::path kLecteur = ADJORA_CAS "/lecteur";

// Each NOM.txt is read to its end with the buffer size that starts NOM.mots;
// the rest of NOM.mots is one line per call (code, buffer, length), then the reports.
TEST(Lecteur, CasDesFichiers) {
    const char* codes[] = {"MOT_LU", "DERNIER_MOT", "FIN_FICHIER"};
    EXPECT_FALSE(std::filesystem::is_empty(kLecteur)) << "no case in " << kLecteur;
    for (const auto& f : std::filesystem::directory_iterator(kLecteur)) {
        if (f.path().extension() != ".txt") {
            continue;
        }
        const std::string attendu =
            Lire(std::filesystem::path(f.path()).replace_extension(".mots"));
        const auto taille = static_cast<std::uint16_t>(std::stoi(attendu.substr(7)));
        std::vector<char> mot(taille + 1, '\0'); // one guard byte past the buffer
        std::strncpy(mot.data(), "avant", taille);
        std::uint16_t longueur = 77;
        EnregistreurRapports rapports;
        std::FILE* fichier = fOuvrir(f.path().c_str(), "r");
        std::string lu = "taille\t" + std::to_string(taille) + "\n";
        for (std::uint8_t code = MOT_LU; code != FIN_FICHIER;) {
            code = fLireMot(fichier, mot.data(), &longueur, taille);
            lu += std::string(codes[code]) + "\t" + pages::Cp850VersUtf8(mot.data()) + "\t" +
                  std::to_string(longueur) + "\n";
        }
        fFermer(fichier);
        EXPECT_EQ(lu + rapports.texte, attendu) << f.path();
        EXPECT_EQ(mot[taille], '\0') << f.path();
    }
}

TEST(Lecteur, FichierAbsentOuDossierEtRecherche) {
    EnregistreurRapports rapports;
    testing::internal::CaptureStdout();
    EXPECT_EQ(fOuvrir("absent.lex", "r"), nullptr);
    EXPECT_EQ(fOuvrir(kLecteur.c_str(), "r"), nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStdout().substr(0, 44),
              "Impossible d'ouvrir le fichier absent.lex.\nI");
    const std::string impossible = "Opération impossible\tGESTION DES FICHIERS\tfOuvrir\t";
    EXPECT_EQ(rapports.texte, impossible + "absent.lex (fichier absent)\n" + impossible +
                                  "lecteur (dossier, pas un fichier ordinaire)\n");
    std::FILE* f = fOuvrir((kLecteur / "sans-fin-de-ligne.txt").c_str(), "r");
    EXPECT_TRUE(fChercherMot(f, "belle") && fChercherMot(f, "beau") && !fChercherMot(f, "bel"));
    EXPECT_TRUE(fFinFichier(f));
    fFermer(f);
}

TEST(Rapport, TexteCompletSousSaLegendeEtTamponJamaisDepasse) {
    std::string vu;
    const PresentateurErreur avant = InstallerPresentateur([&vu](const char* r, const char* t) {
        vu = pages::Cp850VersUtf8(std::string(t) + "|" + r);
        return 7;
    });
    EXPECT_EQ(MessageErreur("%s\n\tx", "", "f"), 7);
    InstallerPresentateur(avant);
    EXPECT_EQ(vu, "Erreur à l'execution|Erreur !\n\n* MESSAGE : %s\n\tx\n* MODULE : \n* FONCTION : "
                  "f\n\nReportez toute erreur afin qu'elle soit corrigée à\n" ADJORA_MAINTENEUR_NOM
                  " : " ADJORA_MAINTENEUR_EMAIL "\nMerci !");
    struct {
        char tampon[TAILLE_RAPPORT];
        char garde[16];
    } t;
    std::memset(&t, 'G', sizeof t);
    const std::string enorme(600, 'M');
    EXPECT_EQ(ComposerRapport(t.tampon, enorme.c_str(), enorme.c_str(), "f"), TAILLE_RAPPORT - 1);
    EXPECT_EQ(std::strlen(t.tampon), TAILLE_RAPPORT - 1);
    EXPECT_EQ(std::string(t.garde, 16), std::string(16, 'G'));
}

TEST(ChVar, CopieEtEgalite) {
    char* vide = AllocChVar("");
    EXPECT_TRUE(EgalesChVar(vide, "") && !EgalesChVar("ab", "abc") && !EgalesChVar("abc", "ab"));
    LibererChVar(vide);
}

} // namespace
