# SPDX-FileCopyrightText: 2026 Équipe Adjora
# SPDX-License-Identifier: GPL-3.0-or-later

# Read by cpack before it builds the packages: libadjora1's dependencies,
# from dpkg-shlibdeps on the built library (CPack's own run would also add
# ldconfig calls to its maintainer scripts, where the trigger does the work).
if(NOT CPACK_GENERATOR STREQUAL "DEB" OR NOT EXISTS "${CPACK_ADJORA_BIBLIOTHEQUE_CONSTRUITE}")
  return()
endif()
set(travail "${CPACK_PACKAGE_DIRECTORY}/_CPack_Packages/shlibdeps-libadjora1")
file(MAKE_DIRECTORY "${travail}/debian")
file(WRITE "${travail}/debian/control" "")
execute_process(COMMAND dpkg-shlibdeps -O "${CPACK_ADJORA_BIBLIOTHEQUE_CONSTRUITE}"
  WORKING_DIRECTORY "${travail}"
  OUTPUT_VARIABLE sortie ERROR_VARIABLE erreurs RESULT_VARIABLE resultat
  OUTPUT_STRIP_TRAILING_WHITESPACE)
if(NOT resultat EQUAL 0 OR NOT sortie MATCHES "^shlibs:Depends=")
  message(FATAL_ERROR "dpkg-shlibdeps on ${CPACK_ADJORA_BIBLIOTHEQUE_CONSTRUITE} failed: ${erreurs}")
endif()
string(REGEX REPLACE "^shlibs:Depends=" "" dependances "${sortie}")
set(CPACK_DEBIAN_BIBLIOTHEQUE_PACKAGE_DEPENDS "${CPACK_ADJORA_BIBLIOTHEQUE_DEPENDS}, ${dependances}")
