# The product: TORVIK.dll as PE32.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(TORVIK_THREAD_MODEL win32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
