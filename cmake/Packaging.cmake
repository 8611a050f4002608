# SPDX-FileCopyrightText: 2026 Équipe Adjora
# SPDX-License-Identifier: GPL-3.0-or-later

# Install layout (GNUInstallDirs), desktop integration and the Debian package.
#
#   bin/                          adjora, adjora-cli
#   share/adjora/                 except_A.lex .. except_H.lex, paradigmes.lex, Adjora.hlp
#   share/applications/           adjora.desktop (Path= the data directory)
#   share/metainfo/               org.adjora.Adjora.metainfo.xml
#   share/icons/hicolor/          32x32 and 256x256 PNG, scalable SVG
#   share/man/man1/               adjora-cli.1.gz, adjora.1.gz
#   share/doc/adjora/             copyright, changelog.gz
#   share/lintian/overrides/      adjora

set(ADJORA_PAQUET_SOURCE "${PROJECT_SOURCE_DIR}/packaging")
set(ADJORA_PAQUET_BINAIRE "${PROJECT_BINARY_DIR}/packaging")
set(ADJORA_DONNEES_DESTINATION "${CMAKE_INSTALL_DATADIR}/adjora")

option(ADJORA_FUZZ "Build the libFuzzer targets (clang only)" OFF)

# Hardening, as Debian builds its packages: fortified C library calls in the
# optimised builds, relocations read-only and bound at start-up.
if(NOT ADJORA_SANITIZE)
  target_compile_definitions(adjora_warnings INTERFACE
    $<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:_FORTIFY_SOURCE=2>)
  target_link_options(adjora_warnings INTERFACE LINKER:-z,relro,-z,now)
endif()

# Programs.
if(TARGET adjora-cli)
  install(TARGETS adjora-cli RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}")
endif()
if(TARGET adjora)
  install(TARGETS adjora RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}")
endif()
# A stripped install (CPack's) also drops the compiler's .comment section.
install(CODE "
  if(CMAKE_INSTALL_DO_STRIP)
    file(GLOB programmes \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/adjora*\")
    foreach(programme IN LISTS programmes)
      execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment \"\${programme}\")
    endforeach()
  endif()
")

# Lexicons and help, found by bare name from the data directory.
install(DIRECTORY "${PROJECT_SOURCE_DIR}/data/"
  DESTINATION "${ADJORA_DONNEES_DESTINATION}"
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
install(CODE "
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
foreach(page IN LISTS pages_de_manuel)
  install(FILES "${ADJORA_INSTALLE}/${page}.gz" DESTINATION "${CMAKE_INSTALL_MANDIR}/man1")
endforeach()
set(ADJORA_DOC_DESTINATION "${CMAKE_INSTALL_DATAROOTDIR}/doc/adjora")
install(FILES "${ADJORA_INSTALLE}/copyright" "${ADJORA_INSTALLE}/changelog.gz"
  DESTINATION "${ADJORA_DOC_DESTINATION}")
install(FILES "${ADJORA_PAQUET_SOURCE}/adjora.lintian-overrides"
  DESTINATION "${CMAKE_INSTALL_DATAROOTDIR}/lintian/overrides" RENAME adjora)

if(TARGET adjora)
  configure_file("${ADJORA_PAQUET_SOURCE}/org.adjora.Adjora.metainfo.xml.in"
    "${ADJORA_PAQUET_BINAIRE}/org.adjora.Adjora.metainfo.xml" @ONLY)
  install(FILES "${ADJORA_PAQUET_BINAIRE}/org.adjora.Adjora.metainfo.xml"
    DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo")

  install(CODE "
    set(ADJORA_DONNEES_INSTALL \"\${CMAKE_INSTALL_PREFIX}/${ADJORA_DONNEES_DESTINATION}\")
    configure_file(\"${ADJORA_PAQUET_SOURCE}/adjora.desktop.in\"
      \"${ADJORA_PAQUET_BINAIRE}/installe/adjora.desktop\" @ONLY)
  ")
  install(FILES "${ADJORA_PAQUET_BINAIRE}/installe/adjora.desktop"
    DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")

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
    install(FILES "${sortie}" DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/${dossier}/apps")
    list(APPEND icones "${sortie}")
  endforeach()
  add_custom_target(adjora_icones ALL DEPENDS ${icones})
endif()

include(cmake/Web.cmake)

# Debian package: cpack -G DEB in the build directory.
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "adjora")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_VENDOR "${ADJORA_MAINTENEUR_NOM}")
set(CPACK_PACKAGE_CONTACT "${ADJORA_MAINTENEUR_NOM} <${ADJORA_MAINTENEUR_EMAIL}>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "lemmatiser for French qualifying adjectives")
set(CPACK_PACKAGE_DESCRIPTION
  "Adjora reduces a French qualifying adjective, typed in any inflected form, to\n\
its lemma (the masculine singular form), tells its gender and number and\n\
explains in French which ending rule or exception list gave the answer.\n\
It ships a Qt window (adjora) and a command-line tool (adjora-cli).")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${ADJORA_MAINTENEUR_NOM} <${ADJORA_MAINTENEUR_EMAIL}>")
set(CPACK_DEBIAN_PACKAGE_SECTION "text")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n") # French standard dialogs
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS OFF)
# The C library (components bibliotheque and dev) is packaged on its own, as
# libadjora1 and libadjora-dev: this package holds the rest.
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
set(CPACK_COMPONENTS_ALL Unspecified)
include(CPack)

if(ADJORA_FUZZ)
  add_subdirectory(fuzz)
endif()
