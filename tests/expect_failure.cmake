# cmake -DEXPECT=REGEX -P expect_failure.cmake COMMAND [ARG...]
# Passes when COMMAND exits non-zero and its output matches REGEX.
cmake_policy(VERSION 3.25)
include("${CMAKE_CURRENT_LIST_DIR}/../cmake/script_arguments.cmake")
execute_process(COMMAND ${args} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
set(all "${out}${err}")
message("${all}")
if(rc EQUAL 0)
  message(FATAL_ERROR "expected a failure, but the command succeeded")
endif()
if(NOT all MATCHES "${EXPECT}")
  message(FATAL_ERROR "the output does not match: ${EXPECT}")
endif()
