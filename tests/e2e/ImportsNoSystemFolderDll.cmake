# Fails when the executable imports a DLL that the framework takes from the system folder at run
# time: an import would be looked for beside the executable first, where a DLL may be planted.
#   cmake -DOBJDUMP=<objdump> -DEXECUTABLE=<exe> -P ImportsNoSystemFolderDll.cmake
execute_process(COMMAND ${OBJDUMP} -p ${EXECUTABLE} OUTPUT_VARIABLE dump RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${OBJDUMP} could not read ${EXECUTABLE}")
endif()
string(TOLOWER "${dump}" dump)
string(REGEX MATCHALL "dll name: [a-z0-9_.]+" imports "${dump}")
if(NOT imports MATCHES "kernel32\\.dll")
  message(FATAL_ERROR "no import table found in ${EXECUTABLE}: ${imports}")
endif()
foreach(dll oleacc ole32 oleaut32)
  if(imports MATCHES "dll name: ${dll}\\.dll")
    message(FATAL_ERROR "${EXECUTABLE} imports ${dll}.dll")
  endif()
endforeach()
message(STATUS "imports: ${imports}")
