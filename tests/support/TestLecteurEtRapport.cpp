// The word reader over the files of lecteur/, the error report, heap strings.
#include <cstring>

#include "AdjoraConfig.h"
#include "Fichiers.h"
#include "OutilsTest.h"

namespace {

const std::filesystem::path kLecteur = ADJORA_CAS_SUPPORT "/lecteur";

// Each NOM.txt is read to its end; NOM.mots holds the buffer size, the number
// of size reports, then one line per call: code, buffer, length.
TEST(Lecteur, CasDesFichiers) {
    const char* codes[] = {"MOT_LU", "DERNIER_MOT", "FIN_FICHIER"};
    for (const auto& f : std::filesystem::directory_iterator(kLecteur)) {
        if (f.path().extension() != ".txt") {
            continue;
        }
        const auto attendu = LireCas(std::filesystem::path(f.path()).replace_extension(".mots"));
        const auto taille = static_cast<std::uint16_t>(std::stoi(attendu[0].at(1)));
        std::vector<char> mot(taille + 1, '\0'); // one guard byte past the buffer
        std::strcpy(mot.data(), std::string("avant").substr(0, taille).c_str());
        std::uint16_t longueur = 77;
        EnregistreurRapports rapports;
        std::FILE* fichier = fOuvrir(f.path().c_str(), "r");
        std::string lu;
        for (std::uint8_t code = MOT_LU; code != FIN_FICHIER;) {
            code = fLireMot(fichier, mot.data(), &longueur, taille);
            lu += std::string(codes[code]) + "\t" + pages::Cp850VersUtf8(mot.data()) + "\t" +
                  std::to_string(longueur) + "\n";
        }
        fFermer(fichier);
        std::string texte;
        for (std::size_t i = 1; i < attendu.size(); ++i) {
            texte += attendu[i][0] + "\t" + attendu[i].at(1) + "\t" + attendu[i].at(2) + "\n";
        }
        EXPECT_EQ(lu, texte) << f.path();
        EXPECT_EQ(rapports.compter(
                      "fLireMot : Le mot lu est plus grand\n\tque le tableau réservé en mémoire.\n",
                      "FICHIERS", "fLireMot"),
                  std::stoi(attendu[0].at(3)))
            << f.path();
        EXPECT_EQ(rapports.rapports().size(), std::stoul(attendu[0][3])) << f.path();
        EXPECT_EQ(mot[taille], '\0') << f.path();
    }
}

TEST(Lecteur, FichierAbsentOuDossierSignale) {
    EnregistreurRapports rapports;
    testing::internal::CaptureStdout();
    EXPECT_EQ(fOuvrir("absent.lex", "r"), nullptr);
    EXPECT_EQ(fOuvrir(kLecteur.c_str(), "r"), nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStdout().substr(0, 44),
              "Impossible d'ouvrir le fichier absent.lex.\nI");
    EXPECT_EQ(rapports.compter("Opération impossible", "GESTION DES FICHIERS", "fOuvrir"), 2);
    EXPECT_EQ(fFermer(nullptr), EOF);
}

TEST(Lecteur, ChercherMotJusquAuDernierSansFinDeLigne) {
    std::FILE* f = fOuvrir((kLecteur / "sans-fin-de-ligne.txt").c_str(), "r");
    EXPECT_TRUE(fChercherMot(f, "belle"));
    EXPECT_TRUE(fChercherMot(f, "beau"));
    EXPECT_FALSE(fChercherMot(f, "bel"));
    EXPECT_TRUE(fFinFichier(f));
    fFermer(f);
}

TEST(Rapport, TexteCompletEtTamponJamaisDepasse) {
    char tampon[TAILLE_RAPPORT];
    ComposerRapport(tampon, "%s\n\tx", "", "f");
    EXPECT_EQ(pages::Cp850VersUtf8(tampon),
              "Erreur !\n\n* MESSAGE : %s\n\tx\n* MODULE : \n* FONCTION : f\n\nReportez toute "
              "erreur afin qu'elle soit corrigée à\n" ADJORA_MAINTENEUR_NOM
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

TEST(Rapport, PresenteSousSaLegendeEtRendLaReponse) {
    std::string titre;
    const PresentateurErreur precedent =
        InstallerPresentateur([&titre](const char*, const char* t) {
            titre = pages::Cp850VersUtf8(t);
            return 7;
        });
    EXPECT_EQ(MessageErreur("m", "M", "f"), 7);
    InstallerPresentateur(precedent);
    EXPECT_EQ(titre, "Erreur à l'execution");
}

TEST(ChVar, CopieExacteOuNulleApresRapport) {
    char* vide = AllocChVar("");
    EXPECT_STREQ(vide, "");
    EXPECT_TRUE(EgalesChVar(vide, "") && !EgalesChVar("ab", "abc") && !EgalesChVar("abc", "ab"));
    LibererChVar(vide);
    EnregistreurRapports rapports;
    AllocateurDefaillant echec(0);
    EXPECT_EQ(AllocChVar("mot"), nullptr);
    EXPECT_EQ(rapports.texte(),
              "Mémoire saturée ! Impossible de créer une chaîne variable.\tCHVAR\tAllocChVar\n");
}

} // namespace
