# The framework and the button library as the CMake package "Velmora", for programs outside this
# tree. `cmake --install <build> --prefix <prefix>` puts into the prefix:
#   lib/                  the static libraries
#   include/framework/... and include/buttons/...   the public headers, included as in this tree
#   share/Velmora/        LbButtons.rc and the bitmap it names: the drop-down arrow that a speed
#                         button with a popup menu paints, which a program carries in its executable
#   lib/cmake/Velmora/    the package configuration, its version and the exported targets
# A program writes find_package(Velmora CONFIG REQUIRED) and links Velmora::framework or
# Velmora::buttons (examples/ is such a program). Only the Windows build includes this file: the
# native build has the Win32-free parts only.

include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

# What a program links: the whole framework; the button library together with the framework.
add_library(velmora_framework INTERFACE)
target_link_libraries(velmora_framework INTERFACE fw_ui fw_system)
set_target_properties(velmora_framework PROPERTIES EXPORT_NAME framework)
add_library(Velmora::framework ALIAS velmora_framework)

add_library(velmora_buttons INTERFACE)
target_link_libraries(velmora_buttons INTERFACE lb_buttons velmora_framework)
set_target_properties(velmora_buttons PROPERTIES EXPORT_NAME buttons)
add_library(Velmora::buttons ALIAS velmora_buttons)

# The libraries behind the two, found through their links, so that a library added to a room
# is exported with it. System libraries (gdi32, uuid, ...) are names, not targets: they stay
# usage requirements of the exported targets.
function(velmora_link_closure result)
  set(found "")
  set(pending ${ARGN})
  while(pending)
    list(POP_FRONT pending target)
    if(NOT TARGET ${target} OR target IN_LIST found)
      continue()
    endif()
    list(APPEND found ${target})
    get_target_property(links ${target} INTERFACE_LINK_LIBRARIES)
    get_target_property(type ${target} TYPE)
    if(NOT type STREQUAL "INTERFACE_LIBRARY")
      get_target_property(private_links ${target} LINK_LIBRARIES)
      list(APPEND links ${private_links})
    endif()
    foreach(link IN LISTS links)
      # $<LINK_ONLY:x> is how a static library names what it needs only at link time.
      string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" link "${link}")
      if(link AND NOT link MATCHES "-NOTFOUND$")
        list(APPEND pending ${link})
      endif()
    endforeach()
  endwhile()
  set(${result} ${found} PARENT_SCOPE)
endfunction()
velmora_link_closure(velmora_package_targets velmora_framework velmora_buttons)

install(TARGETS ${velmora_package_targets} EXPORT VelmoraTargets
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})

# Headers that only the libraries' own sources include: no public header includes them, and a
# program has no use for them (some include <windows.h> or <oleacc.h>, which public headers never
# do). Everything else under framework/ and buttons/ is public.
set(velmora_private_headers
  framework/ui/app/ApplicationText.h                # the application object's text rules
  framework/win32/AccessibilityApi.h                # oleacc functions found at run time
  framework/win32/WindowProcedure.h                 # the framework's own window classes
  framework/ui/accessibility/PanelChildren.h        # the COM objects behind accessibility
  framework/ui/accessibility/AccessibleObject.h
  framework/ui/accessibility/ControlAccessibleObject.h
  framework/ui/accessibility/PanelAccessibleObject.h
  framework/ui/accessibility/PanelAccessibility.h
  framework/ui/controls/ControlCanvas.h             # a control's canvas outside WM_PAINT
  framework/ui/controls/FormTabStops.h              # what the keyboard router walks and asks
  framework/ui/controls/InputRouter.h               # the routing of pointer and keys; its rules
  framework/ui/controls/KeyboardRouter.h            # are written in GraphicControl.h, which is
  framework/ui/controls/PointerRouter.h             # public
  buttons/LbFaceFrame.h                             # the painter's parts: frames, gradient bands,
  buttons/LbGradient.h                              # rounded outlines, enlarged small images
  buttons/LbPixelScaling.h
  buttons/LbRoundedFrame.h
  buttons/LbScaledBitmap.h
  buttons/LbSpeedButtonFace.h                       # the speed button's painter inputs
)
set(private_header_patterns "")
foreach(header IN LISTS velmora_private_headers)
  if(NOT EXISTS ${PROJECT_SOURCE_DIR}/${header})
    message(FATAL_ERROR "cmake/VelmoraPackage.cmake names a private header that does not exist: ${header}")
  endif()
  # Matched against the end of the header's full path in the source tree.
  string(REPLACE "." "\\." pattern "/${header}")
  list(APPEND private_header_patterns REGEX "${pattern}$" EXCLUDE)
endforeach()
foreach(folder framework buttons)
  install(DIRECTORY ${PROJECT_SOURCE_DIR}/${folder}/ DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/${folder}
    FILES_MATCHING PATTERN "*.h" ${private_header_patterns})
endforeach()

# The drop-down arrow: the script names LbArrow.bmp beside itself, where windres finds it.
set(VELMORA_RESOURCE_DIR ${CMAKE_INSTALL_DATADIR}/Velmora)
install(FILES ${PROJECT_SOURCE_DIR}/resources/LbButtons.rc ${PROJECT_SOURCE_DIR}/resources/LbArrow.bmp
  DESTINATION ${VELMORA_RESOURCE_DIR})

set(package_folder ${CMAKE_INSTALL_LIBDIR}/cmake/Velmora)
install(EXPORT VelmoraTargets NAMESPACE Velmora:: DESTINATION ${package_folder})
configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/VelmoraConfig.cmake.in
  ${CMAKE_CURRENT_BINARY_DIR}/VelmoraConfig.cmake
  INSTALL_DESTINATION ${package_folder}
  PATH_VARS VELMORA_RESOURCE_DIR)
# 1.x programs build against any later 1.y; a new major version may break them.
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/VelmoraConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/VelmoraConfig.cmake ${CMAKE_CURRENT_BINARY_DIR}/VelmoraConfigVersion.cmake
  DESTINATION ${package_folder})
