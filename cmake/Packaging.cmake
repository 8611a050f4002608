# SPDX-FileCopyrightText: 2026 Équipe Adjora
# SPDX-License-Identifier: GPL-3.0-or-later

# Install layout (GNUInstallDirs), desktop integration and the Debian
# packages, one per install component:
#
#   programmes   adjora         bin/adjora, bin/adjora-cli, share/applications/adjora.desktop
#                               (Path= the data directory), share/metainfo/, share/icons/hicolor/,
#                               share/man/man1/
#   donnees      adjora-data    share/adjora/: except_A.lex .. except_H.lex, paradigmes.lex,
#                               Adjora.hlp (architecture-independent)
#   bibliotheque libadjora1     <libdir>/libadjora.so.1 (symbols file, ldconfig trigger)
#   dev          libadjora-dev  include/adjora.h, <libdir>/libadjora.so, adjora.pc, adjora(3)
#   python       python3-adjora lib/python3/dist-packages/adjora/
#   web          adjora-web     share/adjora/web/ (architecture-independent; built when
#                               the component has files)
#
# Each package has share/doc/<package>/copyright and changelog.gz, and its
# lintian overrides (share/lintian/overrides/<package>) when it needs some.

set(ADJORA_PAQUET_SOURCE "${PROJECT_SOURCE_DIR}/packaging")
set(ADJORA_PAQUET_BINAIRE "${PROJECT_BINARY_DIR}/packaging")
set(ADJORA_DONNEES_DESTINATION "${CMAKE_INSTALL_DATADIR}/adjora")

option(ADJORA_FUZZ "Build the libFuzzer targets (clang only)" OFF)

include(cmake/Web.cmake)

# Components and their packages. The library's, the module's and the web
# page's are installed from their folders; a component without files (the web
# page's until it comes) has no package.
get_cmake_property(composants_installes COMPONENTS)
list(APPEND composants_installes programmes donnees)
set(ADJORA_COMPOSANTS "")
foreach(paire IN ITEMS "programmes:adjora" "donnees:adjora-data" "bibliotheque:libadjora1"
                       "dev:libadjora-dev" "python:python3-adjora" "web:adjora-web")
  string(REPLACE ":" ";" paire "${paire}")
  list(GET paire 0 composant)
  if(composant IN_LIST composants_installes)
    list(APPEND ADJORA_COMPOSANTS ${composant})
    string(TOUPPER "${composant}" COMPOSANT)
    list(GET paire 1 CPACK_DEBIAN_${COMPOSANT}_PACKAGE_NAME)
  endif()
endforeach()

# Hardening, as Debian builds its packages: fortified C library calls in the
# optimised builds, relocations read-only and bound at start-up.
if(NOT ADJORA_SANITIZE)
  target_compile_definitions(adjora_warnings INTERFACE
    $<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:_FORTIFY_SOURCE=2>)
  target_link_options(adjora_warnings INTERFACE LINKER:-z,relro,-z,now)
endif()

# Programs.
if(TARGET adjora-cli)
  install(TARGETS adjora-cli RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}" COMPONENT programmes)
endif()
if(TARGET adjora)
  install(TARGETS adjora RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}" COMPONENT programmes)
endif()
# A stripped install (CPack's) also drops the compiler's .comment section.
install(CODE "
  if(CMAKE_INSTALL_DO_STRIP)
    file(GLOB executables \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/adjora*\")
    foreach(programme IN LISTS executables)
      execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment \"\${programme}\")
    endforeach()
  endif()
" COMPONENT programmes)

# Lexicons and help, found by bare name from the data directory.
install(DIRECTORY "${PROJECT_SOURCE_DIR}/data/"
  DESTINATION "${ADJORA_DONNEES_DESTINATION}"
  COMPONENT donnees
  FILES_MATCHING PATTERN "except_*.lex" PATTERN "paradigmes.lex" PATTERN "Adjora.hlp")

find_package(Python3 COMPONENTS Interpreter)

# Files whose text names installed paths or the maintainer are written at
# install time, so that they follow the prefix actually used (cmake --install
# --prefix, CPack's /usr). Manual pages and the changelog are gzipped with -9n.
set(pages_de_manuel adjora-cli.1)
if(TARGET adjora)
  list(APPEND pages_de_manuel adjora.1)
endif()
set(ADJORA_INSTALLE "${ADJORA_PAQUET_BINAIRE}/installe")
# Run for each component: each package carries its copyright and changelog.
set(generation "
  set(PROJECT_VERSION \"${PROJECT_VERSION}\")
  set(ADJORA_MAINTENEUR_NOM \"${ADJORA_MAINTENEUR_NOM}\")
  set(ADJORA_MAINTENEUR_EMAIL \"${ADJORA_MAINTENEUR_EMAIL}\")
  set(ADJORA_DONNEES_INSTALL \"\${CMAKE_INSTALL_PREFIX}/${ADJORA_DONNEES_DESTINATION}\")
  foreach(fichier ${pages_de_manuel} changelog copyright)
    configure_file(\"${ADJORA_PAQUET_SOURCE}/\${fichier}.in\" \"${ADJORA_INSTALLE}/\${fichier}\" @ONLY)
    if(NOT fichier STREQUAL \"copyright\")
      execute_process(COMMAND gzip -9nf \"${ADJORA_INSTALLE}/\${fichier}\" RESULT_VARIABLE resultat_gzip)
      if(NOT resultat_gzip EQUAL 0)
        message(FATAL_ERROR \"gzip failed on \${fichier}\")
      endif()
    endif()
  endforeach()
")
foreach(composant IN LISTS ADJORA_COMPOSANTS)
  install(CODE "${generation}" COMPONENT ${composant})
endforeach()
foreach(page IN LISTS pages_de_manuel)
  install(FILES "${ADJORA_INSTALLE}/${page}.gz" DESTINATION "${CMAKE_INSTALL_MANDIR}/man1"
    COMPONENT programmes)
endforeach()

if(TARGET adjora)
  configure_file("${ADJORA_PAQUET_SOURCE}/org.adjora.Adjora.metainfo.xml.in"
    "${ADJORA_PAQUET_BINAIRE}/org.adjora.Adjora.metainfo.xml" @ONLY)
  install(FILES "${ADJORA_PAQUET_BINAIRE}/org.adjora.Adjora.metainfo.xml"
    DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo" COMPONENT programmes)

  install(CODE "
    set(ADJORA_DONNEES_INSTALL \"\${CMAKE_INSTALL_PREFIX}/${ADJORA_DONNEES_DESTINATION}\")
    configure_file(\"${ADJORA_PAQUET_SOURCE}/adjora.desktop.in\"
      \"${ADJORA_PAQUET_BINAIRE}/installe/adjora.desktop\" @ONLY)
  " COMPONENT programmes)
  install(FILES "${ADJORA_PAQUET_BINAIRE}/installe/adjora.desktop"
    DESTINATION "${CMAKE_INSTALL_DATADIR}/applications" COMPONENT programmes)

  # Icon renderings, drawn from the pixel map at build time.
  set(icone_source "${PROJECT_SOURCE_DIR}/ui/images/adjora.xpm")
  set(icone_script "${ADJORA_PAQUET_SOURCE}/rendre-icone.py")
  set(icones "")
  foreach(rendu IN ITEMS "png:32" "pngx8:256" "svg:scalable")
    string(REPLACE ":" ";" rendu "${rendu}")
    list(GET rendu 0 forme)
    list(GET rendu 1 taille)
    if(forme STREQUAL "svg")
      set(sortie "${ADJORA_PAQUET_BINAIRE}/icones/scalable/adjora.svg")
      set(dossier "scalable")
    else()
      set(sortie "${ADJORA_PAQUET_BINAIRE}/icones/${taille}/adjora.png")
      set(dossier "${taille}x${taille}")
    endif()
    get_filename_component(dossier_sortie "${sortie}" DIRECTORY)
    add_custom_command(OUTPUT "${sortie}"
      COMMAND "${CMAKE_COMMAND}" -E make_directory "${dossier_sortie}"
      COMMAND Python3::Interpreter "${icone_script}" ${forme} "${icone_source}" "${sortie}"
      DEPENDS "${icone_source}" "${icone_script}"
      COMMENT "Rendering the ${dossier} application icon"
      VERBATIM)
    install(FILES "${sortie}" DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/${dossier}/apps"
      COMPONENT programmes)
    list(APPEND icones "${sortie}")
  endforeach()
  add_custom_target(adjora_icones ALL DEPENDS ${icones})
endif()

# Debian packages: cpack -G DEB in the build directory, one per component,
# each with its copyright, changelog and, when it needs some, lintian overrides.
set(CPACK_COMPONENTS_ALL ${ADJORA_COMPOSANTS})
foreach(composant IN LISTS ADJORA_COMPOSANTS)
  string(TOUPPER "${composant}" COMPOSANT)
  set(paquet "${CPACK_DEBIAN_${COMPOSANT}_PACKAGE_NAME}")
  install(FILES "${ADJORA_INSTALLE}/copyright" "${ADJORA_INSTALLE}/changelog.gz"
    DESTINATION "${CMAKE_INSTALL_DATAROOTDIR}/doc/${paquet}" COMPONENT ${composant})
  if(EXISTS "${ADJORA_PAQUET_SOURCE}/${paquet}.lintian-overrides")
    install(FILES "${ADJORA_PAQUET_SOURCE}/${paquet}.lintian-overrides"
      DESTINATION "${CMAKE_INSTALL_DATAROOTDIR}/lintian/overrides" RENAME ${paquet}
      COMPONENT ${composant})
  endif()
endforeach()

set(CPACK_GENERATOR "DEB")
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_PACKAGE_NAME "adjora")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_VENDOR "${ADJORA_MAINTENEUR_NOM}")
set(CPACK_PACKAGE_CONTACT "${ADJORA_MAINTENEUR_NOM} <${ADJORA_MAINTENEUR_EMAIL}>")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${ADJORA_MAINTENEUR_NOM} <${ADJORA_MAINTENEUR_EMAIL}>")
set(CPACK_DEBIAN_PACKAGE_SECTION "text")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# libadjora1 ships its shlibs and symbols files (control members) and the
# ldconfig trigger, so CPack neither generates shlibs nor adds ldconfig calls to
# maintainer scripts; its own dependencies come from dpkg-shlibdeps, run by
# cmake/PaquetBibliotheque.cmake at packaging time. The Python extension links
# libadjora.so.1, packaged beside it: dpkg-shlibdeps finds it in the build tree
# (the dependency on libadjora1 is written out below).
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS OFF)
set(CPACK_DEBIAN_BIBLIOTHEQUE_PACKAGE_SHLIBDEPS OFF)
if(TARGET libadjora)
  get_target_property(dossier_bibliotheque libadjora LIBRARY_OUTPUT_DIRECTORY)
  if(NOT dossier_bibliotheque)
    get_target_property(dossier_bibliotheque libadjora BINARY_DIR)
  endif()
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS "${dossier_bibliotheque}")
  set(CPACK_ADJORA_BIBLIOTHEQUE_CONSTRUITE "${dossier_bibliotheque}/libadjora.so.1")
  set(CPACK_PROJECT_CONFIG_FILE "${PROJECT_SOURCE_DIR}/cmake/PaquetBibliotheque.cmake")
endif()
set(ADJORA_VERSION_EXACTE "(= ${PROJECT_VERSION})")
set(ADJORA_DESCRIPTION_COMMUNE
  "Adjora reduces a French qualifying adjective, typed in any inflected form, to\n\
its lemma (the masculine singular form), tells its gender and number and\n\
explains in French which ending rule or exception list gave the answer.")

set(CPACK_DEBIAN_PROGRAMMES_PACKAGE_DEPENDS
  "adjora-data ${ADJORA_VERSION_EXACTE}, qt6-translations-l10n") # French standard dialogs
set(CPACK_DEBIAN_PROGRAMMES_DESCRIPTION "lemmatiser for French qualifying adjectives
${ADJORA_DESCRIPTION_COMMUNE}

This package holds the Qt window (adjora) and the command-line tool
(adjora-cli).")

set(CPACK_DEBIAN_DONNEES_PACKAGE_ARCHITECTURE "all")
set(CPACK_DEBIAN_DONNEES_PACKAGE_SHLIBDEPS OFF)
set(CPACK_DEBIAN_DONNEES_DESCRIPTION "lemmatiser for French qualifying adjectives - data
${ADJORA_DESCRIPTION_COMMUNE}

This package holds the exception lexicons, the paradigm lexicon and the help
file that the programs and the library read.")

set(CPACK_DEBIAN_BIBLIOTHEQUE_PACKAGE_SECTION "libs")
set(CPACK_ADJORA_BIBLIOTHEQUE_DEPENDS "adjora-data ${ADJORA_VERSION_EXACTE}")
set(CPACK_DEBIAN_BIBLIOTHEQUE_PACKAGE_CONTROL_EXTRA "${ADJORA_PAQUET_SOURCE}/libadjora1/shlibs"
  "${ADJORA_PAQUET_SOURCE}/libadjora1/symbols" "${ADJORA_PAQUET_SOURCE}/libadjora1/triggers")
set(CPACK_DEBIAN_BIBLIOTHEQUE_DESCRIPTION "lemmatiser for French qualifying adjectives - library
${ADJORA_DESCRIPTION_COMMUNE}

This package holds the shared library libadjora, with a C API usable from C
and C++ programs.")
set(CPACK_DEBIAN_DEV_PACKAGE_SECTION "libdevel")
set(CPACK_DEBIAN_DEV_PACKAGE_SHLIBDEPS OFF)
set(CPACK_DEBIAN_DEV_PACKAGE_DEPENDS "libadjora1 ${ADJORA_VERSION_EXACTE}")
set(CPACK_DEBIAN_DEV_DESCRIPTION "lemmatiser for French qualifying adjectives - development files
${ADJORA_DESCRIPTION_COMMUNE}

This package holds the header adjora.h, the pkg-config file adjora.pc and the
adjora(3) manual page, for building programs with libadjora.")

# The extension is built for one Python 3 version: it depends on that one.
math(EXPR ADJORA_PYTHON_MINEURE_SUIVANTE "${Python3_VERSION_MINOR} + 1")
set(CPACK_DEBIAN_PYTHON_PACKAGE_SECTION "python")
set(CPACK_DEBIAN_PYTHON_PACKAGE_DEPENDS
  "python3 (>= ${Python3_VERSION_MAJOR}.${Python3_VERSION_MINOR}~), python3 (<< ${Python3_VERSION_MAJOR}.${ADJORA_PYTHON_MINEURE_SUIVANTE}), libadjora1 ${ADJORA_VERSION_EXACTE}")
set(CPACK_DEBIAN_PYTHON_DESCRIPTION "lemmatiser for French qualifying adjectives - Python 3 module
${ADJORA_DESCRIPTION_COMMUNE}

This package holds the Python 3 module adjora, over libadjora: one-word
analysis and inflection, batch analysis and CoNLL-U rewriting.")

set(CPACK_DEBIAN_WEB_PACKAGE_ARCHITECTURE "all")
set(CPACK_DEBIAN_WEB_PACKAGE_SHLIBDEPS OFF)
set(CPACK_DEBIAN_WEB_DESCRIPTION "lemmatiser for French qualifying adjectives - web page
${ADJORA_DESCRIPTION_COMMUNE}

This package holds the web page of Adjora, under /usr/share/adjora/web.")
include(CPack)

if(ADJORA_FUZZ)
  add_subdirectory(fuzz)
endif()
