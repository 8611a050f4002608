beau bel - belle - beaux - belles --
- folle - fous - folles --
vieux vieil - vieille - vieux --
mou mol - molle - mous - molles - mols --
sec - säche a b c d - secs - säches --
beau - beaux - beaux - beaux --
anticonstitutionnellementissimeextraordinairement - x - y - z --
gros - grosse - gros - grosses