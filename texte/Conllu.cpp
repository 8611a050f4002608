// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Conllu.h"

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

#include "Analyseur.h"
#include "Mots.h"
#include "PagesDeCode.h"

namespace texte {

namespace {

constexpr std::size_t COLONNES = 10;
enum Colonne { ID, FORME, LEMME, UPOS, XPOS, TRAITS, TETE, RELATION, DEPS, DIVERS };
using Colonnes = std::array<std::string_view, COLONNES>;

// Splits at tabs into `colonnes`; returns the number of columns found.
std::size_t Decouper(std::string_view ligne, Colonnes& colonnes) {
    std::size_t nombre = 0;
    for (std::size_t debut = 0;; ++nombre) {
        const std::size_t tab = ligne.find('\t', debut);
        if (nombre < COLONNES) {
            colonnes[nombre] = ligne.substr(debut, tab == ligne.npos ? tab : tab - debut);
        }
        if (tab == ligne.npos) {
            return nombre + 1;
        }
        debut = tab + 1;
    }
}

bool EstEntier(std::string_view texte) {
    return !texte.empty() &&
           std::all_of(texte.begin(), texte.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The items of a FEATS or MISC column ("_" is none).
std::vector<std::string> Elements(std::string_view colonne) {
    std::vector<std::string> elements;
    while (colonne != "_" && !colonne.empty()) {
        const std::size_t barre = colonne.find('|');
        elements.emplace_back(colonne.substr(0, barre));
        colonne = barre == colonne.npos ? std::string_view() : colonne.substr(barre + 1);
    }
    return elements;
}

void Joindre(const std::vector<std::string>& elements, std::string& sortie) {
    if (elements.empty()) {
        sortie += '_';
    }
    for (std::size_t i = 0; i < elements.size(); ++i) {
        sortie += (i == 0 ? "" : "|") + elements[i];
    }
}

std::string_view Nom(std::string_view trait) {
    return trait.substr(0, trait.find('='));
}

bool AvantSansCasse(const std::string& a, const std::string& b) {
    const std::string_view x = Nom(a), y = Nom(b);
    const auto minuscule = [](char c) { return c >= 'A' && c <= 'Z' ? char(c + 32) : c; };
    return std::lexicographical_compare(
        x.begin(), x.end(), y.begin(), y.end(),
        [&](char p, char q) { return minuscule(p) < minuscule(q); });
}

// Replaces the feature `nom` by nom=valeur; nothing when no value.
void Fixer(std::vector<std::string>& traits, std::string_view nom, const char* valeur) {
    if (valeur == nullptr) {
        return;
    }
    std::erase_if(traits, [&](const std::string& t) { return Nom(t) == nom; });
    traits.push_back(std::string(nom) + "=" + valeur);
}

void EcrireTraits(std::string_view colonne, const Reponse& reponse, std::string& sortie) {
    std::vector<std::string> traits = Elements(colonne);
    Fixer(traits, "Gender",
          reponse.genre == GENRE_MASCULIN  ? "Masc"
          : reponse.genre == GENRE_FEMININ ? "Fem"
                                           : nullptr);
    Fixer(traits, "Number",
          reponse.nombre == NOMBRE_SINGULIER ? "Sing"
          : reponse.nombre == NOMBRE_PLURIEL ? "Plur"
                                             : nullptr);
    std::stable_sort(traits.begin(), traits.end(), AvantSansCasse);
    Joindre(traits, sortie);
}

// Adjora= (the explanation, when asked) and AdjoraRegles= replace any
// earlier ones, after the other items.
void EcrireDivers(std::string_view colonne, const Reponse& reponse, bool explication,
                  std::string& sortie) {
    std::vector<std::string> divers = Elements(colonne);
    std::erase_if(divers, [](const std::string& d) {
        return Nom(d) == "Adjora" || Nom(d) == "AdjoraRegles";
    });
    if (explication) {
        divers.push_back("Adjora=" + EchapperDivers(reponse.explication));
    }
    divers.push_back("AdjoraRegles=" + JoindreRegles(reponse));
    Joindre(divers, sortie);
}

// The value of the item `nom` of a FEATS or MISC column, if it has one.
std::optional<std::string> Valeur(std::string_view colonne, std::string_view nom) {
    for (const std::string& element : Elements(colonne)) {
        if (Nom(element) == nom && element.size() > nom.size() + 1) {
            return element.substr(nom.size() + 1);
        }
    }
    return std::nullopt;
}

// A numeral or pronominal type, or a foreign word: no qualifying adjective.
bool TraitsNonQualificatifs(std::string_view traits) {
    return Valeur(traits, "NumType") || Valeur(traits, "PronType") ||
           Valeur(traits, "Foreign") == "Yes";
}

// An ordinal written with Arabic or capital Roman numerals: 1er, 1re, 1ère,
// 2e, 2ème, 2nd, 2nde, XIIe, Ier, and their plurals.
bool OrdinalEnChiffres(std::string_view forme) {
    static constexpr std::array<std::string_view, 11> FINALES = {
        "e", "è", "ème", "eme", "er", "re", "ère", "d", "de", "nd", "nde"};
    std::size_t debut = forme.find_first_not_of("0123456789");
    if (debut == 0) {
        debut = forme.find_first_not_of("IVXLC");
    }
    if (debut == 0 || debut == forme.npos) {
        return false;
    }
    std::string_view finale = forme.substr(debut);
    if (finale.size() > 1 && finale.back() == 's') {
        finale.remove_suffix(1);
    }
    return std::find(FINALES.begin(), FINALES.end(), finale) != FINALES.end();
}

// The indefinite adjectives, which never qualify a noun. Those that also
// have a qualifying use (certain, nul, divers, différent, quelconque) are
// analysed: their answer is right in both uses.
bool Indefini(const std::string& mot1252) {
    static const std::array<std::string, 24> INDEFINIS = {
        "aucun",        "aucune",    "aucuns",  "aucunes",  "autre",   "autres",
        "chaque",       "maint",     "mainte",  "maints",   "maintes", "même"_cp1252,
        "mêmes"_cp1252, "plusieurs", "quelque", "quelques", "tel",     "telle",
        "tels",         "telles",    "tout",    "toute",    "tous",    "toutes"};
    return std::find(INDEFINIS.begin(), INDEFINIS.end(), mot1252) != INDEFINIS.end();
}

} // namespace

std::string EchapperDivers(std::string_view texte) {
    std::string sortie;
    sortie.reserve(texte.size() + 16);
    for (std::size_t i = 0; i < texte.size(); ++i) {
        const char c = texte[i];
        if (c == '\\') {
            sortie += "\\\\";
        } else if (c == '|') {
            sortie += "\\p";
        } else if (c == '\n') {
            sortie += "\\n";
        } else if (c == '\t') {
            sortie += "\\t";
        } else if (c == ' ' && (i + 1 == texte.size() || (i > 0 && texte[i - 1] == ' '))) {
            sortie += "\\s";
        } else {
            sortie += c;
        }
    }
    return sortie;
}

LigneConllu TraiterLigneConllu(std::string_view ligne, Analyseur& analyseur, bool explication,
                               std::string& sortie) {
    LigneConllu resultat;
    Colonnes c;
    if (ligne.empty() || ligne.front() == '#') {
        sortie += ligne;
        return resultat;
    }
    const std::size_t nombre = Decouper(ligne, c);
    if (nombre != COLONNES) {
        resultat.erreur = "ligne mal formée : " + std::to_string(nombre) + " colonne" +
                          (nombre > 1 ? "s" : "") + " au lieu de 10";
    } else if (c[UPOS] == "ADJ" && EstEntier(c[ID]) && !TraitsNonQualificatifs(c[TRAITS])) {
        // A misspelt token is analysed on the form its annotators give.
        const std::optional<std::string> correcte =
            Valeur(c[TRAITS], "Typo") == "Yes" ? Valeur(c[DIVERS], "CorrectForm") : std::nullopt;
        const std::string_view forme = correcte ? std::string_view(*correcte) : c[FORME];
        const MotPrepare prepare = PreparerMot(forme);
        if (!prepare.accepte) {
            resultat.erreur = "forme laissée telle quelle : " + prepare.erreur;
            resultat.motif = prepare.motif;
        } else if (ContientUneLettre(prepare.mot1252.c_str()) && !OrdinalEnChiffres(forme) &&
                   !Indefini(prepare.mot1252)) {
            resultat.remarque = prepare.remarque;
            resultat.analysee = true;
            const Reponse& reponse = analyseur.Analyser(prepare.mot1252);
            for (std::size_t i = 0; i < COLONNES; ++i) {
                sortie += i == 0 ? "" : "\t";
                if (i == LEMME) {
                    sortie += reponse.lemme;
                } else if (i == TRAITS) {
                    EcrireTraits(c[i], reponse, sortie);
                } else if (i == DIVERS) {
                    EcrireDivers(c[i], reponse, explication, sortie);
                } else {
                    sortie += c[i];
                }
            }
            return resultat;
        }
    }
    sortie += ligne;
    return resultat;
}

} // namespace texte
