# Cross build for 64-bit Windows with mingw-w64 (POSIX threads), run under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(MORVA_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${MORVA_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MORVA_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${MORVA_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${MORVA_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Without -static the executables need the compiler's runtime DLLs, which
# Wine cannot find: they exit with code 53 and print nothing.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# Unicode Windows API by default; Windows 8 API level for
# FileRenameInfoEx/FILE_RENAME_FLAG_POSIX_SEMANTICS declarations.
add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0A00)

# Every test and tool run (including gtest discovery at build time) goes
# through a wrapper that prepares a Wine prefix private to this build tree.
set(CMAKE_CROSSCOMPILING_EMULATOR
    ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh;${CMAKE_BINARY_DIR}/wineprefix)
