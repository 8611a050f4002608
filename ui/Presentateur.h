// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// Error reports shown as modal message boxes.
#pragma once

#include <QString>
#include <functional>

#include "MessageErreur.h"

// Shows one box: caption and text in UTF-8.
using AfficheurBoite = std::function<void(const QString& titre, const QString& texte)>;

// The real box: modal, no owner window, one OK button, no icon.
void AfficherBoiteErreur(const QString& titre, const QString& texte);

// A presenter for InstallerPresentateur: converts the code page 850 report and
// caption and hands them to `afficheur`, then answers OK (1).
PresentateurErreur PresentateurFenetre(AfficheurBoite afficheur = AfficherBoiteErreur);
