# Fails unless FILE (a PE file) imports Windows system DLLs only: a static C/C++ runtime means
# no libstdc++/libgcc/winpthread DLL has to travel with it. Run by ctest through `cmake -P`.
cmake_minimum_required(VERSION 3.25)  # a -P script sets no policies itself; IN_LIST needs them
set(system_dlls
  advapi32.dll comctl32.dll comdlg32.dll gdi32.dll kernel32.dll msvcrt.dll ole32.dll
  oleaut32.dll shell32.dll shlwapi.dll user32.dll uxtheme.dll version.dll)

execute_process(COMMAND ${OBJDUMP} -p ${FILE} OUTPUT_VARIABLE dump RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${OBJDUMP} -p ${FILE} failed")
endif()
string(REGEX MATCHALL "DLL Name: [^\r\n]+" lines "${dump}")
if(NOT lines)
  message(FATAL_ERROR "${FILE}: no imports found; is it a PE file?")
endif()
set(foreign "")
foreach(line IN LISTS lines)
  string(REPLACE "DLL Name: " "" dll "${line}")
  string(STRIP "${dll}" dll)
  string(TOLOWER "${dll}" lower)
  if(NOT lower IN_LIST system_dlls)
    list(APPEND foreign ${dll})
  endif()
endforeach()
if(foreign)
  message(FATAL_ERROR "${FILE} imports non-system DLLs: ${foreign}")
endif()
message(STATUS "${FILE}: imports ${lines}")
