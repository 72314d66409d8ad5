# Reads the PE headers of the built updater (objdump -p) and fails unless:
#   - every DLL it imports is one that Windows always takes from the system folder (a known DLL,
#     listed under HKLM\System\CurrentControlSet\Control\Session Manager\KnownDLLs), so that no
#     import can be satisfied by a DLL planted beside it;
#   - it asks for ASLR with a 64-bit address space and for no-execute data, and has the
#     relocations that ASLR needs;
#   - it is marked terminal-server aware, as Microsoft's linker marks programs (objdump calls the
#     flag TERMINAL_SERVICE_AWARE);
#   - its headers carry no build time, so that two builds give the same bytes.
#   cmake -DOBJDUMP=<objdump> -DEXECUTABLE=<exe> -P CheckExecutableHardening.cmake
cmake_minimum_required(VERSION 3.25)
execute_process(COMMAND ${OBJDUMP} -p ${EXECUTABLE} OUTPUT_VARIABLE dump RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${OBJDUMP} could not read ${EXECUTABLE}")
endif()

set(known_dlls advapi32 clbcatq combase comdlg32 coml2 difxapi gdi32 gdiplus imagehlp imm32 kernel32
    msctf msvcrt normaliz nsi ntdll ole32 oleaut32 psapi rpcrt4 sechost setupapi shcore shell32 shlwapi
    user32 wldap32 ws2_32)
string(TOLOWER "${dump}" lower)
string(REGEX MATCHALL "dll name: [a-z0-9_.-]+" imports "${lower}")
if(NOT imports)
  message(FATAL_ERROR "no import table found in ${EXECUTABLE}")
endif()
set(faults "")
foreach(import IN LISTS imports)
  string(REGEX REPLACE "^dll name: ([a-z0-9_-]+)\\.dll$" "\\1" name "${import}")
  if(NOT name IN_LIST known_dlls)
    string(APPEND faults "\n  imports ${import}, which is not a known DLL: load it at run time from the system folder")
  endif()
endforeach()

foreach(flag HIGH_ENTROPY_VA DYNAMIC_BASE NX_COMPAT TERMINAL_SERVICE_AWARE)
  if(NOT dump MATCHES "DllCharacteristics[^\n]*\n([ \t]+[A-Z_]+\n)*[ \t]+${flag}\n")
    string(APPEND faults "\n  DllCharacteristics lack ${flag}")
  endif()
endforeach()
if(NOT dump MATCHES "Entry 5 [0-9a-f]+ ([0-9a-f]+) Base Relocation Directory" OR CMAKE_MATCH_1 MATCHES "^0+$")
  string(APPEND faults "\n  no base relocations: Windows cannot move the image, so ASLR does not apply")
endif()
if(NOT dump MATCHES "Time/Date[ \t]+Thu Jan  1 00:00:00 1970")
  string(REGEX MATCH "Time/Date[^\n]*" stamp "${dump}")
  string(APPEND faults "\n  the headers carry a build time (${stamp}): link with --no-insert-timestamp")
endif()

if(faults)
  message(FATAL_ERROR "${EXECUTABLE}:${faults}")
endif()
message(STATUS "${EXECUTABLE}: imports ${imports}; ASLR, 64-bit ASLR, NX, terminal-server aware, relocations; no build time")
