// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// Module CHVAR: heap copies of NUL-terminated strings.
#pragma once

#include <cstddef>
#include <cstdint>

// Heap copy of `chaine` (length + 1 bytes), or null after a reported failure.
char* AllocChVar(const char* chaine);
void LibererChVar(void* chaine);
// 1 when the two strings are equal byte for byte. Takes untyped pointers so
// that the positional list can use it as its comparison routine.
std::uint8_t EgalesChVar(const void* a, const void* b);
void AfficherChVar(const void* chaine);

// The heap behind the support library's allocations (heap strings, list
// records and nodes). Tests replace it to make allocations fail; a null
// argument restores malloc. Returns the previous allocator. Blocks are
// released with free(), so a replacement must hand out malloc'd memory.
using Allocateur = void* (*)(std::size_t taille);
Allocateur DefinirAllocateur(Allocateur allocateur);
void* Allouer(std::size_t taille);
