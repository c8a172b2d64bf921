# Cross toolchain for the Windows target: Debian's mingw-w64 compilers with the POSIX
# thread model, a fully static runtime and Wine as the emulator that runs test programs.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(MIREVAN_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${MIREVAN_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MIREVAN_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${MIREVAN_MINGW_PREFIX}-windres)
set(CMAKE_OBJDUMP ${MIREVAN_MINGW_PREFIX}-objdump)

set(CMAKE_FIND_ROOT_PATH /usr/${MIREVAN_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# No libstdc++/libgcc/winpthread or zlib DLLs next to the programs: everything is linked in.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static")
set(ZLIB_USE_STATIC_LIBS ON)

# Test programs run under Wine; the environment (prefix, display) comes from the caller.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-exec.sh)
