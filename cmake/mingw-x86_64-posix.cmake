# The Wine test programs: posix thread model, because GoogleTest needs
# std::mutex, which the win32 model of this g++ lacks.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(TORVIK_THREAD_MODEL posix)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
