# Splits the sources of a folder into window-free ones and those that need
# wxWidgets, so that the rules and models of a window folder build (and are
# tested) without wx, e.g. in the sanitizer build.
#
# zt_split_window_free(<free var> <wx var> FILES <files...> [WX_BOUND <files...>])
#
# A file needs wx when it includes a <wx/...> header of the window libraries
# (anything but the base and XML headers listed below), or includes a project
# header that needs wx, or includes a project header whose source file (the
# .cpp of the same name beside it) needs wx: that file calls code that only
# the wx library holds. Quoted includes are looked up beside the including
# file, then in src/ and tests/. WX_BOUND names further files to keep with the
# wx files.

# wxWidgets headers of the base and XML libraries (no display): allowed in
# the window-free libraries, which link zt_wxbase.
set(ZT_WX_BASE_HEADERS
    wx/arrstr.h wx/datetime.h wx/dir.h wx/ffile.h wx/file.h wx/filefn.h wx/filename.h wx/log.h
    wx/mstream.h wx/sstream.h wx/stdpaths.h wx/stream.h wx/strconv.h wx/string.h wx/textfile.h
    wx/thread.h wx/tokenzr.h wx/wfstream.h wx/xml/xml.h)

function(_zt_scan_includes file)
  get_property(done GLOBAL PROPERTY "ZT_SCANNED_${file}" SET)
  if(done)
    return()
  endif()
  set_property(GLOBAL PROPERTY "ZT_SCANNED_${file}" TRUE)
  set_property(GLOBAL APPEND PROPERTY ZT_SCANNED_FILES "${file}")
  file(STRINGS "${file}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
  set(wx FALSE)
  set(deps)
  get_filename_component(dir "${file}" DIRECTORY)
  foreach(line IN LISTS lines)
    if(line MATCHES "<(wx/[^>]+)>")
      if(NOT CMAKE_MATCH_1 IN_LIST ZT_WX_BASE_HEADERS)
        set(wx TRUE)
      endif()
    elseif(line MATCHES "\"([^\"]+)\"")
      set(name "${CMAKE_MATCH_1}")
      foreach(base "${dir}" "${PROJECT_SOURCE_DIR}/src" "${PROJECT_SOURCE_DIR}/tests")
        if(EXISTS "${base}/${name}" AND NOT IS_DIRECTORY "${base}/${name}")
          get_filename_component(found "${base}/${name}" ABSOLUTE)
          list(APPEND deps "${found}")
          get_filename_component(stem "${found}" NAME_WE)
          get_filename_component(hdir "${found}" DIRECTORY)
          if(EXISTS "${hdir}/${stem}.cpp" AND NOT "${hdir}/${stem}.cpp" STREQUAL "${file}")
            list(APPEND deps "${hdir}/${stem}.cpp")
          endif()
          break()
        endif()
      endforeach()
    endif()
  endforeach()
  set_property(GLOBAL PROPERTY "ZT_WX_${file}" ${wx})
  set_property(GLOBAL PROPERTY "ZT_DEPS_${file}" "${deps}")
  foreach(d IN LISTS deps)
    _zt_scan_includes("${d}")
  endforeach()
endfunction()

# Spreads "needs wx" along the include and call edges until nothing changes.
function(_zt_propagate_wx)
  get_property(all GLOBAL PROPERTY ZT_SCANNED_FILES)
  set(changed TRUE)
  while(changed)
    set(changed FALSE)
    foreach(f IN LISTS all)
      get_property(wx GLOBAL PROPERTY "ZT_WX_${f}")
      if(wx)
        continue()
      endif()
      get_property(deps GLOBAL PROPERTY "ZT_DEPS_${f}")
      foreach(d IN LISTS deps)
        get_property(dwx GLOBAL PROPERTY "ZT_WX_${d}")
        if(dwx)
          set_property(GLOBAL PROPERTY "ZT_WX_${f}" TRUE)
          set(changed TRUE)
          break()
        endif()
      endforeach()
    endforeach()
  endwhile()
endfunction()

function(zt_split_window_free free_var wx_var)
  cmake_parse_arguments(S "" "" "FILES;WX_BOUND" ${ARGN})
  foreach(f IN LISTS S_FILES)
    get_filename_component(abs "${f}" ABSOLUTE)
    _zt_scan_includes("${abs}")
    get_filename_component(name "${f}" NAME)
    if(name IN_LIST S_WX_BOUND)
      set_property(GLOBAL PROPERTY "ZT_WX_${abs}" TRUE)
    endif()
  endforeach()
  _zt_propagate_wx()
  set(free)
  set(wx)
  foreach(f IN LISTS S_FILES)
    get_filename_component(abs "${f}" ABSOLUTE)
    get_property(needs GLOBAL PROPERTY "ZT_WX_${abs}")
    if(needs)
      list(APPEND wx "${abs}")
    else()
      list(APPEND free "${abs}")
    endif()
  endforeach()
  set(${free_var} ${free} PARENT_SCOPE)
  set(${wx_var} ${wx} PARENT_SCOPE)
endfunction()

# Build-time guard of a folder that may not use wxWidgets at all: it may not
# link zt_wx or zt_wxbase, and any wx header it includes, whatever brought
# the wx include path in, stops the compile with an error (cmake/nowx holds
# a wx/defs.h that every wx header reaches first).
function(zt_forbid_wx target)
  target_include_directories(${target} BEFORE PRIVATE "${PROJECT_SOURCE_DIR}/cmake/nowx")
  zt_forbid_window_libs(${target} zt_wxbase)
endfunction()

# Configure-time guard of a window-free library: it may not link the window
# libraries (zt_wx), nor any of `extra`.
function(zt_forbid_window_libs target)
  get_target_property(libs ${target} LINK_LIBRARIES)
  foreach(lib zt_wx ${ARGN})
    if(libs AND lib IN_LIST libs)
      message(FATAL_ERROR "${target} must not depend on ${lib}")
    endif()
  endforeach()
endfunction()

# zt_add_split_library(NAME <name> SOURCES ... [WX_BOUND ...]
#                      CORE_LIBS ... WX_LIBS ...)
# Builds <name>_core from the window-free sources (always) and, when the
# windows are built, <name> from the others; <name> links <name>_core.
function(zt_add_split_library)
  cmake_parse_arguments(L "" "NAME" "SOURCES;WX_BOUND;CORE_LIBS;WX_LIBS" ${ARGN})
  zt_split_window_free(free wx FILES ${L_SOURCES} WX_BOUND ${L_WX_BOUND})
  # A source edited to include a wx header moves to the other library.
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${L_SOURCES})
  set(core ${L_NAME}_core)
  if(free)
    add_library(${core} STATIC ${free})
    target_include_directories(${core} PUBLIC "${PROJECT_SOURCE_DIR}/src")
    target_link_libraries(${core} PUBLIC ${L_CORE_LIBS})
    zt_forbid_window_libs(${core})
  else()
    add_library(${core} INTERFACE)
    target_include_directories(${core} INTERFACE "${PROJECT_SOURCE_DIR}/src")
    target_link_libraries(${core} INTERFACE ${L_CORE_LIBS})
  endif()
  if(ZT_BUILD_GUI)
    if(wx)
      add_library(${L_NAME} STATIC ${wx})
    else()
      add_library(${L_NAME} STATIC "${PROJECT_SOURCE_DIR}/cmake/Empty.cpp")
    endif()
    target_include_directories(${L_NAME} PUBLIC "${PROJECT_SOURCE_DIR}/src")
    target_link_libraries(${L_NAME} PUBLIC ${core} ${L_WX_LIBS} zt_wx)
  endif()
endfunction()

# zt_window_free_tests(<files var> <lib var> <lib>)
# The GUI-free tests of a window folder: with the windows built, all of them
# against <lib>; without, only the window-free ones against <lib>_core.
function(zt_window_free_tests files_var lib_var lib)
  if(ZT_BUILD_GUI)
    set(${lib_var} ${lib} PARENT_SCOPE)
  else()
    zt_split_window_free(free wx FILES ${${files_var}})
    set(${files_var} ${free} PARENT_SCOPE)
    set(${lib_var} ${lib}_core PARENT_SCOPE)
  endif()
endfunction()
