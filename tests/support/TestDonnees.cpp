// Runners of the support library's case files: character classes, code page
// conversions, string routines.
#include <functional>
#include <map>

#include "Caracteres.h"
#include "Chaines.h"
#include "OutilsTest.h"

namespace {

const std::string kCas = ADJORA_CAS_SUPPORT;

// "41 C3 A9" -> bytes.
std::string Hex(const std::string& texte) {
    std::string octets;
    std::istringstream flux(texte);
    for (std::string h; flux >> h;) {
        octets += static_cast<char>(std::stoi(h, nullptr, 16));
    }
    return octets;
}

// UTF-8 text to code page 850, with \xNN for a raw byte.
std::string En850(const std::string& texte) {
    std::string octets;
    for (std::size_t i = 0; i < texte.size(); ++i) {
        if (texte.compare(i, 2, "\\x") == 0) {
            octets += Hex(texte.substr(i + 2, 2));
            i += 3;
        } else {
            const std::size_t fin = texte.find("\\x", i);
            for (char c : En1252(texte.substr(i, fin - i))) {
                octets += pages::Cp1252VersCp850(c);
            }
            i = fin == std::string::npos ? texte.size() : fin - 1;
        }
    }
    return octets;
}

TEST(Caracteres, CasDuFichier) {
    const std::map<std::string, int (*)(Octet)> tests = {
        {"EstVoyelle", EstVoyelle},
        {"EstConsonne", EstConsonne},
        {"EstLettre", EstLettre},
        {"EstSeparateur", EstSeparateur},
        {"EstMajusculeAscii", EstMajusculeAscii},
        {"EstMinusculeAscii", EstMinusculeAscii},
        {"EstLettreAscii", EstLettreAscii},
        {"EstChiffre", EstChiffre},
        {"EstAlphanumAscii", EstAlphanumAscii},
        {"EstParenthese", EstParenthese},
        {"EstAccolade", EstAccolade},
        {"EstCrochet", EstCrochet},
        {"EstMajusculeAccentuee", EstMajusculeAccentuee},
        {"EstMinusculeAccentuee", EstMinusculeAccentuee},
        {"EstLettreAccentuee", EstLettreAccentuee},
        {"EstAlphanumAccentue", EstAlphanumAccentue},
        {"EstMajuscule", EstMajuscule},
        {"EstMinuscule", EstMinuscule},
        {"EstAlphanum", EstAlphanum},
        {"EstImprimable", EstImprimable}};
    const std::map<std::string, Octet (*)(Octet)> conversions = {
        {"EnMajuscule", EnMajuscule},
        {"EnMinuscule", EnMinuscule},
        {"MajusculeAscii", MajusculeAscii},
        {"MinusculeAscii", MinusculeAscii},
        {"MajusculeAccentuee", MajusculeAccentuee},
        {"MinusculeAccentuee", MinusculeAccentuee}};
    for (const auto& cas : LireCas(kCas + "/classes.tsv")) {
        std::istringstream flux(cas.at(1));
        if (conversions.count(cas[0])) {
            for (std::string paire; flux >> paire;) {
                EXPECT_EQ(conversions.at(cas[0])(std::stoi(paire, nullptr, 16)),
                          std::stoi(paire.substr(paire.find('>') + 1), nullptr, 16))
                    << cas[0] << " " << paire;
            }
            continue;
        }
        bool vrai[256] = {};
        const bool complement = cas[1][0] == '!';
        for (std::string plage; flux >> plage;) {
            if (plage == "!") {
                continue;
            }
            const int debut = std::stoi(plage, nullptr, 16);
            const int fin = plage.size() > 2 ? std::stoi(plage.substr(3), nullptr, 16) : debut;
            std::fill(vrai + debut, vrai + fin + 1, true);
        }
        for (int c = 0; c < 256; ++c) {
            EXPECT_EQ(tests.at(cas[0])(static_cast<Octet>(c)), vrai[c] != complement)
                << cas[0] << " of byte " << c;
        }
    }
}

TEST(PagesDeCode, CasDuFichier) {
    for (const auto& cas : LireCas(kCas + "/pages.tsv")) {
        const std::string entree = Hex(cas.at(1));
        std::string sortie;
        if (cas[0] == "Utf8") {
            pages::AjouterUtf8(sortie, static_cast<char32_t>(std::stoul(cas[1], nullptr, 16)));
        } else if (cas[0] == "850>Utf8") {
            sortie = pages::Cp850VersUtf8(entree);
        } else if (cas[0] == "1252>Utf8") {
            sortie = pages::Cp1252VersUtf8(entree);
        } else if (cas[0] == "850>1252") {
            sortie = pages::Cp850VersCp1252(entree.at(0));
        } else if (cas[0] == "1252>850") {
            sortie = pages::Cp1252VersCp850(entree.at(0));
        } else {
            const pages::Conversion1252 c = pages::Utf8VersCp1252(entree);
            sortie = c.texte;
            EXPECT_EQ(std::to_string(c.utf8Valide) + std::to_string(c.representable),
                      cas.at(3) + cas.at(4))
                << cas[1];
        }
        EXPECT_EQ(sortie, Hex(cas.at(2))) << cas[0] << " " << cas[1];
    }
}

// The destination arrays are exactly as large as the capacity given, so
// that the sanitizer build sees any write past them.
TEST(Chaines, CasDuFichier) {
    using Args = std::vector<std::string>;
    const auto tableau = [](const std::string& texte, const std::string& capacite) {
        std::vector<char> t(std::stoul(capacite), '\0');
        std::copy(texte.begin(), texte.end(), t.begin());
        return t;
    };
    const auto n = [](const std::string& s) { return static_cast<Longueur>(std::stoul(s)); };
    const std::map<std::string, std::function<std::string(Args&)>> routines = {
        {"FinitPar", [](Args& a) { return std::to_string(FinitPar(a[0].c_str(), a[1].c_str())); }},
        {"TronquerSuffixe",
         [](Args& a) {
             TronquerSuffixe(a[0].c_str(), a[1].data());
             return std::string(a[1].c_str());
         }},
        {"RemplacerSuffixe",
         [](Args& a) {
             a[2].resize(20);
             return std::string(RemplacerSuffixe(a[0].c_str(), a[1].c_str(), a[2].data()));
         }},
        {"StrCat",
         [&](Args& a) {
             auto t = tableau(a[0], a[2]);
             return std::string(StrCat(t.data(), a[1].c_str(), n(a[2])));
         }},
        {"InitCopieChaine",
         [&](Args& a) {
             auto t = tableau(a[0], a[1]);
             return std::string(InitCopieChaine(t.data(), n(a[1]), a[2].c_str()));
         }},
        {"InitCat",
         [&](Args& a) {
             auto t = tableau(a[0], a[1]);
             return std::string(InitCat(t.data(), n(a[1]), a[2].c_str(), a[3].c_str()));
         }},
        {"EchangeChaine",
         [&](Args& a) {
             auto t1 = tableau(a[0], a[1]), t2 = tableau(a[2], a[3]);
             EchangeChaine(t1.data(), n(a[1]), t2.data(), n(a[3]));
             return std::string(t1.data()) + "|" + t2.data();
         }},
        {"EgaliteN",
         [&](Args& a) { return std::to_string(EgaliteN(a[0].c_str(), a[1].c_str(), n(a[2]))); }},
        {"PosPremiereVoyelle",
         [](Args& a) { return std::to_string(PosPremiereVoyelle(a[0].c_str())); }},
        {"PosDerniereVoyelle",
         [](Args& a) { return std::to_string(PosDerniereVoyelle(a[0].c_str())); }},
        {"ChaineEnMajuscules",
         [](Args& a) {
             ChaineEnMajuscules(a[0].data());
             return a[0];
         }},
        {"ChaineEnMinuscules", [](Args& a) {
             ChaineEnMinuscules(a[0].data());
             return a[0];
         }}};
    for (auto cas : LireCas(kCas + "/chaines.tsv")) {
        ASSERT_EQ(cas.size(), 7u) << cas[0];
        Args args;
        for (int i = 1; i <= 4; ++i) {
            args.push_back(En850(cas[i]));
        }
        std::replace(cas[6].begin(), cas[6].end(), '|', '\t');
        EnregistreurRapports rapports;
        EXPECT_EQ(routines.at(cas[0])(args), En850(cas[5]))
            << cas[0] << " " << cas[1] << " " << cas[2];
        EXPECT_EQ(rapports.texte(), cas[6].empty() ? "" : cas[6] + "\n") << cas[0] << " " << cas[2];
    }
}

} // namespace
