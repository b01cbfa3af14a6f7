# Run by `cmake --install` after the files are in place: rebuilds the file-type
# database and the desktop entries' type index below the prefix. Staged
# installs (DESTDIR set, as CPack does) leave that to the package manager.
if(NOT "$ENV{DESTDIR}" STREQUAL "")
  return()
endif()
include(${CMAKE_CURRENT_LIST_DIR}/DesktopCaches.cmake)
set(share "${CMAKE_INSTALL_PREFIX}/${TTD_INSTALL_DATADIR}")
refresh_desktop_caches("${share}/mime" "${share}/applications")
