h‚breux
h‚breux