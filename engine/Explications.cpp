// SPDX-FileCopyrightText: 2026 Équipe Adjora
// SPDX-License-Identifier: GPL-3.0-or-later

// The explanation texts of the two stages, in Windows-1252, with their codes,
// and the bounded writes into the explanation buffer and the rule record.
#include "Explications.h"

#include <cstring>

#include "Lemmatiseur.h"
#include "PagesDeCode.h"

namespace explication {

const Message N1 = {
    "N1", "Cet adjectif est invariable en genre et en nombre.\nLes adjectifs de couleur "
          "provenant d'un nom (orange, marron) sont des exemples d'ajectifs invariables en "
          "genre et en nombre.\n"_cp1252};
const Message N2 = {
    "N2", "La finale 's' fait partie intrégrante de l'adjectif et n'est pas forcément la "
          "marque du pluriel. Le nombre reste indéterminé.\nCet adjectif n'est pas terminé "
          "par 'e' : il est au masculin.\n"_cp1252};
const Message N3 = {"N3", "Le 's' final est ici la marque du pluriel.\n"_cp1252};
const Message N4 = {
    "N4", "Le 'x' final est ici la marque du pluriel.\nUn adjectif se terminant par 'eaux' "
          "est toujours au masculin.\n"_cp1252};
const Message N5 = {
    "N5", "Le 'x' final est ici la marque du pluriel.\nUn adjectif se terminant par 'aux' "
          "est toujours masculin.\n"_cp1252};
const Message N6 = {
    "N6", "La finale 'x' est ici la marque du pluriel (liste d'exceptions B). La forme du "
          "singulier peut être retrouvée en ôtant simplement cette finale.\n"_cp1252};
const Message N7 = {
    "N7", "Une finale 'x' n'est pas toujours la marque du pluriel (Voir par exemple les "
          "adjectifs en 'eux'). Le nombre de cet adjectif ne peut être déterminé.\n"_cp1252};
const Message N8 = {"N8", "Aucune marque du pluriel (s ou x) n'a été trouvée : cet adjectif est au "
                          "singulier.\n"_cp1252};
const Message G1 = {"G1", "L'adjectif n'est pas terminé par 'e' : c'est un masculin.\n"_cp1252};
const Message G2 = {"G2", "Le nom suivant cet adjectif commence par une voyelle.\n"_cp1252};
const Message G3 = {
    "G3", "L'adjectif se termine par 'euse' : il est au féminin. Il existe deux "
          "terminaisons qui donnent 'euse' au féminin : 'eur' et 'eux'. Le lemme n'a pas "
          "été determiné grâce à une règle, on a eu recours à la liste d'exceptions F."_cp1252};
const Message G4 = {
    "G4", "Le 'e' final est ici la marque du féminin.\nMais attention, en général, les "
          "adjectifs se terminant par 'fère', 'iste' ou 'ide' ont la même forme au "
          "masculin et au féminin : le genre ne peut être déterminé. L'adjectif lemmatisé "
          "ici fait partie de la liste d'exceptions G.\n"_cp1252};
const Message G5 = {"G5",
                    "Les adjectifs se terminant par 'fère', 'iste' ou 'ide' ont la même forme au "
                    "masculin et au féminin : le genre ne peut être déterminé. (sauf exceptions, "
                    "liste G)\n"_cp1252};
const Message G6 = {
    "G6", "En général il suffit d'ôter le 'e' final (marque du féminin) pour retrouver la "
          "forme du masculin de l'adjectif en question. Mais cet adjectif est une "
          "exception (liste C).\n"_cp1252};
const Message G7 = {
    "G7", "Cet adjectif fait partie de la liste des exceptions aux règles générales de "
          "lemmatisation (liste D). Les formes du masculin et du féminin sont les mêmes et "
          "le genre de cet adjectif ne peux donc pas être determiné.\n"_cp1252};
const Message G8 = {
    "G8", "Terminaison en 'olle' : cet adjectif est au féminin. Le masculin est en 'ou'.\n"_cp1252};
const Message G9 = {
    "G9", "Sous Règle Générale : La dernière consonne de cet adjectif est géminée "
          "(redoublée) : il est au féminin. Le lemme est retrouvé en ôtant le 'e' final et "
          "la gémination.\n"_cp1252};
const Message G10 = {
    "G10", "Sous Règle Générale :  cet adjectif est terminé par 'teuse' ou 'trice' : il est "
           "au féminin. Le lemme est retrouvé en remplaçant cette terminaison par 'teur'\n"_cp1252};
const Message G11 = {
    "G11", "Sous Règle Générale :  cet adjectif est terminé par 'se' : il est au féminin. "
           "Le lemme est retrouvé en ôtant le 'e' final. (A revoir ! jalouse, grandiose, "
           "...)\n"_cp1252};
const Message G12 = {
    "G12", "Sous Règle Générale :  cet adjectif est terminé par 've' : il est au féminin. "
           "Le lemme est retrouvé en remplaçant cette terminaison par 'f'\n"_cp1252};
const Message G13 = {
    "G13", "Sous Règle Générale :  cet adjectif est terminé par 'ère' : il est au féminin. "
           "Le lemme est retrouvé en remplaçant cette terminaison par 'er'\n"_cp1252};
const Message G14 = {
    "G14", "Sous Règle Générale :  cet adjectif est terminé par 'ète' : il est au féminin. "
           "Le lemme est retrouvé en remplaçant cette terminaison par 'et'\n"_cp1252};
const Message G15 = {"G15",
                     "Règle Générale :  un adjectif terminé par 'ë', 'ue', 'ée', 'de', 'te', 'ie, "
                     "'ale', 'ole', 'ile' est au féminin. Le lemme est retrouvé en ôtant la finale "
                     "'e'\n"_cp1252};
const Message G16 = {
    "G16", "L'adjectif est terminé par 'e' mais n'entre dans aucune règle de lemmatisation. "
           "Son genre ne peut être déterminé sans recours à une analyse syntaxique, "
           "impossible ici. Il peut être masculin ou féminin.\n"_cp1252};

} // namespace explication

namespace {

// Appends `texte` to `tampon` (`taille` bytes), cut short to keep the terminator.
void Ajouter(char* tampon, std::size_t taille, const char* texte) {
    const std::size_t fin = strnlen(tampon, taille - 1);
    const std::size_t n = strnlen(texte, taille - 1 - fin);
    std::memcpy(tampon + fin, texte, n);
    tampon[fin + n] = '\0';
}

} // namespace

void EcrireExplication(const Message& message) {
    BufExplication[0] = '\0';
    BufRegles[0] = '\0';
    AjouterExplication(message);
}

void AjouterExplication(const Message& message) {
    if (BufRegles[0] != '\0') {
        Ajouter(BufRegles, TAILLE_REGLES, " ");
    }
    Ajouter(BufRegles, TAILLE_REGLES, message.code);
    Ajouter(BufExplication, TAILLE_EXPLICATION, message.texte);
}
