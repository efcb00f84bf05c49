# The Windows side: TORVIK.dll for one architecture (i686 is the product,
# x86_64 its twin), and on i686 the small fixture modules the tests read.
enable_language(RC)

set(TORVIK_OUT_DIR "${CMAKE_BINARY_DIR}/out" CACHE PATH "Where the module lands")
set(TORVIK_FIXTURE_DIR "" CACHE PATH "Where fixture modules land; empty: none are built")
set(TORVIK_SEAL_TOOL "" CACHE FILEPATH "The native torvik-seal-resources")
set(TORVIK_IMAGE_DIR "" CACHE PATH "The compiled bitmaps (build/images)")
foreach(input TORVIK_SEAL_TOOL TORVIK_IMAGE_DIR)
  if(NOT EXISTS "${${input}}")
    message(FATAL_ERROR "${input} (${${input}}) is missing: build from the top-level project")
  endif()
endforeach()

# Reproducible, hardened, self-contained: the runtime linked in, no symbols,
# a GUI-subsystem library, no timestamp, relocatable and non-executable data.
set(torvik_link_options -static -s -Wl,--subsystem,windows -Wl,--dynamicbase -Wl,--nxcompat -Wl,--no-insert-timestamp)
# A fixed preferred base: the linker's automatic one is a hash of the output
# path, which would make builds in different directories differ.
if(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
  list(APPEND torvik_link_options -Wl,--high-entropy-va -Wl,--image-base,0x180000000)
else()
  list(APPEND torvik_link_options -Wl,--image-base,0x10000000)
endif()
add_compile_options(-ffile-prefix-map=${CMAKE_SOURCE_DIR}=. -Wall -Wextra
  -Os -fno-exceptions -fno-rtti -ffunction-sections -fdata-sections)
list(APPEND torvik_link_options -Wl,--gc-sections)

# A module built from resource scripts (and, later, code) under the rules above.
function(torvik_add_module target output_dir)
  add_library(${target} SHARED ${ARGN})
  set_target_properties(${target} PROPERTIES
    PREFIX "" LINKER_LANGUAGE CXX
    RUNTIME_OUTPUT_DIRECTORY "${output_dir}"
    ARCHIVE_OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}/implib")
  target_include_directories(${target} PRIVATE "${CMAKE_SOURCE_DIR}/include" "${CMAKE_SOURCE_DIR}")
  target_link_options(${target} PRIVATE ${torvik_link_options})
  # The linker always makes .rsrc writable; resources are constant, so the
  # section is turned read-only before anything reads the module.
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND "${TORVIK_SEAL_TOOL}" "$<TARGET_FILE:${target}>" VERBATIM)
endfunction()

# windres does not report the bitmap files a script names, so name them, and
# every script and header too.
file(GLOB torvik_rc_inputs CONFIGURE_DEPENDS
  "${CMAKE_SOURCE_DIR}/shell/*.rc" "${CMAKE_SOURCE_DIR}/strings/*.rc" "${CMAKE_SOURCE_DIR}/images/*.rc"
  "${CMAKE_SOURCE_DIR}/dialogs/*.rc" "${CMAKE_SOURCE_DIR}/dialogs/*.h"
  "${CMAKE_SOURCE_DIR}/include/*.h")
file(GLOB image_sources CONFIGURE_DEPENDS "${CMAKE_SOURCE_DIR}/images/*.txt")
foreach(source IN LISTS image_sources)
  get_filename_component(name "${source}" NAME_WE)
  string(REPLACE "(" "_L" file_name "${name}")
  string(REPLACE ")" "_R" file_name "${file_name}")
  list(APPEND torvik_rc_inputs "${TORVIK_IMAGE_DIR}/${file_name}.bmp")
endforeach()
set_source_files_properties("${CMAKE_SOURCE_DIR}/shell/torvik.rc" PROPERTIES OBJECT_DEPENDS "${torvik_rc_inputs}")

# The exports: plain names mapped to the i686 stdcall decorations.
if(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
  set(FILTER_DLL_MSG_SUFFIX "")
  set(PROCESS_DLL_IDLE_SUFFIX "")
else()
  set(FILTER_DLL_MSG_SUFFIX "@4")
  set(PROCESS_DLL_IDLE_SUFFIX "@0")
endif()
configure_file("${CMAKE_SOURCE_DIR}/shell/torvik.def.in" "${CMAKE_BINARY_DIR}/torvik.def" @ONLY)

file(GLOB framework_sources CONFIGURE_DEPENDS "${CMAKE_SOURCE_DIR}/framework/*.cpp")
set(module_sources
  ${framework_sources}
  "${CMAKE_SOURCE_DIR}/shell/resource_module_app.cpp"
  "${CMAKE_SOURCE_DIR}/shell/exports.cpp"
  "${CMAKE_SOURCE_DIR}/shell/torvik.rc"
  "${CMAKE_BINARY_DIR}/torvik.def")

torvik_add_module(TORVIK "${TORVIK_OUT_DIR}" ${module_sources})
target_include_directories(TORVIK PRIVATE "${TORVIK_IMAGE_DIR}")
target_include_directories(TORVIK PRIVATE "${CMAKE_SOURCE_DIR}/framework")

# The same resources in a DLL without code or entry point, the baseline the
# benchmarks measure the module against (TORVIK-resources.dll beside it).
torvik_add_module(TORVIK_resources "${TORVIK_OUT_DIR}" "${CMAKE_SOURCE_DIR}/shell/torvik.rc")
set_target_properties(TORVIK_resources PROPERTIES OUTPUT_NAME TORVIK-resources)
target_include_directories(TORVIK_resources PRIVATE "${TORVIK_IMAGE_DIR}")
target_link_options(TORVIK_resources PRIVATE -nostdlib -nostartfiles -Wl,--entry,0)

# The probe build of the twin: the same sources with the probe points compiled
# in, plus the probe unit. It lands beside the twin as TORVIK-probe.dll.
if(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
  torvik_add_module(TORVIK_probe "${TORVIK_OUT_DIR}" ${module_sources} "${CMAKE_SOURCE_DIR}/tests/probe/lifecycle_probe.cpp")
  set_target_properties(TORVIK_probe PROPERTIES OUTPUT_NAME TORVIK-probe)
  target_include_directories(TORVIK_probe PRIVATE "${CMAKE_SOURCE_DIR}/framework" "${TORVIK_IMAGE_DIR}")
  target_compile_definitions(TORVIK_probe PRIVATE TORVIK_PROBE)
endif()

if(TORVIK_FIXTURE_DIR)
  file(GLOB fixture_scripts CONFIGURE_DEPENDS "${CMAKE_SOURCE_DIR}/tests/fixtures/modules/*.rc")
  foreach(script IN LISTS fixture_scripts)
    get_filename_component(name "${script}" NAME_WE)
    torvik_add_module(fixture_${name} "${TORVIK_FIXTURE_DIR}" "${script}")
    set_target_properties(fixture_${name} PROPERTIES OUTPUT_NAME ${name})
  endforeach()
endif()
