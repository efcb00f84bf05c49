# The 64-bit twin: the same sources as PE32+, to run under 64-bit Wine.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(TORVIK_THREAD_MODEL win32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
