blanche blanc
fraiche frais
blanche blanchet
seche sec
