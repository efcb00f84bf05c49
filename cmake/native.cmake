# The native side: the tools, the tests, and the Windows builds as external
# projects of this same tree.
include(ExternalProject)
enable_testing()

set(TORVIK_OUT "${CMAKE_BINARY_DIR}/out")
set(TORVIK_FIXTURES "${CMAKE_BINARY_DIR}/fixtures")
set(TORVIK_MODULE_I686 "${TORVIK_OUT}/i686/TORVIK.dll")
set(TORVIK_MODULE_X86_64 "${TORVIK_OUT}/x86_64/TORVIK.dll")

find_package(ZLIB REQUIRED)
set(GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources (Debian package googletest)")
if(NOT EXISTS "${GOOGLETEST_SOURCE}/CMakeLists.txt")
  message(FATAL_ERROR "GoogleTest sources not found at ${GOOGLETEST_SOURCE}: run scripts/bootstrap")
endif()
add_subdirectory("${GOOGLETEST_SOURCE}" googletest EXCLUDE_FROM_ALL)

# The script check runs before any module is compiled: windres would store an
# empty text as no text at all, so only the scripts can show one.
file(GLOB string_scripts CONFIGURE_DEPENDS "${CMAKE_SOURCE_DIR}/strings/*.rc")
add_custom_target(string_scripts_check ALL
  COMMAND ${CMAKE_COMMAND} -P "${CMAKE_SOURCE_DIR}/cmake/check_string_scripts.cmake" ${string_scripts}
  COMMENT "Checking the string scripts"
  VERBATIM)

# The images: every source in images/ compiled to build/images/<name>.bmp,
# which the modules' resource script takes. The strip is 70 by 39, the
# picture-button images 30 by 30.
set(TORVIK_IMAGE_DIR "${CMAKE_BINARY_DIR}/images")
file(GLOB image_sources CONFIGURE_DEPENDS "${CMAKE_SOURCE_DIR}/images/*.txt")
set(image_files "")
foreach(source IN LISTS image_sources)
  get_filename_component(name "${source}" NAME_WE)
  string(REPLACE "(" "_L" file_name "${name}")
  string(REPLACE ")" "_R" file_name "${file_name}")
  if(name STREQUAL "26567")
    set(size 70x39)
  else()
    set(size 30x30)
  endif()
  set(bmp "${TORVIK_IMAGE_DIR}/${file_name}.bmp")
  add_custom_command(OUTPUT "${bmp}"
    COMMAND ${CMAKE_COMMAND} -E make_directory "${TORVIK_IMAGE_DIR}"
    COMMAND torvik-imgc --size ${size} "${source}" "${bmp}"
    DEPENDS "${source}" torvik-imgc
    COMMENT "Compiling image ${name}"
    VERBATIM)
  list(APPEND image_files "${bmp}")
endforeach()
add_custom_target(images ALL DEPENDS ${image_files})

# module_<arch>: TORVIK.dll for that architecture; i686 also builds the fixtures.
foreach(arch i686 x86_64)
  set(extra_args "")
  if(arch STREQUAL "i686")
    set(extra_args "-DTORVIK_FIXTURE_DIR=${TORVIK_FIXTURES}")
  endif()
  ExternalProject_Add(module_${arch}
    SOURCE_DIR "${CMAKE_SOURCE_DIR}"
    BINARY_DIR "${CMAKE_BINARY_DIR}/windows-${arch}"
    CMAKE_ARGS
      "-DCMAKE_TOOLCHAIN_FILE=${CMAKE_SOURCE_DIR}/cmake/mingw-${arch}.cmake"
      -DCMAKE_BUILD_TYPE=Release
      "-DTORVIK_OUT_DIR=${TORVIK_OUT}/${arch}"
      "-DTORVIK_SEAL_TOOL=${CMAKE_BINARY_DIR}/tools/torvik-seal-resources"
      "-DTORVIK_IMAGE_DIR=${TORVIK_IMAGE_DIR}"
      ${extra_args}
    INSTALL_COMMAND ""
    BUILD_ALWAYS TRUE
    BUILD_BYPRODUCTS "${TORVIK_OUT}/${arch}/TORVIK.dll"
    USES_TERMINAL_BUILD TRUE)
  add_dependencies(module_${arch} string_scripts_check torvik-seal-resources images)
endforeach()

# The Wine test programs: cross-built GoogleTest with the posix thread model.
ExternalProject_Add(wine_tests
  SOURCE_DIR "${CMAKE_SOURCE_DIR}/tests/wine"
  BINARY_DIR "${CMAKE_BINARY_DIR}/wine-tests"
  CMAKE_ARGS
    "-DCMAKE_TOOLCHAIN_FILE=${CMAKE_SOURCE_DIR}/cmake/mingw-x86_64-posix.cmake"
    -DCMAKE_BUILD_TYPE=Release
    "-DGOOGLETEST_SOURCE=${GOOGLETEST_SOURCE}"
  INSTALL_COMMAND ""
  BUILD_ALWAYS TRUE
  USES_TERMINAL_BUILD TRUE)

add_subdirectory(tools)
add_subdirectory(host)

# Every build checks the catalogue of both modules; a broken rule fails it.
add_custom_target(catalogue_check ALL
  COMMAND torvik-inspect check "${TORVIK_MODULE_I686}" "${TORVIK_MODULE_X86_64}"
  COMMENT "Checking the text catalogue of both modules"
  VERBATIM)
add_dependencies(catalogue_check module_i686 module_x86_64 torvik-inspect)

# The host's Win32 programs (the gallery, later the demo host), cross-built.
ExternalProject_Add(host_programs
  SOURCE_DIR "${CMAKE_SOURCE_DIR}/host/win32"
  BINARY_DIR "${CMAKE_BINARY_DIR}/host-programs"
  CMAKE_ARGS
    "-DCMAKE_TOOLCHAIN_FILE=${CMAKE_SOURCE_DIR}/cmake/mingw-x86_64.cmake"
    -DCMAKE_BUILD_TYPE=Release
  INSTALL_COMMAND ""
  BUILD_ALWAYS TRUE
  BUILD_BYPRODUCTS "${CMAKE_BINARY_DIR}/host-programs/torvik_gallery.exe"
  USES_TERMINAL_BUILD TRUE)

# The gallery: every dialog of the twin created by Wine's dialog manager under
# Xvfb and copied from the screen, and the product's bitmaps enlarged eight
# times, in build/gallery/index.html. Its Wine prefix keeps the X11 driver.
set(TORVIK_GALLERY "${CMAKE_BINARY_DIR}/gallery")
set(TORVIK_WINE /usr/lib/wine/wine64 CACHE FILEPATH "64-bit Wine loader")
set(gallery_shots "${CMAKE_BINARY_DIR}/gallery-shots")
string(REPLACE "/" "\\" gallery_module "Z:${TORVIK_MODULE_X86_64}")
string(REPLACE "/" "\\" gallery_out "Z:${gallery_shots}")
set(gallery_road "${CMAKE_BINARY_DIR}/gallery-road")
string(REPLACE "/" "\\" gallery_road_out "Z:${gallery_road}")
add_custom_target(gallery ALL
  COMMAND torvik-inspect bitmaps "${TORVIK_MODULE_I686}" --png "${TORVIK_GALLERY}/bitmaps" --scale 8
  COMMAND ${CMAKE_COMMAND} -E rm -rf "${gallery_shots}"
  COMMAND ${CMAKE_COMMAND} -E make_directory "${gallery_shots}"
  COMMAND ${CMAKE_COMMAND} -E env "WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix-gallery" WINEDEBUG=-all
          "WINEDLLOVERRIDES=mscoree,mshtml=" "${CMAKE_SOURCE_DIR}/host/win32/run_gallery.sh"
          "${TORVIK_WINE}" "${CMAKE_BINARY_DIR}/host-programs/torvik_gallery.exe"
          "--module=${gallery_module}" "--out=${gallery_out}"
  COMMAND ${CMAKE_COMMAND} -E rm -rf "${gallery_road}"
  COMMAND ${CMAKE_COMMAND} -E make_directory "${gallery_road}"
  COMMAND ${CMAKE_COMMAND} -E env "WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix-gallery" WINEDEBUG=-all
          "WINEDLLOVERRIDES=mscoree,mshtml=" "${CMAKE_SOURCE_DIR}/host/win32/run_gallery.sh"
          "${TORVIK_WINE}" "${CMAKE_BINARY_DIR}/host-programs/torvik_demo.exe"
          "--module=${gallery_module}" "--out=${gallery_road_out}" --screenshots
  COMMAND torvik-gallery-pages "${gallery_shots}" "${TORVIK_GALLERY}/bitmaps" "${TORVIK_GALLERY}" "${gallery_road}"
  COMMENT "Building the gallery in ${TORVIK_GALLERY}"
  VERBATIM)
add_dependencies(gallery catalogue_check host_programs torvik-gallery-pages)

add_subdirectory(tests)
