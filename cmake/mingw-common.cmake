# Shared part of the MinGW-w64 cross toolchains; the including file sets PELORUS_MINGW_TRIPLE.
set(CMAKE_SYSTEM_NAME Windows)
# The posix thread model, which GoogleTest needs (std::mutex); everything links statically,
# so no thread library DLL ships or is mapped into hooked processes.
set(CMAKE_C_COMPILER   ${PELORUS_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${PELORUS_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER  ${PELORUS_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${PELORUS_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# ctest runs the Windows test programs under the project's own Wine environment.
get_filename_component(_pelorus_root "${CMAKE_CURRENT_LIST_DIR}/.." ABSOLUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR "${_pelorus_root}/scripts/winenv;--arch;${PELORUS_WINE_ARCH};--;wine")
