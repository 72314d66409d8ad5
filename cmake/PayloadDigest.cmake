# velmora_payload_digest(<payload> <output>): a build step that writes the payload's SHA-256 as
# the text the updater carries beside the payload (resource UPGRADE_SHA256). It runs again
# whenever the payload changes, also when the payload is built in this tree.
function(velmora_payload_digest payload output)
  add_custom_command(OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -DINPUT=${payload} -DOUTPUT=${output} -P ${PROJECT_SOURCE_DIR}/cmake/WriteSha256.cmake
    DEPENDS ${payload} ${PROJECT_SOURCE_DIR}/cmake/WriteSha256.cmake
    COMMENT "SHA-256 of ${payload}"
    VERBATIM)
endfunction()
