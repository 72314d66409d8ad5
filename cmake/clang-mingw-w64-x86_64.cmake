# Cross build for 64-bit Windows with Debian's clang and lld, against the MinGW-w64 headers and
# libraries: a second compiler for the same target. clang finds MinGW's C headers by itself but not
# a C++ standard library, so it is pointed at the GCC -posix variant's own libstdc++ headers
# (std::thread and std::mutex need that variant) and links with that variant's libraries.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(_target x86_64-w64-mingw32)
# Thread-local variables the way MinGW's GCC made its libraries: emulated (__emutls_v.*), not
# native TLS, clang's default for this target. libstdc++'s inline code names its own thread-local
# variables (std::call_once, hence std::future, uses std::__once_callable), which otherwise do
# not link. Given with the compiler, so that no CMAKE_CXX_FLAGS can drop it.
set(CMAKE_C_COMPILER clang -femulated-tls)
set(CMAKE_CXX_COMPILER clang++ -femulated-tls)
set(CMAKE_C_COMPILER_TARGET ${_target})
set(CMAKE_CXX_COMPILER_TARGET ${_target})
set(CMAKE_RC_COMPILER ${_target}-windres)

# The GCC version folder of the -posix variant, e.g. /usr/lib/gcc/x86_64-w64-mingw32/12-posix.
file(GLOB _gcc_folders /usr/lib/gcc/${_target}/*-posix)
list(SORT _gcc_folders COMPARE NATURAL ORDER DESCENDING)
list(GET _gcc_folders 0 _gcc_folder)
if(NOT _gcc_folder)
  message(FATAL_ERROR "No MinGW-w64 GCC -posix variant under /usr/lib/gcc/${_target}")
endif()
set(_cxx_headers ${_gcc_folder}/include/c++)
# Not through CMAKE_CXX_FLAGS, which a -DCMAKE_CXX_FLAGS on the command line would replace.
set(CMAKE_CXX_STANDARD_INCLUDE_DIRECTORIES ${_cxx_headers} ${_cxx_headers}/${_target} ${_cxx_headers}/backward)

set(CMAKE_FIND_ROOT_PATH /usr/${_target})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

set(CMAKE_CROSSCOMPILING_EMULATOR "${CMAKE_CURRENT_LIST_DIR}/wine-run.sh")

# lld links MinGW objects; -static takes the -posix variant's libstdc++, libgcc and winpthread.
# GCC's -posix driver adds winpthread by itself, clang's does not; lld resolves archives in any
# order, so naming it among the flags is enough.
set(_link "-fuse-ld=lld -L${_gcc_folder} -static -lpthread")
set(CMAKE_EXE_LINKER_FLAGS_INIT "${_link}")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "${_link}")

