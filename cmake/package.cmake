# `make package`: the game as a Debian package, built by CPack from the games
# layout plus the desktop files and the Debian documents.
execute_process(COMMAND dpkg --print-architecture OUTPUT_VARIABLE PELMORA_DEB_ARCH
  OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
if(NOT PELMORA_DEB_ARCH)
  set(PELMORA_DEB_ARCH amd64)
endif()
set(PELMORA_DEB_FILE pelmora_${PROJECT_VERSION}_${PELMORA_DEB_ARCH}.deb)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pelmora)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Pelmora developers <pelmora@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Each face of a cube holds a heap of 144 playing cards in five layers. Select\n"
  "five free cards of the face in front that make a poker hand, drop them for\n"
  "points and turn the cube to reach the others, before the 30-second\n"
  "countdown that every drop refills runs out. Clear the whole cube to win.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_INSTALL_CMAKE_PROJECTS
  "${CMAKE_BINARY_DIR};Pelmora;games;/"
  "${CMAKE_BINARY_DIR};Pelmora;desktop;/"
  "${CMAKE_BINARY_DIR};Pelmora;debian;/")
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME ${PELMORA_DEB_FILE})
set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE ${PELMORA_DEB_ARCH})
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)  # dependencies read off the binary
# ...and the one no link records: SDL opens libGL.so.1 by name when it makes
# the window's GL context.
set(CPACK_DEBIAN_PACKAGE_DEPENDS libgl1)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
