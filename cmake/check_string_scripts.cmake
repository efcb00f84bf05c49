# cmake -P check_string_scripts.cmake SCRIPT...
# Rejects a string-table entry whose text is empty: the resource compiler would
# store it as no text at all, so the loss would never show in the module.
cmake_policy(VERSION 3.25)
set(failed FALSE)
include("${CMAKE_CURRENT_LIST_DIR}/script_arguments.cmake")
foreach(script IN LISTS args)
  file(READ "${script}" content)
  string(REGEX MATCHALL "[0-9A-Za-z_]+[ \t]*,[ \t]*\"\"[ \t]*\r?\n" empties "${content}")
  foreach(entry IN LISTS empties)
    string(REGEX REPLACE "^([0-9A-Za-z_]+).*" "\\1" id "${entry}")
    message(NOTICE "${script}: text ${id}: empty: a text must hold at least one character: \"\"")
    set(failed TRUE)
  endforeach()
endforeach()
if(failed)
  message(FATAL_ERROR "string scripts hold empty texts")
endif()
