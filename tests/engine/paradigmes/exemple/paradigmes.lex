vieux vieil - vieille - vieux - vieilles --
marron - marron marronne - marron marrons - marron marronnes --
m–r - m–re mure - m–rs murs - m–res mures --
h‚breu - - h‚breux - --
banal - banale - banals banaux - banales --
frais - fraŒche fraiche - frais - fraŒches fraiches --
