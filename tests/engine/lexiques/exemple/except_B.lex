h‚breux
