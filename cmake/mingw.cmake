# Cross toolchain for Windows through mingw-w64 with the posix thread model
# (googletest needs std::thread, which the win32 thread model lacks).
#
# SAVORUM_ARCH picks i686 (the 32-bit deliverables) or x86_64. Left unset, it is i686 where
# this machine can run 32-bit code, else x86_64, so that the tests run under Wine anyway.
if(NOT SAVORUM_ARCH)
  execute_process(COMMAND /usr/lib/wine/wine --version RESULT_VARIABLE wine32_result
                  OUTPUT_QUIET ERROR_QUIET)
  if(wine32_result EQUAL 0)
    set(SAVORUM_ARCH i686)
  else()
    set(SAVORUM_ARCH x86_64)
  endif()
endif()
set(SAVORUM_ARCH ${SAVORUM_ARCH} CACHE STRING "i686 or x86_64" FORCE)

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${SAVORUM_ARCH})
set(CMAKE_C_COMPILER ${SAVORUM_ARCH}-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER ${SAVORUM_ARCH}-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER ${SAVORUM_ARCH}-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${SAVORUM_ARCH}-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
