# i686-w64-mingw32: the shipping build (PowerPoint 2007 is 32-bit). Its programs need a kernel
# that runs 32-bit code (scripts/wow64-root.sh kernel); the build machines' kernel does not, so
# here this build is compiled, linked and checked statically, not run.
set(CMAKE_SYSTEM_PROCESSOR x86)
set(QUILLMERE_MINGW_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)

# With a .def file, let the undecorated export names bind to the stdcall (@N) symbols.
string(APPEND CMAKE_SHARED_LINKER_FLAGS_INIT " -Wl,--enable-stdcall-fixup")
string(APPEND CMAKE_EXE_LINKER_FLAGS_INIT " -Wl,--enable-stdcall-fixup")
