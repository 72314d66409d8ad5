# Builds the release zip a second time, in a fresh build tree of the same sources, and fails
# unless the executable and the zip are the same bytes as the first build's.
#   cmake -DSOURCE_DIR=<tree> -DFIRST_BUILD=<build> -DSECOND_BUILD=<new build> -DTOOLCHAIN=<file>
#         -DVERSION=<VELMORA_VERSION> -DPAYLOAD=<VELMORA_PAYLOAD> -DPACKAGE_NAME=<zip name>
#         -P CheckReproducibleBuild.cmake
cmake_minimum_required(VERSION 3.25)

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${ARGN}\n${output}")
  endif()
endfunction()

file(REMOVE_RECURSE "${SECOND_BUILD}")
run(${CMAKE_COMMAND} -S "${SOURCE_DIR}" -B "${SECOND_BUILD}" -DCMAKE_TOOLCHAIN_FILE=${TOOLCHAIN}
    -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DVELMORA_VERSION=${VERSION} -DVELMORA_PAYLOAD=${PAYLOAD})
run(${CMAKE_COMMAND} --build "${SECOND_BUILD}" --target package -j 2)
run(${CMAKE_COMMAND} --build "${FIRST_BUILD}" --target package)

set(differing "")
foreach(file UpVelmora.exe standin/Velmora.exe ${PACKAGE_NAME})
  if(NOT EXISTS "${FIRST_BUILD}/${file}" OR NOT EXISTS "${SECOND_BUILD}/${file}")
    if(file STREQUAL "standin/Velmora.exe" AND PAYLOAD)
      continue()  # a given payload is not built here
    endif()
    message(FATAL_ERROR "${file} is missing from one of the builds")
  endif()
  file(SHA256 "${FIRST_BUILD}/${file}" first)
  file(SHA256 "${SECOND_BUILD}/${file}" second)
  if(NOT first STREQUAL second)
    list(APPEND differing "${file}")
  endif()
  message(STATUS "${file}: ${first} / ${second}")
endforeach()
if(differing)
  message(FATAL_ERROR "two builds of the same tree differ in: ${differing}\n"
                      "compare them with: cmp -l ${FIRST_BUILD}/<file> ${SECOND_BUILD}/<file>")
endif()
# Only a passing check removes the second tree; a failing one keeps it for comparison.
file(REMOVE_RECURSE "${SECOND_BUILD}")
