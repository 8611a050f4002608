// Loading the lexicon files: single and paired layouts, bad and missing files.
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "Explications.h"
#include "Lemmatiseur.h"
#include "OutilsTest.h"
#include "PagesDeCode.h"

namespace {

using Mots_ = std::vector<std::string>;

const char* const INCOMPLET = "Nombre d'adjectifs incomplet !";

int CompterIncomplets(const EnregistreurRapports& r) {
    return r.compter(INCOMPLET, "Lemmatiseur", "ChargerDouble");
}

int CompterOuvertures(const EnregistreurRapports& r) {
    return r.compter("Opération impossible", "GESTION DES FICHIERS", "fOuvrir");
}

class Chargement : public ::testing::Test {
  protected:
    void SetUp() override { LibererExceptions(); }
    void TearDown() override { LibererExceptions(); }

    // Loads a paired file written from `texte`, into `double_`.
    void ChargerPaires(const std::string& texte) {
        LibererDouble();
        ChargerDouble(dossier_.ecrire850("paires.lex", texte).c_str(), &double_);
    }
    void LibererDouble() {
        for (Liste** l : {&double_.Formes, &double_.Lemmes}) {
            if (*l != nullptr) {
                DetruitListeMots(*l);
                *l = nullptr;
            }
        }
    }

    DossierTemporaire dossier_;
    ListeDouble double_ = {nullptr, nullptr};

  public:
    ~Chargement() override { LibererDouble(); }
};

TEST_F(Chargement, SimpleAvecOuSansFinDeLigne) {
    EnregistreurRapports rapports;
    for (const std::string texte : {"gris\nanglais\népais\n", "gris\nanglais\népais",
                                    "  gris anglais\t\n\népais  ", "gris,anglais;épais."}) {
        Liste* liste = ChargerSimple(dossier_.ecrire850("simple.lex", texte).c_str());
        EXPECT_EQ(Mots(liste), (Mots_{"gris", "anglais", "épais"})) << texte;
        DetruitListeMots(liste);
    }
    EXPECT_TRUE(rapports.rapports().empty());
}

TEST_F(Chargement, SimpleVideSansMessage) {
    EnregistreurRapports rapports;
    for (const std::string texte : {"", "\n\n  \t", "123 ' !"}) {
        Liste* liste = ChargerSimple(dossier_.ecrire850("vide.lex", texte).c_str());
        ASSERT_NE(liste, nullptr);
        EXPECT_EQ(NbElements(liste), 0);
        DetruitListeMots(liste);
    }
    EXPECT_TRUE(rapports.rapports().empty());
}

TEST_F(Chargement, FichierAbsentSignaleEtListeVide) {
    EnregistreurRapports rapports;
    const std::string absent = (dossier_.chemin() / "absent.lex").string();
    testing::internal::CaptureStdout();
    Liste* liste = ChargerSimple(absent.c_str());
    ChargerDouble(absent.c_str(), &double_);
    const std::string sortie = testing::internal::GetCapturedStdout();
    ASSERT_NE(liste, nullptr);
    EXPECT_EQ(NbElements(liste), 0);
    ASSERT_NE(double_.Formes, nullptr);
    ASSERT_NE(double_.Lemmes, nullptr);
    EXPECT_EQ(NbElements(double_.Formes), 0);
    EXPECT_EQ(NbElements(double_.Lemmes), 0);
    EXPECT_EQ(CompterOuvertures(rapports), 2);
    EXPECT_NE(sortie.find("Impossible d'ouvrir le fichier " + absent + ".\n"), std::string::npos);
    DetruitListeMots(liste);
}

TEST_F(Chargement, PairesBienFormeesDansLesDeuxDispositions) {
    EnregistreurRapports rapports;
    for (const std::string texte : {"blanche blanc\nbelle beau\n", "blanche blanc\nbelle beau",
                                    "blanche blanc belle beau", "blanche\tblanc  belle beau\n"}) {
        ChargerPaires(texte);
        EXPECT_EQ(Mots(double_.Formes), (Mots_{"blanche", "belle"})) << texte;
        EXPECT_EQ(Mots(double_.Lemmes), (Mots_{"blanc", "beau"})) << texte;
    }
    EXPECT_TRUE(rapports.rapports().empty());
}

TEST_F(Chargement, NombreImpairAvecFinDeLigneSansMessage) {
    EnregistreurRapports rapports;
    for (const std::string texte :
         {"blanche blanc\nbelle\n", "blanche blanc belle\n", "blanche blanc belle "}) {
        ChargerPaires(texte);
        EXPECT_EQ(Mots(double_.Formes), (Mots_{"blanche", "belle"})) << texte;
        EXPECT_EQ(Mots(double_.Lemmes), (Mots_{"blanc", "belle"})) << texte;
    }
    EXPECT_EQ(CompterIncomplets(rapports), 0);
    EXPECT_TRUE(rapports.rapports().empty());
}

TEST_F(Chargement, NombreImpairSansFinDeLigneSignale) {
    for (const std::string texte : {"blanche blanc\nbelle", "blanche blanc belle"}) {
        EnregistreurRapports rapports;
        ChargerPaires(texte);
        EXPECT_EQ(Mots(double_.Formes), (Mots_{"blanche", "belle"})) << texte;
        EXPECT_EQ(Mots(double_.Lemmes), (Mots_{"blanc", "belle"})) << texte;
        EXPECT_EQ(CompterIncomplets(rapports), 1) << texte;
        EXPECT_EQ(rapports.rapports().size(), 1u);
    }
}

TEST_F(Chargement, PairesVidesSansMessage) {
    EnregistreurRapports rapports;
    ChargerPaires("");
    ASSERT_NE(double_.Formes, nullptr);
    EXPECT_EQ(NbElements(double_.Formes), 0);
    EXPECT_EQ(NbElements(double_.Lemmes), 0);
    ChargerPaires("\n \n");
    EXPECT_EQ(NbElements(double_.Formes), 0);
    EXPECT_TRUE(rapports.rapports().empty());
}

TEST_F(Chargement, MotsConvertisDuCode850VersWindows1252) {
    EnregistreurRapports rapports;
    // The file holds é as the code page 850 byte 0x82.
    const std::string chemin = dossier_.ecrire850("B.lex", "hébreux\n");
    Liste* liste = ChargerSimple(chemin.c_str());
    ASSERT_EQ(NbElements(liste), 1);
    EXPECT_EQ(std::string(MotPos(liste, 1)), "h\xE9"
                                             "breux");
    ListeB = liste;
    const Resultat r = Analyser("hébreux");
    EXPECT_EQ(r.lemme, "hébreu");
    EXPECT_EQ(r.explication, explication::N6);
    EXPECT_TRUE(rapports.rapports().empty());
}

TEST_F(Chargement, FormeAccentueeSeuleConvertieUneSeuleFois) {
    // The lone form stands as its own lemma, converted like the form.
    for (const std::string texte : {"fraîche frais\nsèche", "fraîche frais\nsèche\n"}) {
        EnregistreurRapports rapports;
        ChargerPaires(texte);
        EXPECT_EQ(Mots(double_.Formes), (Mots_{"fraîche", "sèche"})) << texte;
        EXPECT_EQ(Mots(double_.Lemmes), (Mots_{"frais", "sèche"})) << texte;
    }
}

TEST_F(Chargement, OctetNonLettreCoupeLeMot) {
    // 0xE9 is é in Windows-1252 but not a letter of code page 850.
    const std::string chemin =
        dossier_.ecrireOctets("D.lex", "d\xE9j\xE0 ab1cd l'ami bien-aim\x82\n");
    Liste* liste = ChargerSimple(chemin.c_str());
    EXPECT_EQ(Mots(liste), (Mots_{"d", "j", "ab", "cd", "l", "ami", "bien-aimé"}));
    DetruitListeMots(liste);
}

TEST_F(Chargement, MotTropLongSignaleSansDebordement) {
    EnregistreurRapports rapports;
    const std::string mot49(49, 'a');
    const std::string mot80(80, 'b');
    Liste* liste =
        ChargerSimple(dossier_.ecrire850("long.lex", mot49 + "\n" + mot80 + "\nfin\n").c_str());
    const Mots_ mots = Mots(liste);
    ASSERT_EQ(mots.size(), 3u);
    EXPECT_EQ(mots[0], mot49);
    EXPECT_LE(mots[1].size(), 49u);
    EXPECT_EQ(mots[1].find_first_not_of('b'), std::string::npos);
    EXPECT_EQ(mots[2], "fin");
    EXPECT_EQ(rapports.compter("fLireMot : Le mot lu est plus grand\n\tque le tableau réservé en "
                               "mémoire.\n",
                               "FICHIERS", "fLireMot"),
              2);
    DetruitListeMots(liste);
}

void EcrireLesHuit(const DossierTemporaire& d) {
    d.ecrire850("except_A.lex", "gris\nanglais\n");
    d.ecrire850("except_B.lex", "hébreux\n");
    d.ecrire850("except_C.lex", "blanche blanc\nbelle beau\n");
    d.ecrire850("except_D.lex", "facile\nrouge\n");
    d.ecrire850("except_E.lex", "nouvel nouveau\nbel beau\n");
    d.ecrire850("except_F.lex", "trompeuse\nmenteuse\n");
    d.ecrire850("except_G.lex", "laide laid\nfroide froid\n");
    d.ecrire850("except_H.lex", "marron\norange\n");
}

TEST_F(Chargement, LesHuitLexiquesDansLeDossierCourant) {
    EcrireLesHuit(dossier_);
    EnregistreurRapports rapports;
    {
        DansDossier ici(dossier_.chemin());
        ChargerExceptions();
    }
    EXPECT_TRUE(rapports.rapports().empty());
    EXPECT_EQ(Mots(ListeA), (Mots_{"gris", "anglais"}));
    EXPECT_EQ(Mots(ListeB), (Mots_{"hébreux"}));
    EXPECT_EQ(Mots(ListeC.Formes), (Mots_{"blanche", "belle"}));
    EXPECT_EQ(Mots(ListeC.Lemmes), (Mots_{"blanc", "beau"}));
    EXPECT_EQ(Mots(ListeD), (Mots_{"facile", "rouge"}));
    EXPECT_EQ(Mots(ListeE.Formes), (Mots_{"nouvel", "bel"}));
    EXPECT_EQ(Mots(ListeE.Lemmes), (Mots_{"nouveau", "beau"}));
    EXPECT_EQ(Mots(ListeF), (Mots_{"trompeuse", "menteuse"}));
    EXPECT_EQ(Mots(ListeG.Formes), (Mots_{"laide", "froide"}));
    EXPECT_EQ(Mots(ListeG.Lemmes), (Mots_{"laid", "froid"}));
    EXPECT_EQ(Mots(ListeH), (Mots_{"marron", "orange"}));
    EXPECT_EQ(Analyser("laide").lemme, "laid");
    EXPECT_EQ(Analyser("menteuse").lemme, "menteur");
    EXPECT_EQ(Analyser("facile").genre, GENRE_INDETERMINE);
}

TEST_F(Chargement, LexiqueDAbsentLesAutresSeChargent) {
    EcrireLesHuit(dossier_);
    std::filesystem::remove(dossier_.chemin() / "except_D.lex");
    EnregistreurRapports rapports;
    testing::internal::CaptureStdout();
    {
        DansDossier ici(dossier_.chemin());
        ChargerExceptions();
    }
    const std::string sortie = testing::internal::GetCapturedStdout();
    EXPECT_EQ(sortie, "Impossible d'ouvrir le fichier except_D.lex.\n");
    EXPECT_EQ(CompterOuvertures(rapports), 1);
    EXPECT_EQ(rapports.rapports().size(), 1u);
    ASSERT_NE(ListeD, nullptr);
    EXPECT_EQ(NbElements(ListeD), 0);
    EXPECT_EQ(Mots(ListeH), (Mots_{"marron", "orange"}));
    EXPECT_EQ(Mots(ListeG.Lemmes), (Mots_{"laid", "froid"}));
    const Resultat r = Analyser("facile");
    EXPECT_EQ(r.lemme, "facil");
    EXPECT_EQ(r.genre, GENRE_FEMININ);
}

TEST_F(Chargement, LiberationPuisRechargementRepete) {
    EcrireLesHuit(dossier_);
    DansDossier ici(dossier_.chemin());
    for (int i = 0; i < 3; ++i) {
        ChargerExceptions();
        EXPECT_EQ(Analyser("marron").genre, GENRE_INVARIABLE);
        LibererExceptions();
        EXPECT_EQ(ListeA, nullptr);
        EXPECT_EQ(ListeC.Formes, nullptr);
        EXPECT_EQ(ListeC.Lemmes, nullptr);
        EXPECT_EQ(ListeE.Lemmes, nullptr);
        EXPECT_EQ(ListeG.Formes, nullptr);
        EXPECT_EQ(ListeH, nullptr);
        EXPECT_EQ(Analyser("marron").genre, GENRE_MASCULIN);
    }
    LibererExceptions(); // harmless when already empty
}

// Distinct words of four letters: word 0 is "aaaa", word 1 "baaa", ...
std::string MotNumero(int i) {
    std::string mot;
    for (int k = 0; k < 4; ++k, i /= 26) {
        mot += static_cast<char>('a' + i % 26);
    }
    return mot;
}

std::string MotsNumerotes(int nombre, const char* separateur) {
    std::string texte;
    for (int i = 0; i < nombre; ++i) {
        texte += MotNumero(i) + separateur;
    }
    return texte;
}

int CompterDepassements(const EnregistreurRapports& r) {
    return r.compter("Position de noeud hors limites.", "GESTION DES LISTES", "InserePos");
}

TEST_F(Chargement, LexiqueTropGrandArreteApresUnSeulRapport) {
    EnregistreurRapports rapports;
    Liste* liste =
        ChargerSimple(dossier_.ecrire850("grand.lex", MotsNumerotes(70000, "\n")).c_str());
    EXPECT_EQ(NbElements(liste), 65535);
    EXPECT_EQ(MotPos(liste, 65535), MotNumero(65534));
    EXPECT_EQ(CompterDepassements(rapports), 1);
    EXPECT_EQ(rapports.rapports().size(), 1u);
    DetruitListeMots(liste);
}

TEST_F(Chargement, LexiqueDoubleTropGrandResteAligne) {
    EnregistreurRapports rapports;
    ChargerPaires(MotsNumerotes(2 * 70000, " "));
    EXPECT_EQ(NbElements(double_.Formes), 65535);
    EXPECT_EQ(NbElements(double_.Lemmes), 65535);
    EXPECT_EQ(CompterDepassements(rapports), 1);
    EXPECT_EQ(MotPos(double_.Formes, 65535), MotNumero(2 * 65534));
    EXPECT_EQ(MotPos(double_.Lemmes, 65535), MotNumero(2 * 65534 + 1));
}

} // namespace
