// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// Qt's own texts (standard dialogs and buttons) in French.
#pragma once

// Loads Qt's French translations shipped with the system (qtbase_fr.qm, in
// Qt's translations folder) into the running application, whatever the
// system's language. Returns whether they were found.
bool InstallerTraductionsQt();
