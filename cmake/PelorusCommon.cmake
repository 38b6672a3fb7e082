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

# The two shipped programs carry the compiler's runtime inside them, so they are kept lean.
# Their code is compiled for size, the capture engine's too: its time goes in the calls it makes
# to the platform, not in its own instructions. The linker drops what nothing refers to: data only in
# practice (the GUIDs of libuuid, 40 KB), since the unwind tables, kept whole, refer to every
# function. The runtime's verbose terminate handler is replaced by abort(): it brings in the
# C++ demangler (45 KB) only to name the exception on a console a GUI program does not have,
# and then calls abort() all the same. The hook library is left as it is.
function(pelorus_lean target)
  if(NOT MINGW)
    return()
  endif()
  get_target_property(_sources ${target} SOURCES)
  foreach(_source IN LISTS _sources)
    if(_source MATCHES "\\.cpp$")
      set_property(SOURCE ${_source} TARGET_DIRECTORY ${target} APPEND PROPERTY
        COMPILE_OPTIONS $<$<NOT:$<CONFIG:Debug>>:-Os>)
    endif()
  endforeach()
  get_target_property(_type ${target} TYPE)
  if(_type STREQUAL "EXECUTABLE")
    if(CMAKE_SIZEOF_VOID_P EQUAL 4)
      set(_terminate "__ZN9__gnu_cxx27__verbose_terminate_handlerEv=_abort")
    else()
      set(_terminate "_ZN9__gnu_cxx27__verbose_terminate_handlerEv=abort")
    endif()
    target_link_options(${target} PRIVATE -Wl,--gc-sections -Wl,--defsym,${_terminate})
  endif()
endfunction()
