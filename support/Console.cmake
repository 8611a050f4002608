# SPDX-FileCopyrightText: 2026 Équipe Adjora
# SPDX-License-Identifier: GPL-3.0-or-later

#Console prompts, their terminal layer and fCreer(module FICHIERS).
target_sources(adjora_support PRIVATE "${CMAKE_CURRENT_LIST_DIR}/Console.cpp"
                                      "${CMAKE_CURRENT_LIST_DIR}/Terminal.cpp"
                                      "${CMAKE_CURRENT_LIST_DIR}/CreationFichier.cpp")
