# Cross-builds the core and quillkit-cli for 64-bit Windows with Debian's mingw-w64
# (g++-mingw-w64-x86-64). Configure with -DQUILLKIT_UI=OFF -DQUILLKIT_BENCHMARKS=OFF:
# there is no Qt for Windows here.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(_quillkit_mingw x86_64-w64-mingw32)
# The posix thread model gives the whole standard library, std::thread included.
find_program(CMAKE_CXX_COMPILER NAMES ${_quillkit_mingw}-g++-posix ${_quillkit_mingw}-g++ REQUIRED)
find_program(CMAKE_C_COMPILER NAMES ${_quillkit_mingw}-gcc-posix ${_quillkit_mingw}-gcc REQUIRED)
find_program(CMAKE_RC_COMPILER NAMES ${_quillkit_mingw}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${_quillkit_mingw})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# libstdc++, libgcc and winpthread linked in, so the .exe files run (under Wine too)
# without mingw's DLLs beside them.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# CTest runs the test programs through Wine when it is there.
find_program(QUILLKIT_WINE NAMES wine64 wine PATHS /usr/lib/wine NO_DEFAULT_PATH)
find_program(QUILLKIT_WINE NAMES wine64 wine)
if(QUILLKIT_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${QUILLKIT_WINE})
endif()
