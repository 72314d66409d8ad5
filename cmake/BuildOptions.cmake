# The built-in version and the payload always come together: the updater that carries the
# executable of version V announces V. Both are checked here, at configure time.

set(VELMORA_VERSION "2.25" CACHE STRING
    "Version of the carried Velmora executable: digits, optionally a point and one to four digits")
set(VELMORA_PAYLOAD "" CACHE FILEPATH
    "Velmora executable to carry; empty means the stand-in Velmora built from this tree")

if(NOT VELMORA_VERSION MATCHES "^([0-9]+)(\\.([0-9]+))?$")
  message(FATAL_ERROR "VELMORA_VERSION '${VELMORA_VERSION}' is not a version number: "
                      "expected digits, optionally followed by a point and one to four digits (e.g. 2.25)")
endif()
set(_whole "${CMAKE_MATCH_1}")
set(_fraction "${CMAKE_MATCH_3}")
string(LENGTH "${_fraction}" _fraction_length)
if(_fraction_length GREATER 4)
  message(FATAL_ERROR "VELMORA_VERSION '${VELMORA_VERSION}' has more than four digits after the point")
endif()
string(REGEX REPLACE "^0+([0-9])" "\\1" _whole "${_whole}")
string(LENGTH "${_whole}" _whole_length)
if(_whole_length GREATER 14)
  message(FATAL_ERROR "VELMORA_VERSION '${VELMORA_VERSION}' is too large")
endif()

# Fixed point with four fractional digits: 2.25 -> 22500.
string(SUBSTRING "${_fraction}0000" 0 4 _fraction4)
string(REGEX REPLACE "^0+" "" _fraction_value "${_fraction4}")
if(_fraction_value STREQUAL "")
  set(_fraction_value 0)
endif()
math(EXPR VELMORA_VERSION_SCALED "${_whole} * 10000 + ${_fraction_value}")

# The version resource holds four 16-bit numbers: the whole part, then the fraction as four
# digits, so that Windows orders 2.3 (2.3000) after 2.25 (2.2500) as the updater does.
if(_whole GREATER 65535)
  message(FATAL_ERROR "VELMORA_VERSION '${VELMORA_VERSION}' does not fit a Windows version resource: "
                      "the part before the point must be at most 65535")
endif()
set(VELMORA_VERSION_MAJOR "${_whole}")
set(VELMORA_VERSION_MINOR "${_fraction_value}")
# The shortest form, as the updater shows and records it: 02.250 -> 2.25.
string(REGEX REPLACE "0+$" "" _fraction_text "${_fraction4}")
if(_fraction_text STREQUAL "")
  set(VELMORA_VERSION_TEXT "${_whole}")
else()
  set(VELMORA_VERSION_TEXT "${_whole}.${_fraction_text}")
endif()
message(STATUS "Version resource: ${VELMORA_VERSION_TEXT} (${VELMORA_VERSION_MAJOR}.${VELMORA_VERSION_MINOR}.0.0)")
message(STATUS "Built-in version: ${VELMORA_VERSION} (scaled ${VELMORA_VERSION_SCALED})")

if(NOT VELMORA_PAYLOAD STREQUAL "")
  get_filename_component(VELMORA_PAYLOAD "${VELMORA_PAYLOAD}" ABSOLUTE)
  if(NOT EXISTS "${VELMORA_PAYLOAD}" OR IS_DIRECTORY "${VELMORA_PAYLOAD}")
    message(FATAL_ERROR "VELMORA_PAYLOAD does not name an existing file: ${VELMORA_PAYLOAD}")
  endif()
endif()
