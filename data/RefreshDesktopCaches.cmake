# Run by `cmake --install` after the files are in place: rebuilds the file-type
# database and the desktop entries' type index below the prefix, as dpkg's
# triggers do for a package. Staged installs (DESTDIR set, as CPack does) leave
# that to the package manager. A missing tool is no error: the files are there
# for the next refresh.
if(NOT "$ENV{DESTDIR}" STREQUAL "")
  return()
endif()
foreach(tool_and_folder IN ITEMS "update-mime-database;mime" "update-desktop-database;applications")
  list(GET tool_and_folder 0 tool)
  list(GET tool_and_folder 1 folder)
  set(path "${CMAKE_INSTALL_PREFIX}/${TTD_INSTALL_DATADIR}/${folder}")
  unset(tool_path)
  find_program(tool_path ${tool} NO_CACHE)
  if(tool_path AND IS_DIRECTORY "${path}")
    execute_process(COMMAND "${tool_path}" "${path}" RESULT_VARIABLE failed OUTPUT_QUIET ERROR_QUIET)
    if(failed)
      message(WARNING "${tool} failed on ${path}")
    endif()
  endif()
endforeach()
