# The Windows build: the same core and GL renderer over the Win32 backend, the
# unit tests over GoogleTest built from Debian's sources, and the folder a
# Windows player unzips. Its tests run under Wine on a private X server.

set(PELMORA_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources to build the tests with")
set(PELMORA_HOST_BUILD "${CMAKE_SOURCE_DIR}/build" CACHE PATH
  "The Linux build that generates the assets and runs the end-to-end tests")

file(GLOB PELMORA_GL_SOURCES CONFIGURE_DEPENDS src/view/gl/*.cpp)
add_library(pelmora_gl STATIC ${PELMORA_GL_SOURCES})
target_link_libraries(pelmora_gl PUBLIC pelmora_core opengl32 glu32)
target_compile_options(pelmora_gl PRIVATE ${PELMORA_WARNINGS})

file(GLOB PELMORA_WIN32_SOURCES CONFIGURE_DEPENDS src/platform/win32/*.cpp)
add_library(pelmora_win32 STATIC ${PELMORA_WIN32_SOURCES})
target_link_libraries(pelmora_win32 PUBLIC pelmora_core user32 gdi32 opengl32 winmm)
target_compile_options(pelmora_win32 PRIVATE ${PELMORA_WARNINGS})

# The program's resources, compiled by windres: the icon the Linux build's
# generator drew, the version information and the manifest, both filled in
# from project().
enable_language(RC)
set(PELMORA_ICO ${PELMORA_HOST_BUILD}/icons/pelmora.ico)
set(PELMORA_MANIFEST ${CMAKE_BINARY_DIR}/pelmora.manifest)
set(PELMORA_RC ${CMAKE_BINARY_DIR}/pelmora.rc)
file(STRINGS ${CMAKE_SOURCE_DIR}/data/copyright PELMORA_COPYRIGHT REGEX "^Copyright: " LIMIT_COUNT 1)
string(REPLACE "Copyright: " "" PELMORA_COPYRIGHT "${PELMORA_COPYRIGHT}")
configure_file(${CMAKE_SOURCE_DIR}/data/windows/pelmora.manifest.in ${PELMORA_MANIFEST} @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/data/windows/pelmora.rc.in ${PELMORA_RC} @ONLY)
set_source_files_properties(${PELMORA_RC} PROPERTIES OBJECT_DEPENDS "${PELMORA_ICO};${PELMORA_MANIFEST}")

# A GUI program: no console window opens beside the game.
add_executable(pelmora WIN32 src/main.cpp ${PELMORA_RC})
target_link_libraries(pelmora PRIVATE pelmora_gl pelmora_win32)
target_compile_options(pelmora PRIVATE "$<$<COMPILE_LANGUAGE:CXX>:${PELMORA_WARNINGS}>")

# The read-me with Windows line ends and the licence text out of the Debian
# copyright file, so each is written once.
configure_file(${CMAKE_SOURCE_DIR}/data/windows/README.txt.in ${CMAKE_BINARY_DIR}/README.txt @ONLY
  NEWLINE_STYLE CRLF)
file(READ ${CMAKE_SOURCE_DIR}/data/copyright PELMORA_LICENCE)
string(REGEX REPLACE ".*\nLicense: MIT\n" "" PELMORA_LICENCE "${PELMORA_LICENCE}")
string(REGEX REPLACE "\n \\.\n" "\n\n" PELMORA_LICENCE "${PELMORA_LICENCE}")
string(REGEX REPLACE "(^|\n) " "\\1" PELMORA_LICENCE "${PELMORA_LICENCE}")
string(REPLACE "\n" "\r\n" PELMORA_LICENCE "MIT License\n\nCopyright (c) ${PELMORA_COPYRIGHT}\n\n${PELMORA_LICENCE}")
file(WRITE ${CMAKE_BINARY_DIR}/LICENSE.txt "${PELMORA_LICENCE}")

# The folder and zip a player unpacks: the stripped program, the assets the
# Linux build generated (the same bytes), the read-me and the licence.
set(PELMORA_DIST ${CMAKE_BINARY_DIR}/dist/pelmora)
set(PELMORA_HOST_RUN ${PELMORA_HOST_BUILD}/run)
add_custom_target(dist ALL
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${CMAKE_BINARY_DIR}/dist ${CMAKE_BINARY_DIR}/pelmora-windows.zip
  COMMAND ${CMAKE_COMMAND} -E make_directory ${PELMORA_DIST}
  COMMAND ${CMAKE_STRIP} -o ${PELMORA_DIST}/pelmora.exe $<TARGET_FILE:pelmora>
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${PELMORA_HOST_RUN}/textures ${PELMORA_DIST}/textures
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${PELMORA_HOST_RUN}/sounds ${PELMORA_DIST}/sounds
  COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_BINARY_DIR}/README.txt ${CMAKE_BINARY_DIR}/LICENSE.txt
    ${PELMORA_DIST}
  COMMAND ${CMAKE_COMMAND} -E chdir ${CMAKE_BINARY_DIR}/dist
    ${CMAKE_COMMAND} -E tar cf ${CMAKE_BINARY_DIR}/pelmora-windows.zip --format=zip pelmora
  DEPENDS pelmora
  COMMENT "Putting together dist/pelmora and pelmora-windows.zip"
  VERBATIM)

option(PELMORA_WINDOWS_TESTS "Build the tests that run under Wine" ON)
if(NOT PELMORA_WINDOWS_TESTS)
  return()
endif()

set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(${PELMORA_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

file(GLOB PELMORA_TEST_SUPPORT CONFIGURE_DEPENDS tests/support/*.cpp)
file(GLOB PELMORA_UNIT_TESTS CONFIGURE_DEPENDS tests/unit/*.cpp)
# The score file tests drive POSIX limits; the Windows writer has its own.
list(REMOVE_ITEM PELMORA_UNIT_TESTS ${CMAKE_SOURCE_DIR}/tests/unit/top_score_test.cpp)
add_executable(unit_tests ${PELMORA_UNIT_TESTS} ${PELMORA_TEST_SUPPORT})
target_include_directories(unit_tests PRIVATE tests)
target_link_libraries(unit_tests PRIVATE pelmora_core gtest gtest_main)

file(GLOB PELMORA_WIN32_TESTS CONFIGURE_DEPENDS tests/windows/*.cpp)
add_executable(win32_tests ${PELMORA_WIN32_TESTS})
target_include_directories(win32_tests PRIVATE tests)
target_link_libraries(win32_tests PRIVATE pelmora_win32 pelmora_gl gtest gtest_main)
target_compile_options(win32_tests PRIVATE -Wall -Wextra)

# Every Wine run makes a prefix of its own (about half a minute), so the unit
# and backend tests share one. The end-to-end tests are the Linux build's,
# run on pelmora.exe in copies of the player's folder, but for the file-size
# limit, which is a POSIX one.
enable_testing()
add_test(NAME windows_imports_only_system_dlls
  COMMAND ${CMAKE_SOURCE_DIR}/tests/windows/check-imports.sh $<TARGET_FILE:pelmora>)
add_test(NAME windows_player_folder
  COMMAND ${CMAKE_SOURCE_DIR}/tests/windows/check-dist.sh ${PELMORA_DIST} ${PELMORA_HOST_RUN}
    ${CMAKE_BINARY_DIR}/pelmora-windows.zip ${PROJECT_VERSION})
set(PELMORA_WITH_WINE ${CMAKE_SOURCE_DIR}/tests/windows/with-wine.sh)
add_test(NAME windows_unit_tests
  COMMAND ${PELMORA_WITH_WINE} sh -c "wine \"$0\" --gtest_brief=1 && wine \"$1\" --gtest_brief=1"
    $<TARGET_FILE:unit_tests> $<TARGET_FILE:win32_tests>)
set_tests_properties(windows_unit_tests PROPERTIES TIMEOUT 600)

set(PELMORA_E2E ${PELMORA_HOST_BUILD}/tests/e2e/e2e_tests)
set(PELMORA_E2E_ENV "PELMORA_GAME_COMMAND=wine pelmora.exe" "PELMORA_ASSETS=${PELMORA_DIST}")
add_test(NAME windows_e2e_tests
  COMMAND ${PELMORA_WITH_WINE} ${PELMORA_E2E} --gtest_filter=-*Installed*:*FullScreen*:*FileSizeLimit*)
add_test(NAME windows_e2e_refused_fullscreen
  COMMAND ${PELMORA_WITH_WINE} ${PELMORA_E2E} --gtest_filter=*FullScreen*)
set_tests_properties(windows_e2e_tests windows_e2e_refused_fullscreen PROPERTIES
  TIMEOUT 900 RUN_SERIAL TRUE ENVIRONMENT "${PELMORA_E2E_ENV};PELMORA_WINE_TIMEOUT=780")
set_property(TEST windows_e2e_refused_fullscreen APPEND PROPERTY ENVIRONMENT PELMORA_SCREEN=1280x1024x24)
