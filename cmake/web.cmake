# The browser build, compiled by emscripten: the same core over the page's
# backend (src/platform/web/) and the WebGL2 renderer (src/view/webgl/), and
# the folder a static web server serves as it is, with its zip.

set(PELMORA_HOST_BUILD "${CMAKE_SOURCE_DIR}/build" CACHE PATH
  "The Linux build whose generator made the textures and sounds")
set(PELMORA_HOST_RUN ${PELMORA_HOST_BUILD}/run)
set(PELMORA_WEB_SOURCE ${CMAKE_SOURCE_DIR}/src/platform/web)

# -O2 rather than -Os: -Os saved under 1 KB of the wasm's 58 KB gzipped, a
# trifle beside the 1.7 MB of textures and sounds, for slower code.
set(CMAKE_CXX_FLAGS_RELEASE "-O2 -DNDEBUG")

file(GLOB PELMORA_WEB_SOURCES CONFIGURE_DEPENDS ${PELMORA_WEB_SOURCE}/*.cpp)
add_library(pelmora_web STATIC ${PELMORA_WEB_SOURCES})
target_link_libraries(pelmora_web PUBLIC pelmora_core)
target_compile_options(pelmora_web PRIVATE ${PELMORA_WARNINGS})

file(GLOB PELMORA_WEBGL_SOURCES CONFIGURE_DEPENDS src/view/webgl/*.cpp)
add_executable(pelmora src/main.cpp ${PELMORA_WEBGL_SOURCES})
target_link_libraries(pelmora PRIVATE pelmora_web)
target_compile_options(pelmora PRIVATE ${PELMORA_WARNINGS})
# The page (index.html) is our own: emscripten's HTML output fails in its
# minifier on Debian's package, and its page is not the game's.
set_target_properties(pelmora PROPERTIES SUFFIX .js)

# The game's main loop runs unchanged under ASYNCIFY, suspended where it would
# block (web_system.h says where); only the backend's EM_ASYNC_JS functions
# suspend, and emscripten adds those to the imports it instruments for.
# The score file's folder lives in IndexedDB (storage.js mounts it); the
# textures and sounds are the Linux generator's files, packed into
# pelmora.data under /assets.
target_link_options(pelmora PRIVATE
  -sASYNCIFY=1
  -sUSE_WEBGL2=1 -sMIN_WEBGL_VERSION=2 -sMAX_WEBGL_VERSION=2
  -sALLOW_MEMORY_GROWTH=1
  -sENVIRONMENT=web
  -lidbfs.js
  "SHELL:--pre-js ${PELMORA_WEB_SOURCE}/storage.js"
  "SHELL:--preload-file ${PELMORA_HOST_RUN}/textures@/assets/textures"
  "SHELL:--preload-file ${PELMORA_HOST_RUN}/sounds@/assets/sounds")
file(GLOB PELMORA_PACKAGED CONFIGURE_DEPENDS ${PELMORA_HOST_RUN}/textures/* ${PELMORA_HOST_RUN}/sounds/*)
set_property(TARGET pelmora APPEND PROPERTY LINK_DEPENDS
  ${PELMORA_WEB_SOURCE}/storage.js ${PELMORA_PACKAGED})

# The folder as a static host serves it, and its zip with index.html at the
# top, as game portals want it.
set(PELMORA_WEB_DIST ${CMAKE_BINARY_DIR}/dist)
set(PELMORA_WEB_ZIP ${CMAKE_BINARY_DIR}/pelmora-web.zip)
add_custom_target(dist ALL
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${PELMORA_WEB_DIST} ${PELMORA_WEB_ZIP}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${PELMORA_WEB_DIST}
  COMMAND ${CMAKE_COMMAND} -E copy ${PELMORA_WEB_SOURCE}/index.html
    $<TARGET_FILE_DIR:pelmora>/pelmora.js $<TARGET_FILE_DIR:pelmora>/pelmora.wasm
    $<TARGET_FILE_DIR:pelmora>/pelmora.data ${PELMORA_WEB_DIST}
  COMMAND ${CMAKE_COMMAND} -E copy ${PELMORA_HOST_BUILD}/icons/pelmora.ico
    ${PELMORA_WEB_DIST}/favicon.ico
  COMMAND ${CMAKE_COMMAND} -E chdir ${PELMORA_WEB_DIST}
    ${CMAKE_COMMAND} -E tar cf ${PELMORA_WEB_ZIP} --format=zip
      index.html pelmora.js pelmora.wasm pelmora.data favicon.ico
  DEPENDS pelmora ${PELMORA_WEB_SOURCE}/index.html
  COMMENT "Putting together dist/ and pelmora-web.zip"
  VERBATIM)
