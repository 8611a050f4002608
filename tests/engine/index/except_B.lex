hebreux
hebreux
