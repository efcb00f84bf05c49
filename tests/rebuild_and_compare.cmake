# cmake -DARCH=i686 -DSOURCE=dir -DWORK=dir -DREFERENCE=dll -DSEAL_TOOL=exe -DIMAGE_DIR=dir -P rebuild_and_compare.cmake
# Builds the module again from the same sources in another directory and
# requires the result to be byte-identical to the reference build.
cmake_policy(VERSION 3.25)
file(REMOVE_RECURSE "${WORK}")
execute_process(
  COMMAND "${CMAKE_COMMAND}" -S "${SOURCE}" -B "${WORK}/tree" -G Ninja
          "-DCMAKE_TOOLCHAIN_FILE=${SOURCE}/cmake/mingw-${ARCH}.cmake" -DCMAKE_BUILD_TYPE=Release
          "-DTORVIK_OUT_DIR=${WORK}/elsewhere" "-DTORVIK_SEAL_TOOL=${SEAL_TOOL}" "-DTORVIK_IMAGE_DIR=${IMAGE_DIR}"
  OUTPUT_QUIET RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "configuring the second ${ARCH} build failed")
endif()
execute_process(COMMAND "${CMAKE_COMMAND}" --build "${WORK}/tree" --target TORVIK OUTPUT_QUIET RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "the second ${ARCH} build failed")
endif()
file(SHA256 "${REFERENCE}" first)
file(SHA256 "${WORK}/elsewhere/TORVIK.dll" second)
message("${ARCH}: ${first} (build/out), ${second} (second build)")
if(NOT first STREQUAL second)
  message(FATAL_ERROR "the two ${ARCH} builds differ: cmp ${REFERENCE} ${WORK}/elsewhere/TORVIK.dll")
endif()
