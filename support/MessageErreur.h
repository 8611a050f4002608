// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// The one error report of the system, and the warning sink.
//
// Every text handed to MessageErreur is code page 850. The report is composed
// into a 500-byte buffer and handed to the installed presenter, which shows it
// and returns when the user has acknowledged it. The default presenter writes
// the report to standard error in UTF-8; the window installs a modal box;
// tests install a recorder.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

// Size of the composed report, terminator included.
inline constexpr std::size_t TAILLE_RAPPORT = 500;

// Shows a composed report (code page 850) under a caption (code page 850) and
// returns the box's answer: the OK code (1), or 0 when nothing could be shown.
using PresentateurErreur = std::function<int(const char* rapport, const char* titre)>;

// Caption of every report box, code page 850.
const char* TitreRapport();

// Composes the nine-line report; never writes past `tampon`. Returns the length.
std::size_t ComposerRapport(char (&tampon)[TAILLE_RAPPORT], const char* message, const char* module,
                            const char* fonction);

int MessageErreur(const char* message, const char* module, const char* fonction);

// While alive, the reports composed name this file on a line of their own,
// "* FICHIER : " after the routine: its absolute path and, when given, the
// reason in brackets (code page 850). The innermost one wins.
class RapportSurFichier {
  public:
    explicit RapportSurFichier(const char* fichier, const char* raison = nullptr);
    ~RapportSurFichier();
    RapportSurFichier(const RapportSurFichier&) = delete;
    RapportSurFichier& operator=(const RapportSurFichier&) = delete;

    const std::string& Chemin() const { return chemin_; }
    const std::string& Ligne() const { return ligne_; }
    const std::string& Raison() const { return raison_; }

  private:
    std::string chemin_; // absolute path, as the system spells it
    std::string raison_; // code page 850, empty when none was given
    std::string ligne_;  // path and reason, code page 850, at most 160 bytes
    RapportSurFichier* precedent_;
};

// Receives one captured report: the file it is about (absolute path, empty
// when none) and the message with its reason, both UTF-8.
using RecepteurRapports =
    std::function<void(const std::string& fichier, const std::string& message)>;

// While alive, the reports composed on this thread, and the notices that the
// word file reader would print, go to `recepteur` instead of the presenter and
// standard output: a caller that loads lexicons for its own host (a library)
// collects them so. The innermost one wins; other threads are not affected.
class CaptureRapports {
  public:
    explicit CaptureRapports(RecepteurRapports recepteur);
    ~CaptureRapports();
    CaptureRapports(const CaptureRapports&) = delete;
    CaptureRapports& operator=(const CaptureRapports&) = delete;

    void Recevoir(const std::string& message) const;

  private:
    RecepteurRapports recepteur_;
    CaptureRapports* precedente_;
};

// Hands a notice (UTF-8) to this thread's capture; false, and nothing done,
// when none is active: the caller then prints it as usual.
bool CapturerAnnonce(const std::string& annonce);

// The absolute path of the file the current reports are about; empty when none.
std::string FichierRapporte();
void MessageAvertissement(const char* message);

// Installs a presenter and returns the previous one; an empty one restores the default.
PresentateurErreur InstallerPresentateur(PresentateurErreur presentateur);

// The default presenter: caption and report on standard error, in UTF-8.
int PresenterSurErreurStandard(const char* rapport, const char* titre);
