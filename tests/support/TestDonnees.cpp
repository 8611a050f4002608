// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// Runners of the support library's case files: character classes, code page
// conversions, string routines.
#include <set>

#include "Caracteres.h"
#include "Chaines.h"
#include "OutilsTest.h"

namespace {

// "41 C3 A9" -> bytes.
std::string Hex(const std::string& texte) {
    std::string octets;
    std::istringstream flux(texte);
    for (std::string h; flux >> h;) {
        octets += static_cast<char>(std::stoi(h, nullptr, 16));
    }
    return octets;
}

// A byte of code page 850 written as its character (UTF-8) or as two hex digits.
int Octet850(const std::string& texte) {
    const std::string octet = En850(texte);
    if (octet.size() == 1) {
        return static_cast<unsigned char>(octet[0]);
    }
    EXPECT_EQ(texte.size(), 2u) << "not a byte: " << texte;
    return std::stoi(texte, nullptr, 16);
}

// clang-format off
#define F(f) {#f, f}
TEST(Caracteres, CasDuFichier) {
    const std::map<std::string, int (*)(Octet)> tests = {
        F(EstVoyelle), F(EstConsonne), F(EstLettre), F(EstSeparateur), F(EstMajusculeAscii),
        F(EstMinusculeAscii), F(EstLettreAscii), F(EstChiffre), F(EstAlphanumAscii), F(EstParenthese),
        F(EstAccolade), F(EstCrochet), F(EstMajusculeAccentuee), F(EstMinusculeAccentuee),
        F(EstLettreAccentuee), F(EstAlphanumAccentue), F(EstMajuscule), F(EstMinuscule),
        F(EstAlphanum), F(EstImprimable)};
    const std::map<std::string, Octet (*)(Octet)> conversions = {
        F(EnMajuscule), F(EnMinuscule), F(MajusculeAscii), F(MinusculeAscii),
        F(MajusculeAccentuee), F(MinusculeAccentuee)};
    // clang-format on
    std::set<std::string> vues; // every routine has its row
    for (const auto& cas : LireCas(ADJORA_CAS "/classes.tsv", 2)) {
        vues.insert(cas[0]);
        const bool test = tests.count(cas[0]) > 0;
        EXPECT_TRUE(test || conversions.count(cas[0]) > 0) << "unknown routine " << cas[0];
        std::istringstream flux(cas[1]);
        bool vrai[256] = {};
        bool sauf = false; // "!": true for every byte but those listed
        for (std::string s; flux >> s;) {
            const std::size_t fleche = s.find('>');
            const std::size_t tiret = s.find('-', 1);
            if (s == "!") {
                sauf = true;
            } else if (fleche != std::string::npos) {
                EXPECT_EQ(conversions.at(cas[0])(static_cast<Octet>(Octet850(s.substr(0, fleche)))),
                          Octet850(s.substr(fleche + 1)))
                    << cas[0] << " " << s;
            } else if (tiret != std::string::npos) {
                std::fill(vrai + Octet850(s.substr(0, tiret)),
                          vrai + Octet850(s.substr(tiret + 1)) + 1, true);
            } else {
                vrai[Octet850(s)] = true;
            }
        }
        for (int c = 0; test && c < 256; ++c) {
            EXPECT_EQ(tests.at(cas[0])(static_cast<Octet>(c)), vrai[c] != sauf)
                << cas[0] << " of byte " << c;
        }
    }
    EXPECT_EQ(vues.size(), tests.size() + conversions.size()) << "a routine without its row";
}
#undef F

TEST(PagesDeCode, CasDuFichier) {
    for (const auto& cas : LireCas(ADJORA_CAS "/pages.tsv", 5)) {
        const std::string& conversion = cas[0];
        const std::string entree = Hex(cas[1]);
        std::string sortie;
        std::string drapeaux; // of Utf8>1252: valid UTF-8, representable
        if (conversion == "Utf8") {
            pages::AjouterUtf8(sortie, static_cast<char32_t>(std::stoul(cas[1], nullptr, 16)));
        } else if (conversion == "850>Utf8") {
            sortie = pages::Cp850VersUtf8(entree);
        } else if (conversion == "1252>Utf8") {
            sortie = pages::Cp1252VersUtf8(entree);
        } else if (conversion == "850>1252") {
            sortie = pages::Cp850VersCp1252(entree[0]);
        } else if (conversion == "1252>850") {
            sortie = pages::Cp1252VersCp850(entree[0]);
        } else if (conversion == "Utf8>850") {
            sortie = pages::Utf8VersCp850(entree);
        } else if (conversion == "Utf8>1252") {
            const pages::Conversion1252 c = pages::Utf8VersCp1252(entree);
            sortie = c.texte;
            drapeaux = std::to_string(c.utf8Valide) + std::to_string(c.representable);
        } else {
            ADD_FAILURE() << "unknown conversion " << conversion;
        }
        EXPECT_EQ(sortie + "|" + drapeaux, Hex(cas[2]) + "|" + cas[3] + cas[4])
            << conversion << " " << cas[1];
    }
}

// A destination array is exactly as large as its capacity, so that the
// sanitizer build sees any write past it, and filled with "#" past its string.
std::string Appeler(const std::string& routine, std::vector<std::string> a) {
    const auto n = [&a](int i) { return static_cast<Longueur>(std::stoul(a[i])); };
    const bool echange = routine == "EchangeChaine";
    std::vector<char> t(routine.find("Init") == 0 || routine == "StrCat" || echange ? n(1) : 64,
                        '#');
    std::vector<char> t2(echange ? n(3) : 1, '#');
    const std::string& dedans = routine == "RemplacerSuffixe" ? a[2] : a[0];
    std::copy(dedans.c_str(), dedans.c_str() + dedans.size() + 1, t.begin());
    std::copy(a[2].c_str(), a[2].c_str() + (echange ? a[2].size() + 1 : 0), t2.begin());
    if (routine == "FinitPar") {
        return std::to_string(FinitPar(a[0].c_str(), a[1].c_str()));
    } else if (routine == "TronquerSuffixe") {
        TronquerSuffixe(a[0].c_str(), a[1].data());
        return a[1].c_str();
    } else if (routine == "RemplacerSuffixe") {
        return RemplacerSuffixe(a[0].c_str(), a[1].c_str(), t.data());
    } else if (routine == "StrCat") {
        return StrCat(t.data(), a[2].c_str(), n(1));
    } else if (routine == "InitCopieChaine") {
        return InitCopieChaine(t.data(), n(1), a[2].c_str());
    } else if (routine == "InitCat") {
        return InitCat(t.data(), n(1), a[2].c_str(), a[3].c_str());
    } else if (routine == "EchangeChaine") {
        EchangeChaine(t.data(), n(1), t2.data(), n(3));
        return std::string(t.data()) + "|" + t2.data();
    } else if (routine == "EgaliteN") {
        return std::to_string(EgaliteN(a[0].c_str(), a[1].c_str(), n(2)));
    } else if (routine == "PosPremiereVoyelle") {
        return std::to_string(PosPremiereVoyelle(a[0].c_str()));
    } else if (routine == "PosDerniereVoyelle") {
        return std::to_string(PosDerniereVoyelle(a[0].c_str()));
    } else if (routine == "ChaineEnMajuscules") {
        ChaineEnMajuscules(a[0].data());
    } else if (routine == "ChaineEnMinuscules") {
        ChaineEnMinuscules(a[0].data());
    } else {
        ADD_FAILURE() << "unknown routine " << routine;
    }
    return a[0];
}

TEST(Chaines, CasDuFichier) {
    for (auto cas : LireCas(ADJORA_CAS "/chaines.tsv", 7)) {
        std::replace(cas[6].begin(), cas[6].end(), '|', '\t');
        EnregistreurRapports rapports;
        EXPECT_EQ(Appeler(cas[0], {En850(cas[1]), En850(cas[2]), En850(cas[3]), En850(cas[4])}),
                  En850(cas[5]))
            << cas[0] << " " << cas[1] << " " << cas[2];
        EXPECT_EQ(rapports.texte, cas[6].empty() ? "" : cas[6] + "\n") << cas[0] << " " << cas[2];
    }
}

} // namespace
