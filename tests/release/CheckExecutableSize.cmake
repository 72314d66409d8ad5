# Fails when the built updater, less the payload it carries, reaches 600 KB: what users download
# besides Velmora itself. The size grows without anyone seeing it (template instantiations, a
# runtime piece pulled in by one call), so the build says so instead of the next benchmark run.
#   cmake -DEXECUTABLE=<UpVelmora.exe> -DPAYLOAD=<the carried Velmora.exe> -P CheckExecutableSize.cmake
cmake_minimum_required(VERSION 3.25)
set(limit_kb 600)
file(SIZE "${EXECUTABLE}" executable_size)
file(SIZE "${PAYLOAD}" payload_size)
math(EXPR own_kb "(${executable_size} - ${payload_size}) / 1024")
if(NOT own_kb LESS limit_kb)
  message(FATAL_ERROR "${EXECUTABLE} is ${own_kb} KB without its payload, the goal is under ${limit_kb} KB: "
    "see the size figures of scripts/bench.sh for where the bytes are")
endif()
message(STATUS "${EXECUTABLE}: ${own_kb} KB without its payload (under ${limit_kb} KB)")
