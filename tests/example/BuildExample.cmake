# Installs a build tree into a scratch prefix, checks what the prefix holds, then configures and
# builds examples/ against that prefix alone with the build tree's toolchain; the example's own
# code is compiled with every warning as an error, as a strict user would.
#   cmake -DBUILD_TREE=<build> -DPREFIX=<scratch prefix> -DEXAMPLE_SOURCE=<examples/>
#         -DEXAMPLE_BUILD=<scratch build> -DTOOLCHAIN=<toolchain file> -DGENERATOR=<generator>
#         -P BuildExample.cmake
cmake_minimum_required(VERSION 3.25)

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "failed (${status}): ${ARGN}\n${output}")
  endif()
endfunction()

file(REMOVE_RECURSE ${PREFIX} ${EXAMPLE_BUILD})
run(${CMAKE_COMMAND} --install ${BUILD_TREE} --prefix ${PREFIX})

# The installed headers stand on their own: each one that an installed header includes is
# installed too, and none includes <windows.h>, so that a program keeps its own choice of its
# macros. The headers that only the libraries' sources use stay out.
set(faults "")
file(GLOB_RECURSE headers RELATIVE ${PREFIX}/include ${PREFIX}/include/*)
if(NOT headers)
  message(FATAL_ERROR "no headers installed in ${PREFIX}/include")
endif()
foreach(header IN LISTS headers)
  file(STRINGS ${PREFIX}/include/${header} includes REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<]")
  get_filename_component(folder ${header} DIRECTORY)
  foreach(line IN LISTS includes)
    if(line MATCHES "#[ \t]*include[ \t]*\"([^\"]+)\"")
      set(included ${CMAKE_MATCH_1})
      if(NOT EXISTS ${PREFIX}/include/${included} AND NOT EXISTS ${PREFIX}/include/${folder}/${included})
        string(APPEND faults "\n  ${header} includes \"${included}\", which is not installed")
      endif()
    elseif(line MATCHES "#[ \t]*include[ \t]*<windows\\.h>")
      string(APPEND faults "\n  ${header} includes <windows.h>")
    endif()
  endforeach()
endforeach()
foreach(private framework/ui/accessibility/ControlAccessibleObject.h framework/win32/WindowProcedure.h
                buttons/LbSpeedButtonFace.h)
  if(EXISTS ${PREFIX}/include/${private})
    string(APPEND faults "\n  the library's own ${private} is installed")
  endif()
endforeach()
foreach(file lib/cmake/Velmora/VelmoraConfig.cmake lib/cmake/Velmora/VelmoraConfigVersion.cmake
             share/Velmora/LbButtons.rc share/Velmora/LbArrow.bmp lib/libfw_core.a lib/liblb_buttons.a)
  if(NOT EXISTS ${PREFIX}/${file})
    string(APPEND faults "\n  ${file} is missing")
  endif()
endforeach()
if(faults)
  message(FATAL_ERROR "${PREFIX}:${faults}")
endif()
list(LENGTH headers header_count)
message(STATUS "${header_count} headers installed, each include resolved within the prefix")

run(${CMAKE_COMMAND} -S ${EXAMPLE_SOURCE} -B ${EXAMPLE_BUILD} -G ${GENERATOR}
  -DCMAKE_TOOLCHAIN_FILE=${TOOLCHAIN} -DCMAKE_BUILD_TYPE=Release -DCMAKE_PREFIX_PATH=${PREFIX}
  "-DCMAKE_CXX_FLAGS=-Wall -Wextra -Wpedantic -Werror")
# The package came from the prefix, not from this source tree or its build.
file(STRINGS ${EXAMPLE_BUILD}/CMakeCache.txt package_folder REGEX "^Velmora_DIR:")
if(NOT package_folder STREQUAL "Velmora_DIR:PATH=${PREFIX}/lib/cmake/Velmora")
  message(FATAL_ERROR "the example found the package elsewhere: ${package_folder}")
endif()
run(${CMAKE_COMMAND} --build ${EXAMPLE_BUILD})
if(NOT EXISTS ${EXAMPLE_BUILD}/button_example.exe)
  message(FATAL_ERROR "the example's build made no ${EXAMPLE_BUILD}/button_example.exe")
endif()
message(STATUS "examples/ built against ${PREFIX}: ${EXAMPLE_BUILD}/button_example.exe")
