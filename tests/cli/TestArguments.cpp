// Command-line parsing of adjora-cli.
#include <gtest/gtest.h>

#include "Arguments.h"

namespace {

using cli::AnalyserArguments;
using cli::Options;
using Mots = std::vector<std::string>;

TEST(Arguments, MotsEtOptions) {
    const Options o =
        AnalyserArguments({"belles", "--explication", "--lexiques", "/tmp/lex", "grands"});
    EXPECT_TRUE(o.erreur.empty());
    EXPECT_TRUE(o.explication);
    ASSERT_TRUE(o.lexiques.has_value());
    EXPECT_EQ(*o.lexiques, "/tmp/lex");
    EXPECT_EQ(o.mots, (Mots{"belles", "grands"}));
    EXPECT_FALSE(o.aide);
    EXPECT_FALSE(o.version);
}

TEST(Arguments, SansArgumentLectureDeLEntree) {
    const Options o = AnalyserArguments({});
    EXPECT_TRUE(o.erreur.empty());
    EXPECT_TRUE(o.mots.empty());
    EXPECT_FALSE(o.lexiques.has_value());
    EXPECT_FALSE(o.explication);
}

TEST(Arguments, FormeAvecEgal) {
    const Options o = AnalyserArguments({"--lexiques=/srv/adjora", "x"});
    EXPECT_TRUE(o.erreur.empty());
    EXPECT_EQ(o.lexiques.value_or(""), "/srv/adjora");
}

TEST(Arguments, DossierManquantOuVide) {
    EXPECT_FALSE(AnalyserArguments({"--lexiques"}).erreur.empty());
    EXPECT_FALSE(AnalyserArguments({"--lexiques="}).erreur.empty());
    EXPECT_FALSE(AnalyserArguments({"--lexiques", ""}).erreur.empty());
}

TEST(Arguments, OptionInconnue) {
    const Options o = AnalyserArguments({"petit", "--couleur"});
    EXPECT_NE(o.erreur.find("option inconnue : --couleur"), std::string::npos);
    EXPECT_FALSE(AnalyserArguments({"-x"}).erreur.empty());
}

TEST(Arguments, DoubleTiretTermineLesOptions) {
    const Options o = AnalyserArguments({"--", "--explication", "-"});
    EXPECT_TRUE(o.erreur.empty());
    EXPECT_FALSE(o.explication);
    EXPECT_EQ(o.mots, (Mots{"--explication", "-"}));
}

TEST(Arguments, AideEtVersion) {
    EXPECT_TRUE(AnalyserArguments({"--help"}).aide);
    EXPECT_TRUE(AnalyserArguments({"--version"}).version);
    EXPECT_EQ(cli::TexteVersion(), "Adjora 1.0\n");
    const std::string aide = cli::TexteAide();
    EXPECT_NE(aide.find("Utilisation : adjora-cli"), std::string::npos);
    for (const char* option : {"--lexiques", "--explication", "--help", "--version"}) {
        EXPECT_NE(aide.find(option), std::string::npos) << option;
    }
}

} // namespace
