# Helpers for the Windows builds (mingw-w64 cross builds; the flags also suit MSVC).
#
#   quillmere_windows_executable(NAME [GUI] SOURCES...)   a Windows program
#   quillmere_windows_library(NAME DEF file.def SOURCES...) a DLL with plain export names
#   quillmere_require_googletest()                       builds GoogleTest for the target once,
#                                                        for test programs that link it
#   quillmere_test_program(TARGET)                       a Windows test program: declares itself
#                                                        DPI-aware as the product does
#   quillmere_add_wine_gtest(NAME SOURCES...)            a GoogleTest program, registered as one
#                                                        ctest entry run under Wine (label wine)
#   quillmere_add_wine_test(NAME name COMMAND ... [GUI] [LABELS ...])
#       a test that needs Wine: gets the template-prefix fixture, the label `wine`,
#       QUILLMERE_WINE_ROOT and QUILLMERE_WINE_ARCH; a target name as first word of COMMAND runs
#       in a fresh prefix. Scripts may `source tests/wine/wine_prefix.sh` for more control.
#       GUI wraps the command in `xvfb-run -a`. Registered once, a test runs for both builds:
#       x64 under the machine's Wine, x86 inside the WoW64 root (scripts/wow64-root.sh). What
#       differs between them (system folder, reg.exe and regsvr32.exe, type-library platform,
#       Program Files folder, registry view) a script takes from wine_prefix.sh, which derives
#       it from QUILLMERE_WINE_ARCH. A test's own Windows programs get quillmere_test_program.
#   quillmere_check_imports(TARGET)  tests that the file imports Windows system DLLs only, and
#                                    that no import slot its code calls through is empty, and
#                                    only functions the oldest supported Windows has
#   quillmere_check_size(TARGET MAX)  a test that the file stays within MAX bytes

# The Wine prefixes of this build's tests, and the script that makes them.
set(QUILLMERE_WINE_ROOT ${CMAKE_BINARY_DIR}/wine)
set(QUILLMERE_WINE_PREFIX_SH ${PROJECT_SOURCE_DIR}/tests/wine/wine_prefix.sh)
# Debian's mingw-w64 ships no .idl files: widl imports them from Wine's, and stdole2.tlb too.
set(QUILLMERE_WINE_IDL_DIR /usr/include/wine/wine/windows CACHE PATH "Wine's IDL files")
set(QUILLMERE_STDOLE_DIR /usr/lib/x86_64-linux-gnu/wine/x86_64-windows CACHE PATH "Folder of stdole2.tlb")

# Windows 7 API level, wide-character Win32 API throughout.
add_compile_definitions(UNICODE _UNICODE _WIN32_WINNT=0x0601 WINVER=0x0601 WIN32_LEAN_AND_MEAN NOMINMAX)

if(MINGW)
  # Small files: optimise for size, and let the linker drop every function and datum nothing
  # calls. Same bytes from any checkout at any time: no build folder in the code, no link time
  # in the PE header.
  string(REPLACE "-O3" "-Os" CMAKE_CXX_FLAGS_RELEASE "${CMAKE_CXX_FLAGS_RELEASE}")
  add_compile_options(-ffunction-sections -fdata-sections -ffile-prefix-map=${PROJECT_SOURCE_DIR}/=
                      -ffile-prefix-map=${CMAKE_BINARY_DIR}/=)
  add_link_options(-Wl,--gc-sections -Wl,--no-insert-timestamp)
endif()

function(quillmere_windows_executable name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "GUI" "" "")
  if(arg_GUI)
    add_executable(${name} WIN32 ${arg_UNPARSED_ARGUMENTS})
  else()
    add_executable(${name} ${arg_UNPARSED_ARGUMENTS})
  endif()
  if(MINGW)
    # wWinMain / wmain entry points.
    target_link_options(${name} PRIVATE -municode)
  endif()
endfunction()

function(quillmere_windows_library name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "DEF" "")
  add_library(${name} SHARED ${arg_UNPARSED_ARGUMENTS} ${arg_DEF})
  # Tessivar.dll, not libTessivar.dll.
  set_target_properties(${name} PROPERTIES PREFIX "" RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
endfunction()

# GoogleTest built from Debian's source package for the target, once, when a test program needs it.
function(quillmere_require_googletest)
  if(TARGET gtest)
    return()
  endif()
  set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
  if(MINGW)
    # Searched before GoogleTest's own folders, so its custom port header is ours.
    target_include_directories(gtest BEFORE PUBLIC ${PROJECT_SOURCE_DIR}/cmake/gtest-mingw)
    target_include_directories(gtest_main BEFORE PRIVATE ${PROJECT_SOURCE_DIR}/cmake/gtest-mingw)
  endif()
endfunction()

function(quillmere_add_wine_test)
  cmake_parse_arguments(PARSE_ARGV 0 arg "GUI" "NAME" "COMMAND;LABELS")
  set(command ${arg_COMMAND})
  list(GET command 0 program)
  if(TARGET ${program})
    list(POP_FRONT command)
    list(PREPEND command ${QUILLMERE_WINE_PREFIX_SH} run $<TARGET_FILE:${program}>)
  endif()
  if(arg_GUI)
    list(PREPEND command xvfb-run -a)
  endif()
  add_test(NAME ${arg_NAME} COMMAND ${QUILLMERE_WINE_RUNNER} ${command})
  set_tests_properties(${arg_NAME} PROPERTIES
    LABELS "wine;${arg_LABELS}"
    FIXTURES_REQUIRED wine_template
    ENVIRONMENT "${QUILLMERE_WINE_ENVIRONMENT};QUILLMERE_BIN=${CMAKE_BINARY_DIR}/bin"
    TIMEOUT 120)
endfunction()

function(quillmere_test_program target)
  set(rc ${PROJECT_SOURCE_DIR}/tests/wine/dpi_aware.rc)
  target_sources(${target} PRIVATE ${rc})
  set_source_files_properties(${rc} TARGET_DIRECTORY ${target} PROPERTIES
    OBJECT_DEPENDS ${PROJECT_SOURCE_DIR}/tests/wine/dpi_aware.manifest)
endfunction()

# A GoogleTest program that runs under Wine as one test (one Wine start for all its cases).
function(quillmere_add_wine_gtest name)
  quillmere_require_googletest()
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE gtest gtest_main)
  quillmere_test_program(${name})
  if(QUILLMERE_RUN_WINE_TESTS)
    quillmere_add_wine_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
  endif()
endfunction()

function(quillmere_check_imports target)
  add_test(NAME ${target}_imports_system_dlls_only
    COMMAND ${CMAKE_COMMAND} -DOBJDUMP=${QUILLMERE_OBJDUMP} -DFILE=$<TARGET_FILE:${target}>
            -P ${PROJECT_SOURCE_DIR}/cmake/CheckImports.cmake)
  set_tests_properties(${target}_imports_system_dlls_only PROPERTIES LABELS imports)
  add_test(NAME ${target}_import_slots_hold_values
    COMMAND ${PROJECT_SOURCE_DIR}/cmake/check_import_slots.sh ${QUILLMERE_OBJDUMP} $<TARGET_FILE:${target}>)
  set_tests_properties(${target}_import_slots_hold_values PROPERTIES LABELS imports)
  add_test(NAME ${target}_loads_on_oldest_windows
    COMMAND ${CMAKE_COMMAND} -DOBJDUMP=${QUILLMERE_OBJDUMP} -DFILE=$<TARGET_FILE:${target}>
            -DALLOWED=${PROJECT_SOURCE_DIR}/cmake/oldest-windows-imports.txt
            -P ${PROJECT_SOURCE_DIR}/cmake/CheckOldestWindows.cmake)
  set_tests_properties(${target}_loads_on_oldest_windows PROPERTIES LABELS imports)
endfunction()

function(quillmere_check_size target max)
  add_test(NAME ${target}_size
    COMMAND ${CMAKE_COMMAND} -DFILE=$<TARGET_FILE:${target}> -DMAX=${max}
            -P ${PROJECT_SOURCE_DIR}/cmake/CheckFileSize.cmake)
  set_tests_properties(${target}_size PROPERTIES LABELS size)
endfunction()

# Tests that run Windows programs, for both builds: x64 under the machine's Wine; x86 inside the
# WoW64 root, whose Wine runs 32-bit code where the kernel allows it (the template's fixture
# makes or reuses the root first and fails with the kernel's one-line cause where it does not).
if(CMAKE_CROSSCOMPILING AND CMAKE_SYSTEM_PROCESSOR MATCHES "^(x86_64|x86)$")
  set(QUILLMERE_RUN_WINE_TESTS ON)
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(QUILLMERE_WINE_ARCH x64)
    set(QUILLMERE_WINE_RUNNER)
    set(template_runner)
  else()
    set(QUILLMERE_WINE_ARCH x86)
    set(QUILLMERE_WINE_RUNNER ${PROJECT_SOURCE_DIR}/scripts/wow64-root.sh run --)
    set(template_runner ${PROJECT_SOURCE_DIR}/scripts/wow64-root.sh run --ensure --)
  endif()
  set(QUILLMERE_WINE_ENVIRONMENT "QUILLMERE_WINE_ROOT=${QUILLMERE_WINE_ROOT};QUILLMERE_WINE_ARCH=${QUILLMERE_WINE_ARCH}")
  add_test(NAME wine_template_build COMMAND ${template_runner} ${QUILLMERE_WINE_PREFIX_SH} template)
  add_test(NAME wine_template_drop COMMAND ${QUILLMERE_WINE_RUNNER} ${QUILLMERE_WINE_PREFIX_SH} drop-template)
  # Making the root, when it is missing, takes a few minutes.
  set_tests_properties(wine_template_build PROPERTIES FIXTURES_SETUP wine_template LABELS wine
                       ENVIRONMENT "${QUILLMERE_WINE_ENVIRONMENT}" TIMEOUT 900)
  set_tests_properties(wine_template_drop PROPERTIES FIXTURES_CLEANUP wine_template LABELS wine
                       ENVIRONMENT "${QUILLMERE_WINE_ENVIRONMENT}")
else()
  set(QUILLMERE_RUN_WINE_TESTS OFF)
endif()
