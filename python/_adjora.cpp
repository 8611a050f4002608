// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// The extension module adjora._adjora: a set of lexicons opened through
// libadjora's C API, and its calls. The typed results (Analyse, Formes...)
// are the Python classes of the package, handed over once by _installer.

#include <pybind11/pybind11.h>

#include <memory>
#include <mutex>
#include <shared_mutex>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "adjora.h"

namespace py = pybind11;

namespace {

// The package's classes and helpers, kept for the life of the process (never
// released: the interpreter may be finalised before static destructors run).
struct Classes {
    PyObject* analyse = nullptr;
    PyObject* formes = nullptr;
    PyObject* explications = nullptr;
    PyObject* genres[4] = {};
    PyObject* nombres[4] = {};
    PyObject* raison = nullptr;      // raison(mot) -> why the word is refused
    PyObject* tronque = nullptr;     // warning category for a word cut at 50 characters
    PyObject* occupe = nullptr;      // exception: another folder's lexicons are open
    PyObject* introuvable = nullptr; // exception: missing data folder
    PyObject* erreur = nullptr;      // base exception of the package
};

Classes classes;
std::string messageTronque; // the MotTronque warning's text

PyObject* Garder(const py::handle& objet) {
    Py_INCREF(objet.ptr());
    return objet.ptr();
}

void Installer(const py::dict& d) {
    classes.analyse = Garder(d["Analyse"]);
    classes.formes = Garder(d["Formes"]);
    classes.explications = Garder(d["Explications"]);
    for (int code = 0; code < 4; ++code) {
        classes.genres[code] = Garder(d["Genre"](code));
        classes.nombres[code] = Garder(d["Nombre"](code));
    }
    classes.raison = Garder(d["_raison_refus"]);
    classes.tronque = Garder(d["MotTronque"]);
    messageTronque = d["_TRONQUE"].cast<std::string>();
    classes.occupe = Garder(d["LexiquesOccupes"]);
    classes.introuvable = Garder(d["DossierIntrouvable"]);
    classes.erreur = Garder(d["ErreurAdjora"]);
}

void VerifierInstalle() {
    if (classes.analyse == nullptr) {
        throw py::type_error("adjora._adjora s'utilise à travers le paquet adjora");
    }
}

[[noreturn]] void Lever(PyObject* type, const std::string& message) {
    PyErr_SetString(type, message.c_str());
    throw py::error_already_set();
}

// The exception for a refused word: ValueError naming the character at fault.
[[noreturn]] void Refuser(PyObject* mot, adjora_statut statut, const std::string& prefixe) {
    if (statut == ADJORA_PAS_UN_MOT && PyUnicode_GetLength(mot) == 0) {
        Lever(PyExc_ValueError, prefixe + "mot vide");
    }
    if (statut == ADJORA_PAS_UN_MOT) {
        Lever(PyExc_ValueError, prefixe + "pas un mot : aucune lettre à analyser");
    }
    py::object raison = py::reinterpret_steal<py::object>(PyObject_CallOneArg(classes.raison, mot));
    if (!raison) {
        throw py::error_already_set();
    }
    Lever(PyExc_ValueError, prefixe + raison.cast<std::string>());
}

[[noreturn]] void LeverStatut(adjora_statut statut) {
    const std::string message = adjora_message_statut(statut);
    switch (statut) {
    case ADJORA_ERREUR_MEMOIRE:
        throw std::bad_alloc();
    case ADJORA_ERREUR_DOSSIER:
        Lever(classes.introuvable, message);
    case ADJORA_ERREUR_OCCUPE:
        Lever(classes.occupe, message);
    default:
        Lever(classes.erreur, message);
    }
}

void AvertirTronque() {
    if (PyErr_WarnEx(classes.tronque, messageTronque.c_str(), 2) < 0) {
        throw py::error_already_set();
    }
}

// The UTF-8 text of a str, or null when it holds a lone surrogate.
const char* EnUtf8(PyObject* texte, Py_ssize_t* taille) {
    const char* utf8 = PyUnicode_AsUTF8AndSize(texte, taille);
    if (utf8 == nullptr) {
        PyErr_Clear();
    }
    return utf8;
}

// A new tuple of `taille` items, owned; of the class given when it is one of
// the package's NamedTuple classes (allocated as tuple.__new__ would).
py::object NouveauTuple(Py_ssize_t taille, PyObject* classe = nullptr) {
    PyObject* tuple = nullptr;
    if (classe == nullptr) {
        tuple = PyTuple_New(taille);
    } else {
        PyTypeObject* type = reinterpret_cast<PyTypeObject*>(classe);
        tuple = type->tp_alloc(type, taille);
    }
    if (tuple == nullptr) {
        throw py::error_already_set();
    }
    return py::reinterpret_steal<py::object>(tuple);
}

// Stores `valeur` at `i` in a tuple made by NouveauTuple.
void Placer(const py::object& tuple, Py_ssize_t i, py::object valeur) {
    PyTuple_SET_ITEM(tuple.ptr(), i, valeur.release().ptr());
}

py::object Chaine(const char* utf8) {
    PyObject* objet = PyUnicode_FromString(utf8);
    if (objet == nullptr) {
        throw py::error_already_set();
    }
    return py::reinterpret_steal<py::object>(objet);
}

// The rule codes "N3 G6" as a tuple of str; tuples are shared between results.
class Regles {
  public:
    py::object Tuple(const std::string& codes) {
        auto trouve = cache_.find(codes);
        if (trouve != cache_.end()) {
            return py::reinterpret_borrow<py::object>(trouve->second);
        }
        py::list liste;
        std::size_t debut = 0;
        while (debut < codes.size()) {
            std::size_t fin = codes.find(' ', debut);
            if (fin == std::string::npos) {
                fin = codes.size();
            }
            if (fin > debut) {
                liste.append(py::str(codes.substr(debut, fin - debut)));
            }
            debut = fin + 1;
        }
        py::object tuple = py::reinterpret_steal<py::object>(PyList_AsTuple(liste.ptr()));
        if (!tuple) {
            throw py::error_already_set();
        }
        if (cache_.size() < 4096) {
            cache_.emplace(codes, Garder(tuple));
        }
        return tuple;
    }

  private:
    std::unordered_map<std::string, PyObject*> cache_; // owned references, kept for good
};

Regles regles;

// One analysis as the batch keeps it while the GIL is released.
struct Reponse {
    adjora_statut statut = ADJORA_OK;
    std::string lemme;
    int genre = 0;
    int nombre = 0;
    std::string regles;
    std::string explication;
};

// The Analyse object: the word as given, then what the library answered.
py::object EnAnalyse(PyObject* mot, const char* lemme, int genre, int nombre,
                     const std::string& codes, const char* explication) {
    if (genre < 0 || genre > 3 || nombre < 0 || nombre > 3) {
        Lever(classes.erreur, "code de genre ou de nombre inconnu");
    }
    py::object valeurs = NouveauTuple(6, classes.analyse);
    Placer(valeurs, 0, py::reinterpret_borrow<py::object>(mot));
    Placer(valeurs, 1, Chaine(lemme));
    Placer(valeurs, 2, py::reinterpret_borrow<py::object>(classes.genres[genre]));
    Placer(valeurs, 3, py::reinterpret_borrow<py::object>(classes.nombres[nombre]));
    Placer(valeurs, 4, regles.Tuple(codes));
    if (explication == nullptr) {
        Placer(valeurs, 5, py::none());
    } else {
        Placer(valeurs, 5, Chaine(explication));
    }
    return valeurs;
}

// The forms of a cell, or their explanations, as a tuple of str.
py::object TupleDeCellule(const adjora_cellule& cellule, bool explications) {
    int nb = cellule.nb;
    if (nb < 0 || nb > ADJORA_MAX_FORMES) {
        Lever(classes.erreur, "nombre de formes incohérent");
    }
    py::object tuple = NouveauTuple(nb);
    for (int i = 0; i < nb; ++i) {
        const adjora_forme& forme = cellule.formes[i];
        if (explications) {
            Placer(tuple, i, Chaine(forme.explication));
        } else {
            Placer(tuple, i, Chaine(forme.mot));
        }
    }
    return tuple;
}

py::object EnFormes(PyObject* mot, const adjora_paradigme& p, bool avecExplications) {
    py::object valeurs = NouveauTuple(7, classes.formes);
    Placer(valeurs, 0, py::reinterpret_borrow<py::object>(mot));
    Placer(valeurs, 1, Chaine(p.lemme));
    for (int c = 0; c < 4; ++c) {
        Placer(valeurs, 2 + c, TupleDeCellule(p.cellules[c], false));
    }
    if (!avecExplications) {
        Placer(valeurs, 6, py::none());
        return valeurs;
    }
    py::object textes = NouveauTuple(4, classes.explications);
    for (int c = 0; c < 4; ++c) {
        Placer(textes, c, TupleDeCellule(p.cellules[c], true));
    }
    Placer(valeurs, 6, textes);
    return valeurs;
}

// A word given to a call: a str, else TypeError.
PyObject* Mot(const py::handle& objet, const std::string& prefixe) {
    if (!PyUnicode_Check(objet.ptr())) {
        Lever(PyExc_TypeError, prefixe + "le mot doit être une chaîne (str), pas " +
                                   std::string(Py_TYPE(objet.ptr())->tp_name));
    }
    return objet.ptr();
}

// An open set of lexicons. Calls share a reader lock; closing and reloading
// take it alone, with the GIL released while they wait.
class Lexiques {
  public:
    explicit Lexiques(const py::object& dossier) {
        VerifierInstalle();
        std::string chemin;
        const bool defaut = dossier.is_none();
        if (!defaut) {
            chemin =
                py::str(py::module_::import("os").attr("fsdecode")(dossier)).cast<std::string>();
        }
        adjora_statut statut = ADJORA_OK;
        {
            py::gil_scoped_release sans_gil;
            statut = adjora_ouvrir(defaut ? nullptr : chemin.c_str(), nullptr, nullptr, &handle_);
        }
        if (statut < 0) {
            LeverStatut(statut);
        }
    }
    ~Lexiques() { adjora_fermer(handle_); }
    Lexiques(const Lexiques&) = delete;
    Lexiques& operator=(const Lexiques&) = delete;

    py::list Rapports() const {
        std::shared_lock verrou(verrou_);
        py::list liste;
        const std::size_t nb = handle_ == nullptr ? 0 : adjora_nb_rapports(handle_);
        for (std::size_t i = 0; i < nb; ++i) {
            const char* fichier = nullptr;
            const char* message = nullptr;
            if (adjora_rapport(handle_, i, &fichier, &message) == ADJORA_OK) {
                liste.append(py::make_tuple(py::str(fichier), py::str(message)));
            }
        }
        return liste;
    }

    void Recharger() {
        adjora_statut statut = ADJORA_ERREUR_ARGUMENT;
        {
            py::gil_scoped_release sans_gil;
            std::unique_lock verrou(verrou_);
            if (handle_ != nullptr) {
                statut = adjora_recharger(handle_);
            }
        }
        if (statut == ADJORA_ERREUR_ARGUMENT) {
            Lever(classes.erreur, "les lexiques sont fermés");
        }
        if (statut < 0) {
            LeverStatut(statut);
        }
    }

    void Fermer() {
        py::gil_scoped_release sans_gil;
        std::unique_lock verrou(verrou_);
        adjora_fermer(handle_);
        handle_ = nullptr;
    }

    py::object Analyser(const py::handle& objet, bool explication) const {
        PyObject* mot = Mot(objet, "");
        Py_ssize_t taille = 0;
        const char* utf8 = EnUtf8(mot, &taille);
        if (utf8 == nullptr) {
            Refuser(mot, ADJORA_ERREUR_UTF8, "");
        }
        adjora_analyse resultat;
        adjora_statut statut = ADJORA_OK;
        {
            std::shared_lock verrou(verrou_);
            statut =
                adjora_analyser(Handle(), utf8, explication ? ADJORA_EXPLICATION : 0u, &resultat);
        }
        Verifier(mot, statut, "");
        return EnAnalyse(mot, resultat.lemme, resultat.genre, resultat.nombre, resultat.regles,
                         explication ? resultat.explication : nullptr);
    }

    py::object Flechir(const py::handle& objet, bool explications) const {
        PyObject* mot = Mot(objet, "");
        Py_ssize_t taille = 0;
        const char* utf8 = EnUtf8(mot, &taille);
        if (utf8 == nullptr) {
            Refuser(mot, ADJORA_ERREUR_UTF8, "");
        }
        std::unique_ptr<adjora_paradigme> paradigme = std::make_unique<adjora_paradigme>();
        adjora_statut statut = ADJORA_OK;
        {
            std::shared_lock verrou(verrou_);
            statut = adjora_flechir(Handle(), utf8, paradigme.get());
        }
        Verifier(mot, statut, "");
        return EnFormes(mot, *paradigme, explications);
    }

    py::list AnalyserLot(const py::handle& mots, bool explication) const {
        if (PyUnicode_Check(mots.ptr()) || PyBytes_Check(mots.ptr())) {
            Lever(PyExc_TypeError,
                  "analyser_lot attend des mots (une liste, un itérable), pas une chaîne");
        }
        std::vector<PyObject*> objets;
        py::list gardes; // keeps the words alive while the GIL is released
        for (const py::handle& element : py::iter(mots)) {
            PyObject* mot = Mot(element, "mot " + std::to_string(objets.size() + 1) + " : ");
            gardes.append(element);
            objets.push_back(mot);
        }
        std::vector<const char*> textes(objets.size(), nullptr);
        for (std::size_t i = 0; i < objets.size(); ++i) {
            Py_ssize_t taille = 0;
            textes[i] = EnUtf8(objets[i], &taille);
            if (textes[i] == nullptr) {
                Refuser(objets[i], ADJORA_ERREUR_UTF8, "mot " + std::to_string(i + 1) + " : ");
            }
        }
        std::vector<Reponse> reponses(objets.size());
        {
            py::gil_scoped_release sans_gil;
            std::shared_lock verrou(verrou_);
            Calculer(textes, explication, reponses);
        }
        py::list resultats(objets.size());
        for (std::size_t i = 0; i < objets.size(); ++i) {
            const Reponse& r = reponses[i];
            Verifier(objets[i], r.statut, "mot " + std::to_string(i + 1) + " : ");
            py::object analyse = EnAnalyse(objets[i], r.lemme.c_str(), r.genre, r.nombre, r.regles,
                                           explication ? r.explication.c_str() : nullptr);
            PyList_SET_ITEM(resultats.ptr(), i, analyse.release().ptr());
        }
        return resultats;
    }

    // One CoNLL-U line without its line break: (0, the line rewritten or
    // copied), (1, rewritten from a form cut at 50 characters), or (-1, None)
    // when the form cannot be analysed (the caller copies the line).
    py::tuple Conllu(const py::handle& objet, bool explication) const {
        PyObject* ligne = Mot(objet, "");
        Py_ssize_t taille = 0;
        const char* utf8 = EnUtf8(ligne, &taille);
        if (utf8 == nullptr) {
            return py::make_tuple(-1, py::none());
        }
        std::string sortie(static_cast<std::size_t>(taille) + 256, '\0');
        std::size_t requis = 0;
        adjora_statut statut = ADJORA_ERREUR_TAMPON;
        std::shared_lock verrou(verrou_);
        while (statut == ADJORA_ERREUR_TAMPON) {
            statut = adjora_conllu(Handle(), utf8, explication ? ADJORA_EXPLICATION : 0u,
                                   sortie.data(), sortie.size(), &requis);
            if (statut == ADJORA_ERREUR_TAMPON && requis <= sortie.size()) {
                Lever(classes.erreur, "taille requise incohérente pour la ligne CoNLL-U");
            }
            if (statut == ADJORA_ERREUR_TAMPON) {
                sortie.assign(requis, '\0');
            }
        }
        verrou.unlock();
        if (statut == ADJORA_ERREUR_UTF8 || statut == ADJORA_ERREUR_CARACTERE) {
            return py::make_tuple(-1, py::none());
        }
        if (statut < 0) {
            LeverStatut(statut);
        }
        return py::make_tuple(statut == ADJORA_MOT_TRONQUE ? 1 : 0, py::str(sortie.c_str()));
    }

  private:
    const adjora* Handle() const {
        if (handle_ == nullptr) {
            Lever(classes.erreur, "les lexiques sont fermés");
        }
        return handle_;
    }

    void Verifier(PyObject* mot, adjora_statut statut, const std::string& prefixe) const {
        if (statut == ADJORA_MOT_TRONQUE) {
            AvertirTronque();
            return;
        }
        if (statut == ADJORA_PAS_UN_MOT || statut == ADJORA_ERREUR_UTF8 ||
            statut == ADJORA_ERREUR_CARACTERE) {
            Refuser(mot, statut, prefixe);
        }
        if (statut < 0) {
            LeverStatut(statut);
        }
    }

    // The batch itself, without the GIL.
    void Calculer(const std::vector<const char*>& textes, bool explication,
                  std::vector<Reponse>& reponses) const {
        adjora_analyse resultat;
        const unsigned options = explication ? ADJORA_EXPLICATION : 0u;
        for (std::size_t i = 0; i < textes.size(); ++i) {
            Reponse& r = reponses[i];
            r.statut = handle_ == nullptr ? ADJORA_ERREUR_ARGUMENT
                                          : adjora_analyser(handle_, textes[i], options, &resultat);
            if (r.statut < 0 || r.statut == ADJORA_PAS_UN_MOT) {
                continue;
            }
            r.lemme = resultat.lemme;
            r.genre = resultat.genre;
            r.nombre = resultat.nombre;
            r.regles = resultat.regles;
            if (explication) {
                r.explication = resultat.explication;
            }
        }
    }

    adjora* handle_ = nullptr;
    mutable std::shared_mutex verrou_;
};

} // namespace

PYBIND11_MODULE(_adjora, m) {
    py::options options;
    options.disable_function_signatures();
    m.doc() = "Extension of the adjora package over libadjora (use the adjora package).";
    m.def("_installer", &Installer, py::arg("classes"),
          "_installer(classes: dict) -> None\n\nHands the package's result classes over.");
    m.def("version", &adjora_version, "version() -> str\n\nVersion of libadjora, such as \"1.0\".");
    py::class_<Lexiques>(m, "Lexiques",
                         "Lexiques(dossier: str | os.PathLike | None = None)\n\n"
                         "The lexicons of a data folder, opened through libadjora.")
        .def(py::init<const py::object&>(), py::arg("dossier") = py::none())
        .def("analyser", &Lexiques::Analyser, py::arg("mot"), py::arg("explication") = false,
             "analyser(mot: str, explication: bool = False) -> Analyse\n\n"
             "Lemma, gender and number of one form (lower-cased first; only its first 50\n"
             "characters count, with a MotTronque warning). With explication=True the French\n"
             "explanation is given too. ValueError for an empty word or a character that\n"
             "Windows-1252 cannot hold (named in the message); TypeError for a non-str.")
        .def("formes", &Lexiques::Flechir, py::arg("mot"), py::arg("explication") = false,
             "formes(mot: str, explication: bool = False) -> Formes\n\n"
             "The four forms of the adjective of any form (as adjora-cli --formes gives them):\n"
             "each cell a tuple, main form first. Errors as analyser().")
        .def("analyser_lot", &Lexiques::AnalyserLot, py::arg("mots"),
             py::arg("explication") = false,
             "analyser_lot(mots: Iterable[str], explication: bool = False) -> list[Analyse]\n\n"
             "analyser() over every word, in order, the GIL released for the whole batch\n"
             "(other Python threads run meanwhile). A refused word raises ValueError or\n"
             "TypeError naming its position (\"mot 3 : ...\"), and nothing is returned.")
        .def("_conllu_ligne", &Lexiques::Conllu, py::arg("ligne"), py::arg("explication") = false,
             "_conllu_ligne(ligne: str, explication: bool = False) -> tuple[int, str | None]")
        .def("rapports", &Lexiques::Rapports,
             "rapports() -> list[tuple[str, str]]\n\n"
             "Lexicon reports of the last load: (file, French message) pairs.")
        .def("recharger", &Lexiques::Recharger,
             "recharger() -> None\n\nReads the same folder again (reports as at opening).")
        .def("fermer", &Lexiques::Fermer,
             "fermer() -> None\n\nFrees the lexicons; later calls raise ErreurAdjora.");
}
