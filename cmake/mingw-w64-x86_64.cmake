# Cross-builds for 64-bit Windows with Debian's MinGW-w64 (the posix-thread variant,
# whose libstdc++ has std::thread and std::mutex):
#   cmake -S . -B build-windows --toolchain cmake/mingw-w64-x86_64.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(QELMAR_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${QELMAR_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QELMAR_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${QELMAR_MINGW_TRIPLE}-windres)

# Libraries and headers come only from the MinGW tree, never from the Linux host.
set(CMAKE_FIND_ROOT_PATH /usr/${QELMAR_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# libgcc, libstdc++ and winpthread linked in, so an .exe needs only Windows' own DLLs
# and runs from any folder.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)
