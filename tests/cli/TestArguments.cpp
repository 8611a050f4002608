// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// Command-line parsing of adjora-cli (the common forms run end to end in TestBinaire).
#include <gtest/gtest.h>

#include "Arguments.h"

namespace {

using Mots = std::vector<std::string>;

TEST(Arguments, FormesParticulieresEtErreurs) {
    const std::string sansDossier = "l'option --lexiques attend un dossier";
    const struct {
        Mots arguments;
        std::optional<std::string> lexiques;
        bool explication, aide;
        Mots mots;
        std::string erreur;
    } table[] = {
        // clang-format off
        {{}, {}, false, false, {}, ""},
        {{"belles", "--explication", "--lexiques", "/tmp/lex", "grands"}, "/tmp/lex", true, false,
         {"belles", "grands"}, ""},
        {{"--lexiques=/srv/adjora", "x"}, "/srv/adjora", false, false, {"x"}, ""},
        {{"-", "--", "--explication"}, {}, false, false, {"-", "--explication"}, ""},
        {{"-h"}, {}, false, true, {}, ""},
        {{"--lexiques"}, {}, false, false, {}, sansDossier},
        {{"--lexiques="}, "", false, false, {}, sansDossier},
        {{"--lexiques", ""}, "", false, false, {}, sansDossier},
        {{"petit", "--couleur", "--help"}, {}, false, false, {"petit"}, "option inconnue : --couleur"},
        // clang-format on
    };
    for (const auto& t : table) {
        const std::string ligne = "row " + ::testing::PrintToString(t.arguments);
        const cli::Options o = cli::AnalyserArguments(t.arguments);
        EXPECT_EQ(o.erreur, t.erreur) << ligne;
        EXPECT_EQ(o.lexiques, t.lexiques) << ligne;
        EXPECT_EQ(o.explication, t.explication) << ligne;
        EXPECT_EQ(o.aide, t.aide) << ligne;
        EXPECT_EQ(o.mots, t.mots) << ligne;
    }
}

} // namespace
