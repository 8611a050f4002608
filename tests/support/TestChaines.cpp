#include "ChVar.h"
#include "Chaines.h"
#include "OutilsTests.h"
#include "PagesDeCode.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

const std::string kTropCourte = "La chaîne de destination est trop courte"_cp850;

void AttendreRapport(const Enregistreur& e, const std::string& message, const char* module,
                     const char* fonction) {
    ASSERT_EQ(e.Nombre(), 1u);
    EXPECT_EQ(e.Dernier().message, message);
    EXPECT_EQ(e.Dernier().module, module);
    EXPECT_EQ(e.Dernier().fonction, fonction);
}

TEST(FinitPar, SuffixesEtMots) {
    EXPECT_EQ(FinitPar("s", "gris"), 1);
    EXPECT_EQ(FinitPar("gris", "gris"), 1);
    EXPECT_EQ(FinitPar("eaux", "eau"), 0);
    EXPECT_EQ(FinitPar("", "gris"), 1);
    EXPECT_EQ(FinitPar("", ""), 1);
    EXPECT_EQ(FinitPar("e", ""), 0);
    EXPECT_EQ(FinitPar("E", "grande"), 0);
    EXPECT_EQ(FinitPar("ande", "grande"), 1);
    EXPECT_EQ(FinitPar("xnde", "grande"), 0);
    EXPECT_EQ(FinitPar("ère"_cp1252, "fière"_cp1252), 1);
    EXPECT_EQ(FinitPar("ère"_cp850, "fière"_cp1252), 0);
}

TEST(TronquerSuffixe, CoupeLaLongueurDuSuffixe) {
    Enregistreur e;
    char mot[51];
    std::strcpy(mot, "heureuse");
    TronquerSuffixe("se", mot);
    EXPECT_STREQ(mot, "heureu");
    std::strcpy(mot, "xyz");
    TronquerSuffixe("ab", mot); // only the length counts
    EXPECT_STREQ(mot, "x");
    std::strcpy(mot, "e");
    TronquerSuffixe("e", mot);
    EXPECT_STREQ(mot, "");
    EXPECT_EQ(e.Nombre(), 0u);
}

TEST(TronquerSuffixe, SuffixeTropLongSignaleEtMotIntact) {
    Enregistreur e;
    char mot[51];
    std::strcpy(mot, "ab");
    TronquerSuffixe("xyz", mot);
    EXPECT_STREQ(mot, "ab");
    AttendreRapport(e, "Le suffixe est plus grand que le mot !", "CHAINES", "TronquerSuffixe");
}

TEST(RemplacerSuffixe, RemplaceEtRendLeMot) {
    Enregistreur e;
    char mot[51];
    std::strcpy(mot, "heureuse");
    EXPECT_EQ(RemplacerSuffixe("se", "x", mot), mot);
    EXPECT_STREQ(mot, "heureux");
    std::strcpy(mot, "normaux");
    EXPECT_STREQ(RemplacerSuffixe("aux", "al", mot), "normal");
    EXPECT_EQ(e.Nombre(), 0u);
    std::strcpy(mot, "ab");
    EXPECT_STREQ(RemplacerSuffixe("xyz", "c", mot), "abc");
    EXPECT_EQ(e.Nombre(), 1u);
}

TEST(StrCat, AjouteQuandCaTient) {
    Enregistreur e;
    char d[8] = "abc";
    StrCat(d, "defg", 8); // 3 + 4 + 1 == 8: fits exactly
    EXPECT_STREQ(d, "abcdefg");
    EXPECT_EQ(e.Nombre(), 0u);
}

TEST(StrCat, TropCourtSignaleEtDestinationIntacte) {
    Enregistreur e;
    char d[8] = "abc";
    StrCat(d, "defgh", 8);
    EXPECT_STREQ(d, "abc");
    AttendreRapport(e, kTropCourte, "CHAINES", "StrCat");
}

TEST(InitCopieChaine, CopieEtCapacite) {
    Enregistreur e;
    char d[4] = "zz";
    InitCopieChaine(d, 4, "abc");
    EXPECT_STREQ(d, "abc");
    InitCopieChaine(d, 4, "abcd");
    EXPECT_STREQ(d, "abc");
    AttendreRapport(e, kTropCourte, "CHAINES", "InitCopieChaine");
}

TEST(InitCopieChaine, SourceVideCopieeSansRienMontrer) {
    Enregistreur e;
    char d[4] = "abc";
    InitCopieChaine(d, 4, "");
    EXPECT_STREQ(d, "");
    EXPECT_EQ(e.Nombre(), 0u);
    // Capacity 0 cannot even hold the terminator.
    char x[2] = "q";
    InitCopieChaine(x, 0, "");
    EXPECT_STREQ(x, "q");
    EXPECT_EQ(e.Nombre(), 1u);
}

TEST(InitCat, ConcateneLesDeuxSources) {
    Enregistreur e;
    char d[8] = "zzzzzzz";
    InitCat(d, 8, "abc", "defg");
    EXPECT_STREQ(d, "abcdefg");
    InitCat(d, 8, "", "xy");
    EXPECT_STREQ(d, "xy");
    InitCat(d, 8, "uv", "");
    EXPECT_STREQ(d, "uv");
    InitCat(d, 8, "", "");
    EXPECT_STREQ(d, "");
    EXPECT_EQ(e.Nombre(), 0u);
}

TEST(InitCat, TropCourtSignaleEtDestinationIntacte) {
    Enregistreur e;
    char d[8] = "avant";
    InitCat(d, 8, "abcd", "efgh");
    EXPECT_STREQ(d, "avant");
    AttendreRapport(e, "InitCat - La chaîne de destination est trop courte"_cp850, "CHAINES",
                    "InitCat");
}

TEST(InitCat, SourceQuiEstLaDestination) {
    char d[16] = "abc";
    InitCat(d, 16, d, "def");
    EXPECT_STREQ(d, "abcdef");
}

TEST(EchangeChaine, EchangeQuandChaqueTableauPeutTenirLAutre) {
    Enregistreur e;
    char a[4] = "a";
    char b[4] = "abc";
    EchangeChaine(a, 4, b, 4);
    EXPECT_STREQ(a, "abc");
    EXPECT_STREQ(b, "a");
    EXPECT_EQ(e.Nombre(), 0u);
}

TEST(EchangeChaine, TableauTropCourtSignaleEtRienNeBouge) {
    Enregistreur e;
    char a[2] = "a";
    char b[4] = "abc";
    EchangeChaine(a, 2, b, 4);
    EXPECT_STREQ(a, "a");
    EXPECT_STREQ(b, "abc");
    AttendreRapport(e, "EchangeChaine - Un des tableaux de destination est trop court.", "CHAINES",
                    "EchangeChaine");
}

TEST(EgaliteN, ComparaisonDeNOctets) {
    EXPECT_EQ(EgaliteN("abcX", "abcY", 3), 1);
    EXPECT_EQ(EgaliteN("abcX", "abcY", 4), 0);
    EXPECT_EQ(EgaliteN("ab", "ab", 3), 1); // the terminator is compared too
    EXPECT_EQ(EgaliteN("a", "b", 0), 1);
    EXPECT_EQ(EgaliteN(nullptr, "b", 0), 1);
}

TEST(ChVar, CopieSurLeTas) {
    char source[] = "normal";
    char* copie = AllocChVar(source);
    ASSERT_NE(copie, nullptr);
    EXPECT_NE(copie, source);
    source[0] = 'X';
    EXPECT_STREQ(copie, "normal");
    LibererChVar(copie);
    char* vide = AllocChVar("");
    ASSERT_NE(vide, nullptr);
    EXPECT_EQ(vide[0], '\0');
    LibererChVar(vide);
    LibererChVar(nullptr);
    EXPECT_EQ(AllocChVar(nullptr), nullptr);
}

TEST(ChVar, MemoireSatureeSignaleeEtPointeurNul) {
    Enregistreur e;
    {
        AllocateurDefaillant echec(0);
        EXPECT_EQ(AllocChVar("mot"), nullptr);
    }
    AttendreRapport(e, "Mémoire saturée ! Impossible de créer une chaîne variable."_cp850, "CHVAR",
                    "AllocChVar");
    char* copie = AllocChVar("mot"); // the default heap is back
    ASSERT_NE(copie, nullptr);
    LibererChVar(copie);
}

TEST(ChVar, EgalitesOctetParOctet) {
    EXPECT_EQ(EgalesChVar("gris", "gris"), 1);
    EXPECT_EQ(EgalesChVar("gris", "grise"), 0);
    EXPECT_EQ(EgalesChVar("gris", "Gris"), 0);
    EXPECT_EQ(EgalesChVar("", ""), 1);
    EXPECT_EQ(EgalesChVar(nullptr, "gris"), 0);
    EXPECT_EQ(EgalesChVar("gris", nullptr), 0);
    EXPECT_EQ(EgalesChVar(nullptr, nullptr), 0);
}

TEST(ChVar, AffichageSansFinDeLigne) {
    testing::internal::CaptureStdout();
    AfficherChVar("gris");
    AfficherChVar(nullptr);
    AfficherChVar("%s");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "gris%s");
}

} // namespace
