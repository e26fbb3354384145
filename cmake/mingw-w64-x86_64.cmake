# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 (posix threads,
# so that std::thread and std::mutex are there for GoogleTest).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${MINGW_TRIPLET}-windres)

# Headers and libraries come from the MinGW sysroot and from the prefixes
# handed in with CMAKE_PREFIX_PATH (our SDL2 build), never from the host.
# A prefix that is itself a root is searched as it is, not below the sysroot.
set(CMAKE_FIND_ROOT_PATH /usr/${MINGW_TRIPLET} ${CMAKE_PREFIX_PATH})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# One self-contained .exe: the C and C++ runtimes and winpthreads are linked in, so nothing but
# Windows' own DLLs has to ship beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
