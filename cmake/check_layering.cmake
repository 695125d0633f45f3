# Reads every include of the tree and fails on any that breaks the layering:
#   cmake -DSOURCE_DIR=<tree> -P check_layering.cmake
# Each violation is printed as "<file>: includes <include>: <rule>".

cmake_minimum_required(VERSION 3.25)

if(NOT SOURCE_DIR)
  message(FATAL_ERROR "SOURCE_DIR is not set")
endif()

# Which folders a folder's quoted includes may reach. A folder is matched by the
# longest prefix listed: "platform" means the interfaces alone, "platform/portable" their
# implementations without an OS header, "platform/linux" and "platform/windows" each
# system's own. The installer's core reads top-down: the view's modes over the script, the
# script over the operations, all of them over the prompts; the window's facts stand apart.
set(installer_core installer installer/window installer/prompts installer/operations
  installer/script installer/modes)
set(core_folders
  analyser/document analyser/state analyser/capture analyser/spectrum analyser/display
  analyser/settings analyser/view analyser/frame ${installer_core} platform platform/portable)
set(bottom platform platform/portable analyser/document analyser/state)

set(may_include_analyser/document platform platform/portable analyser/document)
set(may_include_analyser/state ${bottom})
set(may_include_analyser/spectrum ${bottom} analyser/spectrum)
set(may_include_analyser/capture ${bottom} analyser/capture analyser/spectrum)
set(may_include_analyser/display ${bottom} analyser/display analyser/spectrum)
set(may_include_analyser/settings ${bottom} analyser/settings)
set(may_include_analyser/view ${bottom} analyser/capture analyser/spectrum analyser/display
  analyser/settings analyser/view)
# What the frame and its dialogs show; the shells walk it, the view never sees it.
set(may_include_analyser/frame ${bottom} analyser/display analyser/settings analyser/frame)
set(may_include_shell_qt platform platform/portable shell_qt)
set(may_include_analyser/app ${may_include_analyser/view} analyser/frame analyser/app
  platform/linux shell_qt)
# The Win32 shells share shell_win32/, and the portable stderr line of shell_qt/.
set(may_include_shell_win32 platform platform/windows shell_win32 shell_qt)
set(may_include_analyser/win32 ${may_include_analyser/view} analyser/frame analyser/win32
  platform/windows shell_win32)
set(platform_served platform platform/portable)
set(may_include_installer/window ${platform_served} installer/window)
set(may_include_installer/prompts ${platform_served} installer/prompts)
set(may_include_installer/operations ${platform_served} installer/prompts installer/operations)
set(may_include_installer/script ${platform_served} installer/prompts installer/operations
  installer/script)
set(may_include_installer/modes ${platform_served} installer/prompts installer/operations
  installer/script installer/modes)
set(may_include_installer ${platform_served} ${installer_core})
set(may_include_installer/app ${platform_served} platform/linux ${installer_core} installer/app
  shell_qt)
set(may_include_installer/win32 ${platform_served} platform/windows ${installer_core}
  installer/win32 shell_win32 shell_qt)
# Interfaces know only each other; implementations know the interfaces and the portable
# parts, never another system's folder.
set(may_include_platform platform)
set(may_include_platform/portable platform platform/portable)
set(may_include_platform/linux platform platform/portable platform/linux)
set(may_include_platform/windows platform platform/portable platform/windows)
set(may_include_tools/osctool ${may_include_analyser/app} tools/osctool)
# Tests, fuzz targets and benchmarks reach the code through its targets and share only
# the doubles of tests/support; no folder reaches into another's private headers.
# tests/installer_doubles is the installer's double, a target of its own.
set(code_folders ${may_include_analyser/app} ${installer_core} installer/app platform/linux)
set(may_include_tests/support ${code_folders} tests/support)
set(may_include_tests/installer_doubles ${code_folders} tests/installer_doubles)
foreach(test_folder analyser gui installer integration osctool platform shell_qt)
  set(may_include_tests/${test_folder} ${code_folders} tools/osctool tests/support
    tests/installer_doubles tests/${test_folder})
endforeach()
set(may_include_tests/windows ${code_folders} platform/windows tests/support tests/windows)
set(may_include_tests/windows_setup ${code_folders} platform/windows tests/windows_setup)
set(may_include_fuzz ${code_folders} tests/support tests/installer_doubles fuzz)
set(may_include_bench ${code_folders} tools/osctool tests/support tests/installer_doubles bench)

set(folders
  analyser/document analyser/state analyser/spectrum analyser/capture analyser/display
  analyser/settings analyser/view analyser/frame analyser/app analyser/win32 installer/app
  installer/win32 ${installer_core} platform/portable platform/linux platform/windows platform
  shell_qt shell_win32 tools/osctool tests/support tests/installer_doubles tests/analyser
  tests/gui tests/installer tests/integration tests/osctool tests/platform tests/shell_qt
  tests/windows tests/windows_setup fuzz bench)

# The folder a path belongs to: the longest listed folder that holds it, or "".
function(folder_of path out)
  set(best "")
  foreach(folder IN LISTS folders)
    string(LENGTH "${folder}/" length)
    string(SUBSTRING "${path}" 0 ${length} head)
    if(head STREQUAL "${folder}/")
      string(LENGTH "${best}" best_length)
      if(length GREATER best_length)
        set(best ${folder})
      endif()
    endif()
  endforeach()
  set(${out} "${best}" PARENT_SCOPE)
endfunction()

set(violations 0)
function(report file include rule)
  message("${file}: includes ${include}: ${rule}")
  math(EXPR count "${violations} + 1")
  set(violations ${count} PARENT_SCOPE)
endfunction()

file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR}
  ${SOURCE_DIR}/analyser/*.h ${SOURCE_DIR}/analyser/*.cpp
  ${SOURCE_DIR}/installer/*.h ${SOURCE_DIR}/installer/*.cpp
  ${SOURCE_DIR}/platform/*.h ${SOURCE_DIR}/platform/*.cpp
  ${SOURCE_DIR}/shell_qt/*.h ${SOURCE_DIR}/shell_qt/*.cpp
  ${SOURCE_DIR}/shell_win32/*.h ${SOURCE_DIR}/shell_win32/*.cpp
  ${SOURCE_DIR}/tools/*.h ${SOURCE_DIR}/tools/*.cpp
  ${SOURCE_DIR}/tests/*.h ${SOURCE_DIR}/tests/*.cpp
  ${SOURCE_DIR}/fuzz/*.h ${SOURCE_DIR}/fuzz/*.cpp
  ${SOURCE_DIR}/bench/*.h ${SOURCE_DIR}/bench/*.cpp)
list(FILTER sources EXCLUDE REGEX "^tests/data/")

foreach(file IN LISTS sources)
  folder_of(${file} folder)
  if(folder STREQUAL "")
    report(${file} "(any)" "its folder has no layering rule; add one")
    continue()
  endif()
  file(STRINGS ${SOURCE_DIR}/${file} includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
  foreach(line IN LISTS includes)
    string(REGEX MATCH "[<\"][^>\"]*[>\"]" include "${line}")
    string(SUBSTRING "${include}" 0 1 opening)
    string(LENGTH "${include}" include_length)
    math(EXPR name_length "${include_length} - 2")
    string(SUBSTRING "${include}" 1 ${name_length} name)

    if(opening STREQUAL "<")
      # A core folder sees the C++ standard library alone: no Qt, ALSA, POSIX or Linux
      # header, all of which have an upper-case letter, a ".h" or a folder in their name.
      if(folder IN_LIST core_folders AND NOT name MATCHES "^[a-z_]+$")
        report(${file} ${include} "${folder} is portable: standard C++ headers only")
      endif()
      continue()
    endif()

    if(name MATCHES "\\.cpp$")
      report(${file} ${include} "a source file is compiled, never included")
      continue()
    endif()
    folder_of(${name} target)
    if(target STREQUAL "")
      continue()  # a file of its own folder, named without its path
    endif()
    if(NOT target IN_LIST may_include_${folder})
      report(${file} ${include} "${folder} may not include ${target}")
    endif()
  endforeach()
endforeach()

if(violations GREATER 0)
  message(FATAL_ERROR "${violations} include(s) break the layering")
endif()
list(LENGTH sources checked)
message("layering holds in ${checked} files")
