// Result lines of adjora-cli.
#include <cstring>
#include <gtest/gtest.h>

#include "Lemmatiseur.h"
#include "PagesDeCode.h"
#include "Sortie.h"

namespace {

TEST(Sortie, NomsDesCodes) {
    EXPECT_EQ(cli::NomGenre(GENRE_MASCULIN), "masculin");
    EXPECT_EQ(cli::NomGenre(GENRE_FEMININ), "féminin");
    EXPECT_EQ(cli::NomGenre(2), "indéterminé");
    EXPECT_EQ(cli::NomGenre(3), "invariable");
    EXPECT_EQ(cli::NomNombre(NOMBRE_SINGULIER), "singulier");
    EXPECT_EQ(cli::NomNombre(NOMBRE_PLURIEL), "pluriel");
    EXPECT_EQ(cli::NomNombre(2), "indéterminé");
    EXPECT_EQ(cli::NomNombre(3), "invariable");
    EXPECT_EQ(cli::NomGenre(4), "?");
    EXPECT_EQ(cli::NomNombre(255), "?");
}

TEST(Sortie, RetoursALaLigneEchappes) {
    EXPECT_EQ(cli::EchapperLignes("a\nb\n"), "a\\nb\\n");
    EXPECT_EQ(cli::EchapperLignes(""), "");
    EXPECT_EQ(cli::EchapperLignes("sans"), "sans");
}

Analyse Exemple() {
    Analyse analyse;
    std::strcpy(analyse.Mot, "h\xE9"
                             "breu");
    analyse.CodeGenre = GENRE_MASCULIN;
    analyse.CodeNombre = NOMBRE_PLURIEL;
    return analyse;
}

TEST(Sortie, LigneSansExplication) {
    EXPECT_EQ(cli::FormaterLigne("HÉBREUX", Exemple(), "ignor\xE9", false),
              "HÉBREUX\thébreu\tmasculin\tpluriel\n");
}

TEST(Sortie, LigneAvecExplication) {
    EXPECT_EQ(cli::FormaterLigne("hébreux", Exemple(), "Fin\xE9\nsuite\n", true),
              "hébreux\thébreu\tmasculin\tpluriel\tFiné\\nsuite\\n\n");
    EXPECT_EQ(cli::FormaterLigne("x", Exemple(), nullptr, true),
              "x\thébreu\tmasculin\tpluriel\t\n");
}

} // namespace
