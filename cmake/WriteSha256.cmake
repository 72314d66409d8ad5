# Writes the SHA-256 of INPUT to OUTPUT as 64 lower-case hex digits, without a line break; the
# updater carries this text beside its payload.
#   cmake -DINPUT=<file> -DOUTPUT=<file> -P WriteSha256.cmake
file(SHA256 "${INPUT}" digest)
file(WRITE "${OUTPUT}" "${digest}")
