# Builds one cookbook file from SQL scripts: cmake -DOUTPUT=<file> -DSCRIPTS=<a;b;...> -P BuildCookbook.cmake
# The file is made under a temporary name and renamed, so a failed script leaves no half cookbook.
set(temporary "${OUTPUT}.tmp")
file(REMOVE "${temporary}")
get_filename_component(folder "${OUTPUT}" DIRECTORY)
file(MAKE_DIRECTORY "${folder}")
foreach(script IN LISTS SCRIPTS)
  if(NOT EXISTS "${script}")
    continue()
  endif()
  execute_process(COMMAND sqlite3 -bail "${temporary}" INPUT_FILE "${script}"
                  RESULT_VARIABLE result ERROR_VARIABLE errors)
  if(NOT result EQUAL 0)
    file(REMOVE "${temporary}")
    message(FATAL_ERROR "${script}: ${errors}")
  endif()
endforeach()
file(RENAME "${temporary}" "${OUTPUT}")
