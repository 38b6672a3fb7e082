# Warnings for the project's own targets (not for the GoogleTest sources).
add_library(pelorus_warnings INTERFACE)
target_compile_options(pelorus_warnings INTERFACE -Wall -Wextra)
if(PELORUS_WERROR)
  target_compile_options(pelorus_warnings INTERFACE -Werror)
endif()

# Sources of DIR split by the platform rule: files named *_win.cpp are Win32, the rest platform-free.
function(pelorus_sources dir logic_var win_var)
  file(GLOB_RECURSE _all CONFIGURE_DEPENDS "${dir}/*.cpp")
  set(_logic "")
  set(_win "")
  foreach(f IN LISTS _all)
    if(f MATCHES "_win\\.cpp$")
      list(APPEND _win "${f}")
    else()
      list(APPEND _logic "${f}")
    endif()
  endforeach()
  set(${logic_var} "${_logic}" PARENT_SCOPE)
  set(${win_var} "${_win}" PARENT_SCOPE)
endfunction()

# GoogleTest from Debian's source package, built with this tree's compiler (MinGW or native).
set(PELORUS_GTEST_SOURCE "/usr/src/googletest" CACHE PATH "GoogleTest sources")
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
add_subdirectory(${PELORUS_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
