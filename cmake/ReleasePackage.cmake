# Makes the release zip: UpVelmora.exe and UpVelmora.exe.sha256 (one line, as sha256sum writes
# it, so that `sha256sum -c UpVelmora.exe.sha256` checks a download). The same executable always
# gives the same zip, byte for byte: fixed file times and permissions, no extra fields (Info-ZIP
# would otherwise store owner and access times), times taken as UTC.
#   cmake -DEXECUTABLE=<exe> -DOUTPUT=<zip> -DZIP=<zip program>
#         [-DSIGN_SCRIPT=<sign-updater.sh> -DSIGNING_CERTIFICATE=<file> -DSIGNING_KEY=<file>]
#         -P ReleasePackage.cmake
# With a certificate and a key the executable in the zip is signed (and no longer reproducible:
# a signature holds its own time).
cmake_minimum_required(VERSION 3.25)
foreach(required EXECUTABLE OUTPUT ZIP)
  if(NOT ${required})
    message(FATAL_ERROR "ReleasePackage.cmake needs -D${required}=...")
  endif()
endforeach()

set(staging "${OUTPUT}.staging")
file(REMOVE_RECURSE "${staging}")
file(MAKE_DIRECTORY "${staging}")
if(SIGNING_CERTIFICATE OR SIGNING_KEY)
  if(NOT SIGNING_CERTIFICATE OR NOT SIGNING_KEY)
    message(FATAL_ERROR "signing needs both VELMORA_SIGNING_CERTIFICATE and VELMORA_SIGNING_KEY")
  endif()
  execute_process(COMMAND bash "${SIGN_SCRIPT}" "${SIGNING_CERTIFICATE}" "${SIGNING_KEY}" "${EXECUTABLE}"
                          "${staging}/UpVelmora.exe"
                  RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "signing ${EXECUTABLE} failed")
  endif()
else()
  file(COPY_FILE "${EXECUTABLE}" "${staging}/UpVelmora.exe")
endif()
file(SHA256 "${staging}/UpVelmora.exe" digest)
file(WRITE "${staging}/UpVelmora.exe.sha256" "${digest}  UpVelmora.exe\n")

set(files UpVelmora.exe UpVelmora.exe.sha256)
foreach(file IN LISTS files)
  file(CHMOD "${staging}/${file}" PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env TZ=UTC touch -d "2000-01-01 00:00:00" "${staging}/${file}"
                  RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "cannot set the time of ${staging}/${file}")
  endif()
endforeach()
file(REMOVE "${OUTPUT}")
execute_process(COMMAND ${CMAKE_COMMAND} -E env TZ=UTC "${ZIP}" -X -q -9 "${OUTPUT}" ${files}
                WORKING_DIRECTORY "${staging}" RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${ZIP} could not write ${OUTPUT}")
endif()
file(REMOVE_RECURSE "${staging}")
file(SHA256 "${OUTPUT}" package_digest)
message(STATUS "${OUTPUT}: UpVelmora.exe ${digest}; zip ${package_digest}")
