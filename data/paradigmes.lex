abricot - abricot - abricot - abricot --
absous - - absous - --
acajou - acajou - acajou - acajou --
accro - accro - accros - accros --
addict - addict - addicts - addicts --
a‚ronaval - a‚ronavale - a‚ronavals - a‚ronavales --
afrikaander - afrikaander - afrikaanders - afrikaanders --
afrikaans - afrikaans - afrikaans - afrikaans --
afrikander - afrikander - afrikanders - afrikanders --
afrikaner - afrikaner - afrikaners - afrikaners --
afrikans - afrikans - afrikans - afrikans --
afro - afro - afro - afro --
aigre-doux - aigre-douce - aigres-doux - aigres-douces --
aigu - aigu‰ aige - aigus - aigu‰s aiges --
a‹nou - a‹nou - a‹nous - a‹nous --
akan - akan - akans - akans --
albinos - albinos - albinos - albinos --
alcoolo - alcoolo - alcoolos - alcoolos --
al‚nois - al‚noise - - al‚noises --
aliquante - aliquante - - aliquantes --
alter - - alter - --
amarante - amarante - amarante - amarante --
amateur - amateur - amateurs - amateurs --
ambassadeur - ambassadrice - ambassadeurs - ambassadrices --
ambigu - ambigu‰ ambige - ambigus - ambigu‰s ambiges --
ambre - ambre - ambre - ambre --
amish - amish - amish amishs - amish amishs --
anar - anar - anars - anars --
andalou - andalouse - andalous - andalouses --
angora - angora - angoras - angoras --
ant‚natal - ant‚natale - ant‚natals - ant‚natales --
anthracite - anthracite - anthracite - anthracite --
anti-ƒge - anti-ƒge - anti-ƒge - anti-ƒge --
anti-apartheid - anti-apartheid - anti-apartheid - anti-apartheid --
anti-avortement - anti-avortement - anti-avortement - anti-avortement --
anti-bascule - anti-bascule - anti-bascule - anti-bascule --
anti-corruption - anti-corruption - anti-corruption - anti-corruption --
anti-criminalit‚ - anti-criminalit‚ - anti-criminalit‚ - anti-criminalit‚ --
anti-g - anti-g - anti-g - anti-g --
anti-guerre - anti-guerre - anti-guerre - anti-guerre --
anti-incendie - anti-incendie - anti-incendie - anti-incendie --
anti-radiations - anti-radiations - anti-radiations - anti-radiations --
anti-roulis - anti-roulis - anti-roulis - anti-roulis --
anti-systŠme - anti-systŠme - anti-systŠme - anti-systŠme --
anti-tabac - anti-tabac - anti-tabac - anti-tabac --
antiapartheid - antiapartheid - antiapartheid - antiapartheid --
antiavortement - antiavortement - antiavortements - antiavortements --
antiblocage - antiblocage - antiblocage antiblocages - antiblocage antiblocages --
antibrouillard - antibrouillard - antibrouillard antibrouillards - antibrouillard antibrouillards --
antibruit - antibruit - antibruit antibruits - antibruit antibruits --
antibu‚e - antibu‚e - antibu‚e antibu‚es - antibu‚e antibu‚es --
anticalcaire - anticalcaire - anticalcaire anticalcaires - anticalcaire anticalcaires --
anticancer - anticancer - anticancers - anticancers --
anticellulite - anticellulite - anticellulite anticellulites - anticellulite anticellulites --
antichar - antichar - antichars - antichars --
antichoc - antichoc - antichocs - antichocs --
anticholest‚rol - anticholest‚rol - anticholest‚rol - anticholest‚rol --
antich“mage - antich“mage - antich“mage - antich“mage --
anticollision - anticollision - anticollisions - anticollisions --
anticopie - anticopie - anticopie anticopies - anticopie anticopies --
anticorrosion - anticorrosion - anticorrosion - anticorrosion --
anticorruption - anticorruption - anticorruptions - anticorruptions --
anticriminalit‚ - anticriminalit‚ - anticriminalit‚ - anticriminalit‚ --
antid‚marrage - antid‚marrage - antid‚marrage antid‚marrages - antid‚marrage antid‚marrages --
antid‚presseur - antid‚presseur - antid‚presseurs - antid‚presseurs --
antidopage - antidopage - antidopage antidopages - antidopage antidopages --
antidoping - antidoping - antidoping - antidoping --
antidouleur - antidouleur - antidouleur antidouleurs - antidouleur antidouleurs --
antidrogue - antidrogue - antidrogue antidrogues - antidrogue antidrogues --
antidumping - antidumping - antidumping - antidumping --
antieffraction - antieffraction - antieffraction - antieffraction --
anti‚meute - anti‚meute - anti‚meute anti‚meutes - anti‚meute anti‚meutes --
antifa - antifa - antifas - antifas --
antifriction - antifriction - antifrictions - antifrictions --
antigang - antigang - antigang - antigang --
antigivre - antigivre - antigivre antigivres - antigivre antigivres --
antiglisse - antiglisse - antiglisse antiglisses - antiglisse antiglisses --
antigrippe - antigrippe - antigrippe - antigrippe --
antihalo - antihalo - antihalo antihalos - antihalo antihalos --
antihausse - antihausse - antihausse antihausses - antihausse antihausses --
antimigrants - antimigrants - antimigrants - antimigrants --
antipanique - antipanique - antipanique - antipanique --
antipatinage - antipatinage - antipatinage - antipatinage --
antipersonnel - antipersonnel antipersonnelle - antipersonnel antipersonnels - antipersonnel antipersonnelles --
antipiratage - antipiratage - antipiratage - antipiratage --
antipolio - antipolio - antipolio - antipolio --
antipollution - antipollution - antipollution antipollutions - antipollution antipollutions --
antiprojection - antiprojection - antiprojections - antiprojections --
antiradar - antiradar - antiradars - antiradars --
antiradiation - antiradiation - antiradiations - antiradiations --
antireflet - antireflet - antireflets - antireflets --
antirejet - antirejet - antirejet antirejets - antirejet antirejets --
antirides - antirides - antirides - antirides --
antirouille - antirouille - antirouille antirouilles - antirouille antirouilles --
antiroulis - antiroulis - antiroulis - antiroulis --
antistress - antistress - antistress - antistress --
antitabac - antitabac - antitabac - antitabac --
antitache - antitache - antitache antitaches - antitache antitaches --
antitrust - antitrust - antitrust antitrusts - antitrust antitrusts --
antivaccin antivaccins - antivaccin antivaccins - antivaccin antivaccins - antivaccin antivaccins --
antivaccination - antivaccination - antivaccinations - antivaccinations --
aprŠs-rasage - aprŠs-rasage - aprŠs-rasage - aprŠs-rasage --
aprŠs-vente - aprŠs-vente - aprŠs-vente - aprŠs-vente --
aquilin - aquilin - aquilins - aquilins --
arabo-andalou - arabo-andalouse - arabo-andalous - arabo-andalouses --
aranais - aranais - aranais - aranais --
arawak - arawak - arawaks - arawaks --
archi-faux - archi-fausse - archi-faux - archi-fausses --
ashkenaze - ashkenaze - - --
ashkenazi - - ashkenazi - ashkenazi --
atonal - atonale - atonaux atonals - atonales --
attrape-clic attrape-clics - attrape-clic attrape-clics - attrape-clic attrape-clics - attrape-clic attrape-clics --
attrape-tout - attrape-tout - attrape-tout - attrape-tout --
attrapetout - attrapetout - attrapetouts - attrapetouts --
aubergine - aubergine - aubergine - aubergine --
auburn - auburn - auburn auburns - auburn auburns --
audio - audio - audio audios - audio audios --
aurore - aurore - aurore - aurore --
austral - australe - austraux australs - australes --
autocopiant - - autocopiants - --
autodirecteur - - autodirecteurs - --
autofocus - autofocus - autofocus - autofocus --
autopropulseur - - autopropulseurs - --
autos-couchettes - autos-couchettes - autos-couchettes - autos-couchettes --
avant-coureur - avant-coureur - avant-coureurs - avant-coureurs --
avant-vente - avant-vente - avant-vente - avant-vente --
azygos - azygos - azygos - azygos --
baba - baba - babas - babas --
bad - bad - bad - bad --
badass - badass - badass - badass --
bambara - bambara - bambaras - bambaras --
banal - banale - banals banaux - banales --
bancal - bancale - bancals - bancales --
bangladeshi - bangladeshi - bangladeshis - bangladeshis --
barjo - barjo - barjos - barjos --
barjot - barjot - barjots - barjots --
bas - basse - bas - basses --
bath - bath - bath - bath --
beau bel - belle - beaux - belles --
b‚e - b‚e - - b‚es --
b‚gu - b‚gu‰ b‚ge - b‚gus - b‚gu‰s b‚ges --
bellot - bellotte - bellots - bellottes --
b‚nin - b‚nigne - b‚nins - b‚nignes --
bˆta - bˆtasse - bˆtas - bˆtasses --
beur - beur - beurs - beurs --
bicolor - bicolor - bicolor - bicolor --
bicolori‚ - bicolori‚ - bicolori‚s - bicolori‚s --
bicorps - bicorps - bicorps - bicorps --
bicourant - bicourant - bicourants - bicourants --
bien - bien - bien - bien --
big - big - big - big --
bigouden - bigoudŠne - bigoudens - bigoudŠnes --
bio - bio - bio bios - bio bios --
birotor - birotor - birotors - birotors --
bistre - bistre - bistre - bistre --
black - black - blacks - blacks --
blanc - blanche - blancs - blanches --
bleu-gris - bleu-gris - bleu-gris - bleu-gris --
bleu-vert - bleu-vert - bleu-vert - bleu-vert --
bobo - bobo - bobos - bobos --
boer - boer - boers - boers --
bolchevik - bolchevik - bolcheviks - bolcheviks --
bolch‚vik - bolch‚vik - bolch‚viks - bolch‚viks --
bonobo - bonobo - bonobos - bonobos --
bor‚al - bor‚ale - bor‚aux bor‚als - bor‚ales --
boscot - boscotte - boscots - boscottes --
bottom-up - bottom-up - bottom-up - bottom-up --
boulot - boulotte - boulots - boulottes --
brŠche-dent - brŠche-dent - brŠche-dent brŠche-dents - brŠche-dent brŠche-dents --
bref - brŠve - brefs - brŠves --
brique - brique - brique - brique --
british - british - british - british --
brushless - brushless - brushless - brushless --
burkinabŠ - burkinabŠ - burkinabŠ - burkinabŠ --
burkinab‚ - burkinab‚ - burkinab‚s - burkinab‚s --
cabus - - cabus - --
caca - caca - caca - caca --
caf‚ - caf‚ - caf‚ - caf‚ --
caf‚-au-lait - caf‚-au-lait - caf‚-au-lait - caf‚-au-lait --
cajun - cajun - cajuns - cajuns --
cannelle - cannelle - cannelle - cannelle --
canon - canon - canons - canons --
cantilever - cantilever - cantilevers - cantilevers --
caramel - caramel - caramel - caramel --
carcel - carcel - carcels - carcels --
carmin - carmin - carmin - carmin --
carotide - carotide - - carotides --
carotte - carotte - carotte - carotte --
cash - cash - cash - cash --
casher - casher - casher cashers - casher cashers --
casse-cou - casse-cou - casse-cou casse-cous - casse-cou casse-cous --
casse-couilles - casse-couilles - casse-couilles - casse-couilles --
casse-cul - casse-cul - casse-cul casse-culs - casse-cul casse-culs --
casse-gueule - casse-gueule - casse-gueule casse-gueules - casse-gueule casse-gueules --
casse-pied - casse-pied - casse-pieds - casse-pieds --
casse-pieds - casse-pieds - casse-pieds - casse-pieds --
casse-tout - casse-tout - casse-tout - casse-tout --
cassetout - cassetout - cassetouts - cassetouts --
castard - castard - castards - castards --
cat‚gorial - cat‚goriale - cat‚gorials - cat‚goriales --
catho - catho - cathos - cathos --
caudine - caudine - - caudines --
cavalcadour - - cavalcadours - --
c‚ladon - c‚ladon - c‚ladon - c‚ladon --
c‚r‚monial - c‚r‚moniale - c‚r‚monials - c‚r‚moniales --
cerf-voliste - cerf-voliste - cerfs-volistes - cerfs-volistes --
cerise - cerise - cerise - cerise --
chamois - chamois - chamois - chamois --
champi - champi - champis - champis --
champis - champisse - - champisses --
chanvreuse - chanvreuse - - chanvreuses --
chƒtaigne - chƒtaigne - chƒtaigne - chƒtaigne --
cheap - cheap - cheap - cheap --
ch‚rot - ch‚rot - ch‚rots - ch‚rots --
chŠvre-pied - - chŠvre-pieds - --
chŠvrepied - - chŠvrepieds - --
chewa - chewa - chewas - chewas --
chic - chic - chics - chics --
chicano - chicano - chicanos - chicanos --
chipoteur - chipoteuse - chipoteurs - chipoteuses --
chocolat - chocolat - chocolat - chocolat --
choral - chorale - chorals - chorales --
chr‚tien-d‚mocrate - chr‚tienne-d‚mocrate - chr‚tiens-d‚mocrates - chr‚tiennes-d‚mocrates --
chti - chti - chtis - chtis --
chtimi - chtimi - chtimis - chtimis --
chuchoteur - chuchoteuse - chuchoteurs - chuchoteuses --
cis-trans - cis-trans - cis-trans - cis-trans --
cisso‹dal - cisso‹dale - cisso‹dals - cisso‹dales --
citron - citron - citron - citron --
claustro - claustro - claustros - claustros --
clean - clean - clean cleans - clean cleans --
cl‚mentin - cl‚mentine - cl‚mentins - cl‚mentines --
client-serveur - client-serveur - client-serveur - client-serveur --
co-auteur - co-auteure - co-auteurs - co-auteures --
cockney - cockney - cockneys - cockneys --
coi - coite - cois - coites --
complet - complŠte - complets - complŠtes --
compound - compound - compound - compound --
compresseur - - compresseurs - --
comptant - - comptant - --
concret - concrŠte - concrets - concrŠtes --
consort - - consorts - --
constricteur - - constricteurs - --
constrictor - - constrictors - --
contigu - contigu‰ contige - contigus - contigu‰s contiges --
convoiteur - convoiteuse - convoiteurs - convoiteuses --
cool - cool - cool cools - cool cools --
corail - corail - corail - corail --
corporate - corporate - corporate - corporate --
cotien - cotienne - - cotiennes --
couche-tard - couche-tard - couche-tard - couche-tard --
couche-t“t - couche-t“t - couche-t“t - couche-t“t --
country - country - country - country --
couveuse - couveuse - - couveuses --
couvi - - couvis - --
cracra - cracra - cracra - cracra --
crado - crado - crados - crados --
cradot - cradot - cradots - cradots --
craignos - craignos - craignos - craignos --
creek - creek - creeks - creeks --
crŠme - crŠme - crŠme - crŠme --
cr– - - - --
cucul - cucul - - --
cyan - cyan - cyan - cyan --
cyberpunk - cyberpunk - cyberpunk cyberpunks - cyberpunk cyberpunks --
dark - dark - dark - dark --
dateur - dateuse - dateurs - dateuses --
d‚capiteur - d‚capiteuse - d‚capiteurs - d‚capiteuses --
d‚chaux - - d‚chaux - --
d‚gueu - d‚gueu - d‚gueux - d‚gueux --
delta - delta - delta deltas - delta deltas --
d‚mago - d‚mago - d‚magos - d‚magos --
demi-cadratin - demi-cadratin - demi-cadratins - demi-cadratins --
demi-gras - demi-gras - - --
demi-queue - demi-queue - demi-queue - demi-queue --
demi-sel - demi-sel - demi-sel - demi-sel --
d‚mocrate-chr‚tien - d‚mocrate-chr‚tienne - d‚mocrates-chr‚tiens - d‚mocrates-chr‚tiennes --
d‚presseur - - d‚presseurs - --
design - design - design designs - design designs --
d‚suet - d‚suŠte - d‚suets - d‚suŠtes --
d‚tenteur - d‚tentrice - d‚tenteurs - d‚tentrices --
devanagari - devanagari - devanagaris - devanagaris --
d‚vanagari - d‚vanagari - d‚vanagaris - d‚vanagaris --
dextrorsum - dextrorsum - dextrorsum - dextrorsum --
discret - discrŠte - discrets - discrŠtes --
dissous - - dissous - --
distributeur - distributrice - distributeurs - distributrices --
diurnal - diurnal - diurnaux - diurnaux --
dive - dive - - dives --
dompteur - dompteuse - dompteurs - dompteuses --
donnant-donnant - donnant-donnant - donnant-donnant - donnant-donnant --
douairiŠre - douairiŠre - - douairiŠres --
doux - douce - doux - douces --
doux-amer - douce-amŠre - doux-amers - douces-amŠres --
dry - dry - dry drys - dry drys --
d– - due - dus - dues --
dual - duale - duaux duals - duales --
dum-dum - dum-dum - dum-dum - dum-dum --
dumdum - dumdum - dumdums - dumdums --
‚colo - ‚colo - ‚colos - ‚colos --
‚meraude - ‚meraude - ‚meraude - ‚meraude --
‚metteur - ‚mettrice - ‚metteurs - ‚mettrices --
enchanteur - enchanteresse - enchanteurs - enchanteresses --
‚pais - ‚paisse - ‚pais - ‚paisses --
‚piniŠre - ‚piniŠre - - ‚piniŠres --
‚quatorial - ‚quatoriale ‚quatorial - ‚quatoriaux - ‚quatoriales ‚quatoriaux --
ergoteur - ergoteuse - ergoteurs - ergoteuses --
eskimo - eskimo - eskimos - eskimos --
esquimau - esquimaude esquimau - esquimaux - esquimaudes esquimaux --
‚thico-social - ‚thico-sociale - ‚thico-socials - ‚thico-sociales --
excr‚teur - excr‚trice - excr‚teurs - excr‚trices --
ex‚cuteur - ex‚cutrice - ex‚cuteurs - ex‚cutrices --
exigu - exigu‰ exige - exigus - exigu‰s exiges --
exprŠs - expresse - exprŠs - expresses --
express - express - express - express --
extra - extra - extra extras - extra extras --
extra-dry - extra-dry - extra-dry - extra-dry --
extra-muros - extra-muros - extra-muros - extra-muros --
extradry - extradry - extradrys - extradrys --
extramuros - extramuros - extramuros - extramuros --
facho - facho - fachos - fachos --
fada - fada - fadas - fadas --
fair-play - fair-play - fair-play - fair-play --
fairplay - fairplay - fairplays - fairplays --
fana - fana - fanas - fanas --
fanny - fanny - fanny - fanny --
fat - fat - fats - fats --
fatal - fatale - fatals - fatales --
faux - fausse - faux - fausses --
favori - favorite - favoris - favorites --
f‚ral - f‚rale - f‚raux f‚rals - f‚rales --
feuille-morte - feuille-morte - feuille-morte - feuille-morte --
figulin - figuline - figulins - figulines --
filasse - filasse - filasse - filasse --
final - finale - finals finaux - finales --
finsl‚rien - finsl‚rienne - - finsl‚riennes --
flagada - flagada - flagadas - flagadas --
flashy - flashy - flashy - flashy --
flood - flood - flood floods - flood floods --
fluo - fluo - fluo - fluo --
folk - folk - folks - folks --
folklo - folklo - folklo folklos - folklo folklos --
fou fol - folle - fous - folles --
foufou - fofolle - foufous - fofolles --
foutral - foutrale - foutrals - foutrales --
fractal - fractale - fractals - fractales --
frais - fraŒche fraiche - frais - fraŒches fraiches --
framboise - framboise - framboise - framboise --
franc - franche franque - francs - franches franques --
franc-ma‡on - franc-ma‡onne - francs-ma‡ons - franc-ma‡onnes --
free-lance - free-lance - free-lance - free-lance --
french - french - french - french --
fr‚tillon - fr‚tillone - fr‚tillons - fr‚tillones --
fronceur - - fronceurs - --
fuchsia - fuchsia - fuchsia - fuchsia --
fun - fun - fun funs - fun funs --
funk - funk - funk funks - funk funks --
funky - funky - funky funkys - funky funkys --
gaga - gaga - gagas - gagas --
gagnant-gagnant - gagnant-gagnant - gagnant-gagnant - gagnant-gagnant --
garance - garance - garance - garance --
gay - gay - gay gays - gay gays --
g‚nov‚fain - g‚nov‚fain - g‚nov‚fains - g‚nov‚fains --
gentil - gentille - gentils - gentilles --
g‚osynclinal - g‚osynclinal - g‚osynclinaux - g‚osynclinaux --
gestatoire - gestatoire - - gestatoires --
glacial - glaciale - glaciaux glacials - glaciales --
glamour - glamour - glamours - glamours --
glyconique - - glyconiques - --
gnangnan - gnangnan - gnangnan gnangnans - gnangnan gnangnans --
gnian-gnian - gnian-gnian - gnian-gnian - gnian-gnian --
go‹ - go‹ - go‹s - go‹s --
go‹m - - go‹m - go‹m --
golden - golden - golden - golden --
gonzo - gonzo - gonzos - gonzos --
gore - gore - gore gores - gore gores --
gorge-de-pigeon - gorge-de-pigeon - gorge-de-pigeon - gorge-de-pigeon --
goujonniŠre - goujonniŠre - - goujonniŠres --
gouttereau - - gouttereaux - --
goy - goy - goys - goys --
goyim - - goyim - goyim --
gras - grasse - gras - grasses --
gratis - gratis - gratis - gratis --
grec - grecque - grecs - grecques --
grenat - grenat - grenat - grenat --
grignoteur - grignoteuse - grignoteurs - grignoteuses --
grippe-sou - grippe-sou - grippe-sous - grippe-sous --
gris-bleu - gris-bleu - gris-bleu - gris-bleu --
gris-vert - gris-vert - gris-vert - gris-vert --
groggy - groggy - groggy - groggy --
gros - grosse - gros - grosses --
groseille - groseille - groseille - groseille --
gupta - gupta - guptas - guptas --
gyrovague - - gyrovagues - --
hakka - hakka - hakkas - hakkas --
halal - halal - halal halals - halal halals --
hallal - hallal - hallal - hallal --
han - han - hans - hans --
haram - haram - haram harams - haram harams --
hard - hard - hard - hard --
hard-core - hard-core - hard-core - hard-core --
haute-fid‚lit‚ - haute-fid‚lit‚ - haute-fid‚lit‚ - haute-fid‚lit‚ --
hautefid‚lit‚ - hautefid‚lit‚ - hautefid‚lit‚s - hautefid‚lit‚s --
havane - havane - havane - havane --
h‚breu - - h‚breux - --
heimatlos - heimatlos - heimatlos - heimatlos --
h‚t‚ro - h‚t‚ro - h‚t‚ros - h‚t‚ros --
hi-fi - hi-fi - hi-fi - hi-fi --
hifi - hifi - hifis - hifis --
high-tech - high-tech - high-tech - high-tech --
hightech - hightech - hightechs - hightechs --
hip-hop - hip-hop - hip-hop - hip-hop --
hippy - hippy - hippys hippies - hippies hippys --
homo - homo - homos - homos --
hors-concours - hors-concours - hors-concours - hors-concours --
hors-cote - hors-cote - hors-cote - hors-cote --
hors-s‚rie - hors-s‚rie - hors-s‚rie - hors-s‚rie --
hors-sol - hors-sol - hors-sol - hors-sol --
hot - hot - hot - hot --
hutin - - hutins - --
hype - hype - hype hypes - hype hypes --
hyperm‚dia - hyperm‚dia - hyperm‚dias - hyperm‚dias --
hypertenseur - - hypertenseurs - --
hypodorien - - hypodoriens - --
hypotenseur - - hypotenseurs - --
hypoth‚nar - hypoth‚nar - hypoth‚nar - hypoth‚nar --
id‚al - id‚ale - id‚aux id‚als - id‚ales --
illuminati - illuminati - illuminati - illuminati --
immunod‚presseur - - immunod‚presseurs - --
immunosuppresseur - - immunosuppresseurs - --
in-dix-huit - in-dix-huit - in-dix-huit - in-dix-huit --
in-douze - in-douze - in-douze - in-douze --
in-folio - in-folio - in-folio - in-folio --
in-octavo - in-octavo - in-octavo - in-octavo --
in-plano - in-plano - in-plano - in-plano --
in-quarto - in-quarto - in-quarto - in-quarto --
in-seize - in-seize - in-seize - in-seize --
inca - inca - incas - incas --
incardin‚ - - incardin‚s - --
incomplet - incomplŠte - incomplets - incomplŠtes --
incuse - incuse - - incuses --
indigo - indigo - indigo - indigo --
indiscret - indiscrŠte - indiscrets - indiscrŠtes --
infolio - infolio - infolios - infolios --
inoctavo - inoctavo - inoctavos - inoctavos --
inplano - inplano - inplanos - inplanos --
inquarto - inquarto - inquartos - inquartos --
inquiet - inquiŠte - inquiets - inquiŠtes --
intello - intello - intellos - intellos --
interarm‚es - interarm‚es - interarm‚es - interarm‚es --
interarmes - interarmes - interarmes - interarmes --
interclubs - interclubs - interclubs - interclubs --
interentreprises - interentreprises - interentreprises - interentreprises --
interservices - interservices - interservices - interservices --
intestat - intestat - intestat - intestat --
intra-muros - intra-muros - intra-muros - intra-muros --
intramuros - intramuros - intramuros - intramuros --
inventeur - inventrice - inventeurs - inventrices --
inviteur - inviteuse - inviteurs - inviteuses --
isabelle - isabelle - isabelle - isabelle --
ivoire - ivoire - ivoire - ivoire --
ja‹na - ja‹na - ja‹nas - ja‹nas --
jaune-orange - jaune-orange - jaune-orange - jaune-orange --
jaune-vert - jaune-vert - jaune-vert - jaune-vert --
jazzy - jazzy - jazzy jazzys - jazzy jazzys --
jectisse - jectisse - - jectisses --
jeunot - jeunotte - jeunots - jeunottes --
jonquille - jonquille - jonquille - jonquille --
joseph - joseph - josephs - josephs --
joual - jouale - jouals - jouales --
jovial - joviale - joviaux jovials - joviales --
junior - juniore junior - juniors - juniores juniors --
kafir - kafir - kafirs - kafirs --
kaki - kaki - kaki - kaki --
kaputt - kaputt - kaputt - kaputt --
kascher - kascher - kascher - kascher --
kasher - kasher - kasher - kasher --
kif-kif - kif-kif - kif-kif - kif-kif --
kifkif - kifkif - kifkifs - kifkifs --
kitch - kitch - kitch kitchs - kitch kitchs --
kitsch - kitsch - kitsch - kitsch --
klezmer - klezmer - klezmers - klezmers --
knock-down - knock-down - knock-down - knock-down --
knock-out - knock-out - knock-out - knock-out --
knockdown - knockdown - knockdowns - knockdowns --
knockout - knockout - knockouts - knockouts --
kouffar - kouffar - kouffars - kouffars --
la‹c - - la‹cs - --
lambda - lambda - lambda lambdas - lambda lambdas --
lamineur - lamineuse - lamineurs - lamineuses --
lanciŠre - lanciŠre - - lanciŠres --
lanice - lanice - - lanices --
lapon - laponne lapone - lapons - laponnes lapones --
las - lasse - las - lasses --
lat‚r‚ - lat‚r‚ - lat‚r‚ - lat‚r‚ --
latina - latina - - latinas --
latino - latino - latinos - latinos --
laurac‚e - laurac‚e - - laurac‚es --
lavande - lavande - lavande - lavande --
lŠche-cul - lŠche-cul - lŠche-cul lŠche-culs - lŠche-cul lŠche-culs --
let - let - let - let --
letton - lettonne lettone - lettons - lettonnes lettones --
lie-de-vin - lie-de-vin - lie-de-vin - lie-de-vin --
light - light - light lights - light lights --
lilas - lilas - lilas - lilas --
limite limites - limite limites - limite limites - limite limites --
lipizzan - - lipizzans - --
litho - litho - lithos - lithos --
live - live - live lives - live lives --
long-courrier - - long-courriers - --
luo - luo - luos - luos --
magenta - magenta - magenta - magenta --
mahous - mahousse - mahous - mahousses --
maigriot - maigriotte - maigriots - maigriottes --
mainstream - mainstream - mainstream - mainstream --
maitre - maitresse - maitres - maitresses --
maŒtre - maŒtresse - maŒtres - maŒtresses --
maitre-esclave - maitre-esclave - maitre-esclave - maitre-esclave --
maŒtre-esclave - maŒtre-esclave - maŒtre-esclave - maŒtre-esclave --
mal-en-point - mal-en-point - mal-en-point - mal-en-point --
malin - maligne maline - malins - malignes malines --
mamelouk - mamelouk - mamelouks - mamelouks --
mameluk - mameluk - mameluks - mameluks --
manifold - manifold - manifolds - manifolds --
maous - maousse - maous - maousses --
marengo - marengo - marengo marengos - marengo marengos --
marial - mariale - mariaux marials - mariales --
mariol - mariol - mariols - mariols --
marlou - - marlous - --
marron - marron marronne - marron marrons - marron marronnes --
marteau - marteau - marteaux - marteaux --
maso - maso - masos - masos --
mastic - mastic - mastic - mastic --
mastoc - mastoc - mastoc - mastoc --
maxi - maxi - maxi - maxi --
maximum - maximum - maximums - maximums --
m‚galo - m‚galo - m‚galos - m‚galos --
melba - melba - melba melbas - melba melbas --
melliflue - melliflue - melliflues - melliflues --
menante - menante - - menantes --
menchevik - menchevik - mencheviks - mencheviks --
m‚nopaus‚e - m‚nopaus‚e - - m‚nopaus‚es --
menstru‚e - menstru‚e - - menstru‚es --
mercureux - - mercureux - --
m‚tis - m‚tisse - m‚tis - m‚tisses --
m‚tro - m‚tro - m‚tros - m‚tros --
mi-fin - - mi-fins - --
microtonal - microtonale - microtonals - microtonales --
minangkabau - minangkabau - minangkabaus - minangkabaus --
minimum - minimum - minimums - minimums --
miro - miro - miros - miros --
missive - missive - - missives --
mohawk - mohawk - mohawks - mohawks --
monobloc - monobloc - monoblocs - monoblocs --
monocorps - monocorps - monocorps - monocorps --
mononational - mononationale - mononationals - mononationales --
monoprocesseur - monoprocesseur - monoprocesseurs - monoprocesseurs --
monorail - monorail - monorails - monorails --
monovoie monovoies - monovoie monovoies - monovoie monovoies - monovoie monovoies --
morfal - morfale - morfals - morfales --
mormon - mormone - mormons - mormones --
moscovium - - moscoviums - --
mossi - mossi - mossis - mossis --
mou mol - molle - mous - molles --
moutarde - moutarde - moutarde - moutarde --
m– - - - --
multi-utilisateur - multi-utilisateur - multi-utilisateurs - multi-utilisateurs --
multibras - multibras - multibras - multibras --
multibrin - multibrin - multibrins - multibrins --
multicomptes - multicomptes - multicomptes - multicomptes --
multifonction - multifonction - multifonctions - multifonctions --
multifr‚quences - multifr‚quences - multifr‚quences - multifr‚quences --
multijoueur - multijoueur - multijoueurs - multijoueurs --
multijoueurs - multijoueurs - multijoueurs - multijoueurs --
multim‚dia - multim‚dia - multim‚dia - multim‚dia --
multimoteur - multimoteur - multimoteurs - multimoteurs --
multiplieur - - multiplieurs - --
multipoint - multipoint - multipoints - multipoints --
multiprocesseur - multiprocesseur - multiprocesseurs - multiprocesseurs --
multisoc - multisoc - multisocs - multisocs --
multistandard - multistandard - multistandards - multistandards --
multisupport - multisupport - multisupports - multisupports --
multiutilisateur - multiutilisateur - multiutilisateurs - multiutilisateurs --
m–r - m–re mure - m–rs murs - m–res mures --
muscat - - muscats - --
mytho - mytho - mythos - mythos --
nacarat - nacarat - nacarat - nacarat --
nagari - nagari - nagaris - nagaris --
nahua - nahua - nahuas - nahuas --
natal - natale - natals - natales --
navajo - navajo - navajos - navajos --
naval - navale - navals - navales --
n‚o-grec - n‚o-grecque - n‚o-grecs - n‚o-grecques --
n‚o-natal - n‚o-natale - n‚o-natals - n‚o-natales --
n‚o-r‚ac - n‚o-r‚ac - n‚o-r‚acs - n‚o-r‚acs --
n‚ocon - n‚ocon - n‚ocons - n‚ocons --
n‚ogrec - n‚ogrecque - n‚ogrecs - n‚ogrecques --
n‚onatal - n‚onatale - n‚onatals - n‚onatales --
n‚or‚ac - n‚or‚ac - n‚or‚acs - n‚or‚acs --
neu-neu - neu-neu - - --
neuneu - neuneu - neuneus - neuneus --
neux-neux - - neux-neux - neux-neux --
new-look - new-look - new-look - new-look --
newlook - newlook - newlooks - newlooks --
nickel - nickel - nickel - nickel --
nippon - nipponne nippone - nippons - nipponnes nippones --
noisette - noisette - noisette - noisette --
non-stop - non-stop - non-stop - non-stop --
nonstop - nonstop - nonstops - nonstops --
nouveau nouvel - nouvelle - nouveaux - nouvelles --
nul - nulle - nuls - nulles --
nympho - nympho - - nymphos --
oc‚ane - oc‚ane - - oc‚anes --
ocre - ocre - ocre - ocre --
off - off - off - off --
off-shore - off-shore - off-shore - off-shore --
offset - offset - offset offsets - offset offsets --
offshore - offshore - offshore offshores - offshore offshores --
ok - ok - ok - ok --
olive - olive - olive - olive --
omnisports - omnisports - omnisports - omnisports --
on-line - on-line - on-line - on-line --
open - open - open opens - open opens --
open-source - open-source - open-source - open-source --
operandi - - operandi - --
op‚randi - - op‚randi - --
optimum - optimum - optimums - optimums --
orange - orange - orange - orange --
oromo - oromo - oromos - oromos --
ou‹gour - ou‹gour - ou‹gours - ou‹gours --
outremer - outremer - outremer - outremer --
ouzbek - ouzbŠke - ouzbeks - ouzbŠkes --
paf - paf - paf - paf --
paille - paille - paille - paille --
pƒlot - pƒlotte - pƒlots - pƒlottes --
pantocrator - pantocrator - pantocrator - pantocrator --
papabile - - papabiles - --
parano - parano - paranos - paranos --
pare-balles - pare-balles - pare-balles - pare-balles --
pare-feu - pare-feu - pare-feu pare-feux - pare-feu pare-feux --
parisis - parisis - parisis - parisis --
parme - parme - parme - parme --
parmentier - parmentier - parmentier - parmentier --
paroxyton - - paroxytons - --
pas-…-pas - pas-…-pas - pas-…-pas - pas-…-pas --
pascal - pascale - pascaux pascals - pascales --
passe-bande - passe-bande - passe-bande passe-bandes - passe-bande passe-bandes --
passe-partout - passe-partout - passe-partout - passe-partout --
passepartout - passepartout - passepartouts - passepartouts --
pastel - pastel - pastel - pastel --
pat - pat - pat - pat --
patronnesse - patronnesse - - patronnesses --
paysan - paysanne - paysans - paysannes --
peau-rouge - peau-rouge - - --
peaux-rouges - - peaux-rouges - peaux-rouges --
peloteur - peloteuse - peloteurs - peloteuses --
pennin - pennine - - pennines --
pŠquenot - pŠquenotte - pŠquenots - pŠquenottes --
p‚quenot - p‚quenotte - p‚quenots - p‚quenottes --
perenne - perenne - perenne - perenne --
p‚rinatal - p‚rinatale - p‚rinatals - p‚rinatales --
p‚rioral - p‚riorale - p‚riorals - p‚riorales --
p‚ritel - p‚ritel - p‚ritel - p‚ritel --
perse - perse - perses - perses --
perso - perso - perso persos - perso persos --
pervenche - pervenche - pervenche - pervenche --
peshmerga - peshmerga - peshmergas - peshmergas --
pŠte-sec - pŠte-sec - pŠte-sec - pŠte-sec --
petit-bourgeois - petite-bourgeoise - petits-bourgeois - petites-bourgeoises --
philosophal - philosophale - philosophals - philosophales --
photo - photo - photo photos - photo photos --
photo-‚metteur - photo-‚mettrice - photo-‚metteurs - photo-‚mettrices --
photo‚metteur - photo‚mettrice - photo‚metteurs - photo‚mettrices --
picrocholine - picrocholine - - picrocholines --
pie - pie - pie - pie --
pince-sans-rire - pince-sans-rire - pince-sans-rire - pince-sans-rire --
pis - pis - pis - pis --
pistache - pistache - pistache - pistache --
plouc - plouc - ploucs - ploucs --
polariseur - - polariseurs - --
polycarburant - polycarburant - polycarburants - polycarburants --
polycourant - polycourant - polycourant - polycourant --
polysoc - polysoc - polysocs - polysocs --
pom-pom - pom-pom - pom-pom - pom-pom --
pop - pop - pop pops - pop pops --
populi - populi - populi - populi --
porno - porno - pornos - pornos --
post-natal - post-natale - post-natals - post-natales --
postnatal - postnatale - postnatals - postnatales --
pouliniŠre - pouliniŠre - - pouliniŠres --
pr‚curseur - pr‚curseuse pr‚curseure - pr‚curseurs - pr‚curseuses pr‚curseures --
pr‚judiciaux - - pr‚judiciaux - --
pr‚messager - - pr‚messagers - --
premier-n‚ - premiŠre-n‚e - premiers-n‚s - premiŠres-n‚es --
premium - premium - premium - premium --
pr‚mium - pr‚mium - pr‚miums - pr‚miums --
pr‚natal - pr‚natale - pr‚natals - pr‚natales --
pr‚putial - pr‚putiale - pr‚putials - pr‚putiales --
presse-bouton - presse-bouton - presse-bouton presse-boutons - presse-bouton presse-boutons --
pr‚venteur - pr‚ventrice - pr‚venteurs - pr‚ventrices --
prince-de-galles - prince-de-galles - prince-de-galles - prince-de-galles --
princeps - princeps - princeps - princeps --
pro - pro - pros - pros --
profe - professe - profes - professes --
profiteur - profiteuse - profiteurs - profiteuses --
promiscu - promiscue - - promiscues --
prune - prune - prune - prune --
pseud‚pigraphe - - pseud‚pigraphes - --
punk - punk - punk punks - punk punks --
push-pull - push-pull - push-pull - push-pull --
putaclic - putaclic - putaclics - putaclics --
pyrophosphorique - - pyrophosphoriques - --
quadra - quadra - quadra - quadra --
quadratin - - quadratins - --
quadrijumeaux - - quadrijumeaux - --
queer - queer - queers - queers --
querelleux - - querelleux - --
quiet - quiŠte - quiets - quiŠtes --
quinqua - quinqua - quinqua - quinqua --
quint‚ - - quint‚s - --
rabat-joie - rabat-joie - rabat-joie rabat-joies - rabat-joie rabat-joies --
radoteur - radoteuse - radoteurs - radoteuses --
rail-route - rail-route - rail-route - rail-route --
ramollo - ramollo - ramollos - ramollos --
raplapla - raplapla - raplapla - raplapla --
rasoir - rasoir - rasoir - rasoir --
rassis - rassise - rassis - rassises --
rasta - rasta - rastas - rastas --
rastafari - rastafari - rastafaris - rastafaris --
r‚ac - r‚ac - r‚acs - r‚acs --
r‚citeur - r‚citeuse - r‚citeurs - r‚citeuses --
record - record - record - record --
redissous - - redissous - --
redistributeur - redistributrice - redistributeurs - redistributrices --
redneck - redneck - rednecks - rednecks --
red– - redue - redus - redues --
r‚gal - r‚gale - r‚gals - r‚gales --
reggae - reggae - reggae reggaes - reggae reggaes --
r‚glo - r‚glo - r‚glo r‚glos - r‚glo r‚glos --
rehausseur - - rehausseurs - --
replet - replŠte - replets - replŠtes --
r‚presseur - - r‚presseurs - --
r‚s‚da - r‚s‚da - r‚s‚da - r‚s‚da --
r‚sous - - r‚sous - --
r‚tenteur - r‚tentrice - r‚tenteurs - r‚tentrices --
r‚tro - r‚tro - r‚tros - r‚tros --
revolving - revolving - revolving - revolving --
r‚volving - r‚volving - r‚volvings - r‚volvings --
riboteur - riboteuse - riboteurs - riboteuses --
rigolo - rigolote - rigolos - rigolotes --
rikiki - rikiki - rikiki - rikiki --
ripou - ripou - ripous ripoux - ripous ripoux --
riquiqui - riquiqui - riquiqui riquiquis - riquiqui riquiquis --
risorius - risorius - risorius - risorius --
rital - ritale - ritals - ritales --
rococo - rococo - rococo rococos - rococo rococos --
rohingya - rohingya - rohingyas - rohingyas --
rom - rom - roms - roms --
rosat - rosat - rosat - rosat --
rouan - rouanne - rouans - rouannes --
rouge-orange - rouge-orange - rouge-orange - rouge-orange --
rouille - rouille - rouille - rouille --
rouverain - - rouverains - --
rouverin - - rouverins - --
roux - rousse - roux - rousses --
rubican - - rubicans - --
russkof - russkof - russkofs - russkofs --
sable - sable - sable - sable --
sacramental - sacramental - sacramentaux - sacramentaux --
sado-maso - sado-maso - sado-masos - sado-masos --
safran - safran - safran - safran --
sans-allure - sans-allure - sans-allure - sans-allure --
sans-fil - sans-fil - sans-fil - sans-fil --
sans-le-sou - sans-le-sou - sans-le-sou - sans-le-sou --
saphir - saphir - saphir - saphir --
sati - sati - satis - satis --
satŒ - satŒ - satŒ - satŒ --
saumon - saumon - saumon - saumon --
schizo - schizo - schizos - schizos --
schlass - schlass - schlass - schlass --
schnock - schnock - schnocks - schnocks --
scratch - scratch - scratch - scratch --
sec - sŠche - secs - sŠches --
secret - secrŠte - secrets - secrŠtes --
s‚cr‚teur - s‚cr‚teuse s‚cr‚trice - s‚cr‚teurs - s‚cr‚teuses s‚cr‚trices --
select - select - selects - selects --
s‚l‚nieux - - s‚l‚nieux - --
senestrorsum - senestrorsum - senestrorsum - senestrorsum --
s‚nestrorsum - s‚nestrorsum - s‚nestrorsum - s‚nestrorsum --
senior - senior - seniors - seniors --
sensass - sensass - sensass - sensass --
sentiente - - sentientes - --
s‚pia - s‚pia - s‚pia - s‚pia --
sexy - sexy - sexy sexys - sexy sexys --
shocking - shocking - shocking - shocking --
shona - shona - shonas - shonas --
sioux - sioux - sioux - sioux --
small - small - small - small --
smart - smart - smart - smart --
snob - snob - snobs - snobs --
social-chr‚tien - sociale-chr‚tienne - sociaux-chr‚tiens - sociales-chr‚tiennes --
social-d‚mocrate - sociale-d‚mocrate - social-d‚mocrates sociaux-d‚mocrates - social-d‚mocrates sociales-d‚mocrates --
social-r‚volutionnaire - sociale-r‚volutionnaire - sociaux-r‚volutionnaires - sociales-r‚volutionnaires --
socialo - socialo - socialos - socialos --
soft - soft - soft - soft --
soi-disant - soi-disant - soi-disant - soi-disant --
sommant - - sommants - --
soprano - soprano - sopranos soprani - soprani sopranos --
sot - sotte - sots - sottes --
sous-diagonale - sous-diagonale - - sous-diagonales --
sous-palan - sous-palan - sous-palan - sous-palan --
speed - speed - speed - speed --
stand-by - stand-by - stand-by - stand-by --
standard - standard - standard standards - standard standards --
standby - standby - standbys - standbys --
stationnale - stationnale - - stationnales --
sterling - sterling - sterling - sterling --
subaigu - subaigu‰ subaige - subaigus - subaigu‰s subaiges --
sud-est - sud-est - sud-est - sud-est --
suit‚e - suit‚e - - suit‚es --
sukuma - sukuma - sukumas - sukumas --
super - super - super - super --
super-huit - super-huit - super-huit - super-huit --
superg‚ante - superg‚ante - - superg‚antes --
s–r - s–re sure - s–rs surs - s–res sures --
suraigu - suraigu‰ suraige - suraigus - suraigu‰s suraiges --
surgras - surgrasse - surgras - surgrasses --
sus-dominante - sus-dominante - - sus-dominantes --
suspens - - - --
sympa - sympa - sympa sympas - sympa sympas --
synchro - synchro - synchros - synchros --
tabac - tabac - tabac - tabac --
tablo‹d - tablo‹d - tablo‹ds - tablo‹ds --
talus - - talus - --
tandoori - tandoori - tandooris - tandooris --
tango - tango - tango - tango --
targui - - - --
targuie - targuie - - --
taupe - taupe - taupe - taupe --
techno - techno - technos - technos --
tectrice - tectrice - - tectrices --
tegmental - tegmentale - tegmentals - tegmentales --
temp‚ra - temp‚ra - temp‚ra - temp‚ra --
tenseur - - tenseurs - --
terre-…-terre - terre-…-terre - terre-…-terre - terre-…-terre --
tˆte-de-nŠgre - tˆte-de-nŠgre - tˆte-de-nŠgre - tˆte-de-nŠgre --
tiers - tierce - tiers - tierces --
tiguidou - tiguidou - tiguidous - tiguidous --
tof - tof - tof - tof --
tonal - tonale - tonals - tonales --
top - top - tops - tops --
top-down - top-down - top-down - top-down --
topless - topless - topless - topless --
tortillard - - tortillards - --
touareg - touareg - touaregs - touaregs --
touarŠgue - touarŠgue - - touarŠgues --
tourne-disque - tourne-disque - tourne-disque tourne-disques - tourne-disque tourne-disques --
tout-en-un - tout-en-un - tout-en-un - tout-en-un --
tout-fou - - tout-fous - --
tout-puissant - toute-puissante - tout-puissants - toutes-puissantes --
tout-terrain - tout-terrain - tout-terrain - tout-terrain --
tradi - tradi - tradis - tradis --
traficoteur - traficoteuse - traficoteurs - traficoteuses --
traitre - traitresse traitre - traitres - traitresses traitres --
traŒtre - traŒtresse traŒtre - traŒtres - traŒtresses traŒtres --
trans - trans - trans - trans --
transamazonienne - transamazonienne - - --
transcanadienne - transcanadienne - - --
trash - trash - trash trashs - trash trashs --
tr‚miŠre - tr‚miŠre - - tr‚miŠres --
tricorps - tricorps - tricorps - tricorps --
tricourant - tricourant - tricourant - tricourant --
tridiagonale - tridiagonale - - tridiagonales --
trognon - trognon - trognons - trognons --
trois-‚toiles - trois-‚toiles - trois-‚toiles - trois-‚toiles --
trois-points - trois-points - - --
tsoin-tsoin - tsoin-tsoin - tsoin-tsoin - tsoin-tsoin --
tsointsoin - tsointsoin - tsointsoins - tsointsoins --
tswana - tswana - tswanas - tswanas --
tue-mouches - tue-mouches - tue-mouches - tue-mouches --
turbo - turbo - turbo - turbo --
turquoise - turquoise - turquoise - turquoise --
tussah - tussah - tussahs - tussahs --
tutoral - tutorale - tutorals - tutorales --
ub‚rale - ub‚rale - - ub‚rales --
ultra - ultra - ultras - ultras --
ultra-chic - ultra-chic - ultra-chics - ultra-chics --
ultrachic - ultrachic - ultrachics - ultrachics --
underground - underground - underground undergrounds - underground undergrounds --
uzbek - uzbek - uzbeks - uzbeks --
va-t-en-guerre - va-t-en-guerre - va-t-en-guerre - va-t-en-guerre --
vacive - vacive - - vacives --
valaisan - valaisanne - valaisans - valaisannes --
valgus - valgus - valgus - valgus --
varus - - varus - --
vaticane - vaticane - - vaticanes --
vauvert - - - --
vengeur - vengeresse - vengeurs - vengeresses --
vermillon - vermillon - vermillon - vermillon --
vert-de-gris - vert-de-gris - vert-de-gris - vert-de-gris --
vert-jaune - vert-jaune - vert-jaune - vert-jaune --
veveysan - veveysanne - veveysans - veveysannes --
vid‚o - vid‚o - vid‚o vid‚os - vid‚o vid‚os --
vieillot - vieillotte - vieillots - vieillottes --
vieux vieil - vieille - vieux - vieilles --
vieux-jeu - vieux-jeu - vieux-jeu - vieux-jeu --
vif-argent - vif-argent - vif-argent - vif-argent --
viking - viking - vikings - vikings --
vilen‚ - - vilen‚s - --
vintage - vintage - vintage vintages - vintage vintages --
vitae - - vitae - --
vivendi - - vivendi - --
voteur - voteuse - voteurs - voteuses --
voyou - voyou - voyous - voyous --
wah-wah - wah-wah - wah-wah - wah-wah --
waterproof - waterproof - waterproof waterproofs - waterproof waterproofs --
web - web - web - web --
whig - whig - whigs - whigs --
wifi - wifi - wifis - wifis --
wolof - wolofe - wolofs - wolofes --
wormien - - wormiens - --
xhosa - xhosa - xhosas - xhosas --
y‚-y‚ - y‚-y‚ - y‚-y‚ - y‚-y‚ --
y‚y‚ - y‚y‚ - y‚y‚s - y‚y‚s --
yiddish - yiddish - yiddish - yiddish --
yoruba - yoruba - yorubas - yorubas --
zain - - zains - --
zarbi - zarbi - zarbis - zarbis --
zen - zen - zen zens - zen zens --
zhuang - zhuang - zhuangs - zhuangs --
zinzin - zinzin - zinzins - zinzins --
