# SPDX-FileCopyrightText: 2026 Équipe Adjora
# SPDX-License-Identifier: GPL-3.0-or-later

# The web page: web/ built with emscripten in a build of its own (build/web),
# the page's files installed under share/adjora/web (component web).
if(ADJORA_BUILD_WEB)
  if(NOT ADJORA_EMCMAKE)
    message(FATAL_ERROR "ADJORA_BUILD_WEB needs emscripten's emcmake")
  endif()
  set(ADJORA_WEB_BINAIRE "${PROJECT_BINARY_DIR}/web")
  set(ADJORA_WEB_SITE "${ADJORA_WEB_BINAIRE}/site")
  # Debian's emscripten finds its JavaScript tools' modules there.
  set(environnement_web "NODE_PATH=/usr/share/nodejs")
  include(ExternalProject)
  ExternalProject_Add(adjora_web
    SOURCE_DIR "${PROJECT_SOURCE_DIR}/web"
    BINARY_DIR "${ADJORA_WEB_BINAIRE}"
    CONFIGURE_COMMAND ${CMAKE_COMMAND} -E env ${environnement_web}
      "${ADJORA_EMCMAKE}" "${CMAKE_COMMAND}" -S "${PROJECT_SOURCE_DIR}/web" -B "${ADJORA_WEB_BINAIRE}"
      -G "${CMAKE_GENERATOR}" -DCMAKE_BUILD_TYPE=Release
      "-DADJORA_MAINTENEUR_NOM=${ADJORA_MAINTENEUR_NOM}"
      "-DADJORA_MAINTENEUR_EMAIL=${ADJORA_MAINTENEUR_EMAIL}"
      $<$<BOOL:${CMAKE_CXX_COMPILER_LAUNCHER}>:-DCMAKE_CXX_COMPILER_LAUNCHER=${CMAKE_CXX_COMPILER_LAUNCHER}>
    BUILD_COMMAND ${CMAKE_COMMAND} -E env ${environnement_web} "${CMAKE_COMMAND}" --build "${ADJORA_WEB_BINAIRE}"
    INSTALL_COMMAND ""
    BUILD_ALWAYS ON
    USES_TERMINAL_BUILD ON)

  install(DIRECTORY "${ADJORA_WEB_SITE}/"
    DESTINATION "${CMAKE_INSTALL_DATADIR}/adjora/web"
    FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ
    COMPONENT web)
endif()
