# `cmake --build BUILD --target uninstall`: removes every file the last
# `cmake --install` of this build put in place (as listed in its manifest),
# and rebuilds the file-type database and the desktop's type index it left
# them in, so that the desktop no longer knows the file type or the program.
#   cmake -DMANIFEST=BUILD/install_manifest.txt -P Uninstall.cmake
if(NOT EXISTS "${MANIFEST}")
  message(FATAL_ERROR "Nothing to uninstall: ${MANIFEST} is missing (cmake --install writes it).")
endif()
include(${CMAKE_CURRENT_LIST_DIR}/DesktopCaches.cmake)
file(STRINGS "${MANIFEST}" installed)
set(refresh)
foreach(path IN LISTS installed)
  if(EXISTS "${path}" OR IS_SYMLINK "${path}")
    message(STATUS "Removing ${path}")
    file(REMOVE "${path}")
  endif()
  # The file-type package lies in SHARE/mime/packages, the desktop entry in SHARE/applications.
  if(path MATCHES "^(.*)/mime/packages/[^/]+$" OR path MATCHES "^(.*)/applications/[^/]+\\.desktop$")
    list(APPEND refresh "${CMAKE_MATCH_1}")
  endif()
endforeach()
list(REMOVE_DUPLICATES refresh)
foreach(share IN LISTS refresh)
  refresh_desktop_caches("${share}/mime" "${share}/applications")
endforeach()
