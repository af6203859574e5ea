# toolchain-mingw-w64-x86_64.cmake -- cross-builds the Windows programs (64-bit) with Debian's
# mingw-w64 and runs the built tests under Wine.
#
#   cmake -S . -B build-windows -G Ninja \
#         -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw-w64-x86_64.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

# The posix thread model: the win32 one has no std::mutex, which googletest needs.
set(mingw_triplet x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${mingw_triplet}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingw_triplet}-g++-posix)
set(CMAKE_RC_COMPILER ${mingw_triplet}-windres)

# Libraries and headers of the target only; programs of the build machine.
set(CMAKE_FIND_ROOT_PATH /usr/${mingw_triplet})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The C++ run-time, libgcc and the thread library linked in: the programs need
# only the DLLs that come with Windows.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

# Built programs (the tests) run here under Wine.
find_program(FOOTBALL_WINE NAMES wine wine64)
if(FOOTBALL_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${FOOTBALL_WINE})
endif()
