# i686-w64-mingw32: the shipping build (PowerPoint 2007 is 32-bit). Its programs run under the
# WoW64 root's Wine (scripts/wow64-root.sh), which needs a kernel that runs 32-bit code.
set(CMAKE_SYSTEM_PROCESSOR x86)
set(QUILLMERE_MINGW_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)

# With a .def file, let the undecorated export names bind to the stdcall (@N) symbols.
string(APPEND CMAKE_SHARED_LINKER_FLAGS_INIT " -Wl,--enable-stdcall-fixup")
string(APPEND CMAKE_EXE_LINKER_FLAGS_INIT " -Wl,--enable-stdcall-fixup")

# Every Windows test program runs in its own throwaway Wine prefix, inside the WoW64 root.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wow64-root.sh run --
    ${CMAKE_CURRENT_LIST_DIR}/../tests/wine/wine_prefix.sh run)
