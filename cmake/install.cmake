# Installed like any desktop game: a launcher that runs the program with the
# top score kept in the player's data folder, the shared textures and sounds,
# a menu entry, icons, the software centre's metainfo and a manual page.
#
# `cmake --install` lays the game out as bin/, libexec/pelmora/ and
# share/pelmora/; the Debian package uses Debian's games layout instead, from
# the same build: its parts are installed only when asked for by component.
include(GNUInstallDirs)

# The launcher written to FILE, for a layout where it lies in launcherDir and
# finds the program and the assets at the given absolute paths.
function(pelmora_launcher file launcherDir program dataDir)
  file(RELATIVE_PATH PELMORA_PROGRAM_FROM_LAUNCHER ${launcherDir} ${program})
  file(RELATIVE_PATH PELMORA_DATA_FROM_LAUNCHER ${launcherDir} ${dataDir})
  configure_file(${CMAKE_SOURCE_DIR}/data/pelmora.in ${file} @ONLY)
endfunction()

# One layout: where the launcher, the program and the assets go.
function(pelmora_install_layout component launcherDir programDir dataDir)
  set(launcher ${CMAKE_BINARY_DIR}/launcher/${component}/pelmora)
  pelmora_launcher(${launcher} /${launcherDir} /${programDir}/pelmora /${dataDir})
  install(PROGRAMS ${launcher} DESTINATION ${launcherDir} COMPONENT ${component} ${ARGN})
  install(TARGETS pelmora RUNTIME DESTINATION ${programDir} COMPONENT ${component} ${ARGN})
  install(DIRECTORY ${CMAKE_BINARY_DIR}/run/textures ${CMAKE_BINARY_DIR}/run/sounds
    DESTINATION ${dataDir} COMPONENT ${component} ${ARGN})
endfunction()

pelmora_install_layout(local ${CMAKE_INSTALL_BINDIR} ${CMAKE_INSTALL_LIBEXECDIR}/pelmora
  ${CMAKE_INSTALL_DATADIR}/pelmora)
# `make run` plays the build itself the same way, from the player's data folder.
pelmora_launcher(${CMAKE_BINARY_DIR}/launcher/build/pelmora ${CMAKE_BINARY_DIR}/launcher/build
  ${CMAKE_BINARY_DIR}/pelmora ${CMAKE_BINARY_DIR}/run)
set(PELMORA_GAMES_PROGRAM_DIR lib/games/pelmora)
pelmora_install_layout(games games ${PELMORA_GAMES_PROGRAM_DIR} share/games/pelmora EXCLUDE_FROM_ALL)
# Stripped for the package as Debian strips, notes about the compiler and all.
install(CODE "execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
    \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${PELMORA_GAMES_PROGRAM_DIR}/pelmora\" COMMAND_ERROR_IS_FATAL ANY)"
  COMPONENT games EXCLUDE_FROM_ALL)

# Manual pages and changelogs are kept compressed, and without a time stamp so
# that the same sources give the same package.
function(pelmora_gzip source target)
  add_custom_command(OUTPUT ${target}
    COMMAND sh -c "gzip -9n < \"$1\" > \"$2\"" gzip ${source} ${target}
    DEPENDS ${source} VERBATIM)
endfunction()
set(PELMORA_MAN_PAGE ${CMAKE_BINARY_DIR}/doc/pelmora.6.gz)
set(PELMORA_CHANGELOG ${CMAKE_BINARY_DIR}/doc/changelog.gz)
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/doc)
pelmora_gzip(${CMAKE_SOURCE_DIR}/data/pelmora.6 ${PELMORA_MAN_PAGE})
pelmora_gzip(${CMAKE_SOURCE_DIR}/data/changelog ${PELMORA_CHANGELOG})
add_custom_target(package_documents ALL DEPENDS ${PELMORA_MAN_PAGE} ${PELMORA_CHANGELOG})

# The same in every layout.
set(PELMORA_APP_ID org.example.pelmora)
install(FILES data/pelmora.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT desktop)
install(FILES data/${PELMORA_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo
  COMPONENT desktop)
install(DIRECTORY ${CMAKE_BINARY_DIR}/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons
  COMPONENT desktop)
install(FILES ${PELMORA_MAN_PAGE} DESTINATION ${CMAKE_INSTALL_MANDIR}/man6 COMPONENT desktop)

# What only a Debian package carries.
install(FILES data/copyright ${PELMORA_CHANGELOG} DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/pelmora
  COMPONENT debian EXCLUDE_FROM_ALL)
install(FILES data/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
  RENAME pelmora COMPONENT debian EXCLUDE_FROM_ALL)

include(cmake/package.cmake)
