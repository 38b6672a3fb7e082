# Warnings for the project's own targets (not for the GoogleTest sources).
add_library(pelorus_warnings INTERFACE)
if(MSVC)
  target_compile_options(pelorus_warnings INTERFACE /W4 $<$<BOOL:${PELORUS_WERROR}>:/WX>)
else()
  target_compile_options(pelorus_warnings INTERFACE -Wall -Wextra $<$<BOOL:${PELORUS_WERROR}>:-Werror>)
endif()

# Self-contained Windows binaries: the compiler's runtime is linked in, nothing ships beside them.
if(MINGW)
  add_link_options(-static -static-libgcc -static-libstdc++)
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

# GoogleTest from its sources (Debian's package googletest, or any checkout), built with this
# tree's compiler. Without them only the shipped binaries and the tools are built.
set(PELORUS_GTEST_SOURCE "/usr/src/googletest" CACHE PATH "GoogleTest sources")
if(EXISTS ${PELORUS_GTEST_SOURCE}/CMakeLists.txt)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
  set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
  add_subdirectory(${PELORUS_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  set(PELORUS_HAVE_GTEST ON)
else()
  message(STATUS "GoogleTest not found at ${PELORUS_GTEST_SOURCE}: tests are not built")
  set(PELORUS_HAVE_GTEST OFF)
endif()
