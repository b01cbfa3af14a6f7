# Rebuilds the file-type database of a mime folder and the desktop entries'
# type index of an applications folder, as dpkg's triggers do for a package.
# A missing tool or folder is no error: the files are there for the next refresh.
function(refresh_desktop_caches mime_folder applications_folder)
  foreach(tool_and_folder IN ITEMS "update-mime-database;${mime_folder}"
                                   "update-desktop-database;${applications_folder}")
    list(GET tool_and_folder 0 tool)
    list(GET tool_and_folder 1 path)
    unset(tool_path)
    find_program(tool_path ${tool} NO_CACHE)
    if(tool_path AND IS_DIRECTORY "${path}")
      execute_process(COMMAND "${tool_path}" "${path}" RESULT_VARIABLE failed OUTPUT_QUIET ERROR_QUIET)
      if(failed)
        message(WARNING "${tool} failed on ${path}")
      endif()
    endif()
  endforeach()
endfunction()
