cis	‚pais, précis

