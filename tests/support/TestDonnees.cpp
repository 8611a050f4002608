// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// Runners of the support library's case files: character classes, code page
// conversions, string routines.
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
    for (const auto& cas : LireCas(ADJORA_CAS "/classes.tsv")) {
        std::istringstream flux(cas.at(1));
        bool vrai[256] = {};
        for (std::string s; flux >> s;) { // a byte, a range a-b, or a conversion a>b
            const int a = std::stoi(s, nullptr, 16),
                      b = std::stoi(s.substr(s.size() - 2), nullptr, 16);
            if (s[2] != '>') {
                std::fill(vrai + a, vrai + b + 1, true);
            }
            EXPECT_TRUE(s[2] != '>' || conversions.at(cas[0])(static_cast<Octet>(a)) == b)
                << cas[0] << " " << s;
        }
        for (int c = 0; tests.count(cas[0]) && c < 256; ++c) {
            EXPECT_EQ(tests.at(cas[0])(static_cast<Octet>(c)), vrai[c])
                << cas[0] << " of byte " << c;
        }
    }
}
#undef F

TEST(PagesDeCode, CasDuFichier) {
    for (const auto& cas : LireCas(ADJORA_CAS "/pages.tsv")) {
        const std::string entree = Hex(cas.at(1)), &conversion = cas[0];
        std::string sortie;
        if (conversion == "Utf8") {
            pages::AjouterUtf8(sortie, static_cast<char32_t>(std::stoul(cas[1], nullptr, 16)));
        } else if (conversion == "850>Utf8" || conversion == "1252>Utf8") {
            sortie =
                conversion[0] == '8' ? pages::Cp850VersUtf8(entree) : pages::Cp1252VersUtf8(entree);
        } else if (conversion.size() == 8) { // one byte, 850>1252 or 1252>850
            sortie = conversion[0] == '8' ? pages::Cp850VersCp1252(entree[0])
                                          : pages::Cp1252VersCp850(entree[0]);
        } else {
            const pages::Conversion1252 c = pages::Utf8VersCp1252(entree);
            sortie = c.texte;
            EXPECT_EQ(std::to_string(c.utf8Valide) + std::to_string(c.representable),
                      cas.at(3) + cas.at(4));
        }
        EXPECT_EQ(sortie, Hex(cas.at(2))) << conversion << " " << cas[1];
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
    } else if (routine.find("Voyelle") != std::string::npos) {
        return std::to_string(routine[3] == 'P' ? PosPremiereVoyelle(a[0].c_str())
                                                : PosDerniereVoyelle(a[0].c_str()));
    }
    (routine == "ChaineEnMajuscules" ? ChaineEnMajuscules : ChaineEnMinuscules)(a[0].data());
    return a[0];
}

TEST(Chaines, CasDuFichier) {
    for (auto cas : LireCas(ADJORA_CAS "/chaines.tsv")) {
        ASSERT_EQ(cas.size(), 7u) << cas[0];
        std::replace(cas[6].begin(), cas[6].end(), '|', '\t');
        EnregistreurRapports rapports;
        EXPECT_EQ(Appeler(cas[0], {En850(cas[1]), En850(cas[2]), En850(cas[3]), En850(cas[4])}),
                  En850(cas[5]))
            << cas[0] << " " << cas[1] << " " << cas[2];
        EXPECT_EQ(rapports.texte, cas[6].empty() ? "" : cas[6] + "\n") << cas[0] << " " << cas[2];
    }
}

} // namespace
