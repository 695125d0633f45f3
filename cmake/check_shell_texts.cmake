# Reads the shells' sources (Qt and Win32) and fails on any text or layout that belongs in a core:
#   cmake -DSOURCE_DIR=<tree> -P check_shell_texts.cmake
# A shell translates only. Outside comments, a shell file holds no string literal with a
# character beyond ASCII (the interface's French texts), no literal that a core folder
# also holds (a text stated twice), and no four integers in a row (a rectangle).
# Each finding is printed as "<file>:<line>: <what>".

cmake_minimum_required(VERSION 3.25)

if(NOT SOURCE_DIR)
  message(FATAL_ERROR "SOURCE_DIR is not set")
endif()

set(shell_folders analyser/app analyser/win32 installer/app installer/win32 shell_qt shell_win32)
set(core_text_folders analyser/frame analyser/settings analyser/document analyser/state
  analyser/display analyser/view installer)

# The source lines of `file`, one list element each, with comments and includes blanked.
function(code_lines file out)
  file(READ ${file} content)
  string(REPLACE ";" "," content "${content}")  # the list separator of CMake
  string(REPLACE "\n" " ;" lines "${content}")  # no line is empty, so none is dropped
  set(kept)
  foreach(line IN LISTS lines)
    string(REGEX REPLACE "^[ \t]*(//.*|#[ \t]*include.*)$" " " line "${line}")
    # A comment after code: from a "//" outside the line's string literals on.
    string(REGEX MATCH "^([^\"]|\"([^\"\\\\]|\\\\.)*\")*[ \t]//" code "${line}")
    if(code)
      string(REGEX REPLACE "//$" " " line "${code}")
    endif()
    list(APPEND kept "${line}")
  endforeach()
  set(${out} "${kept}" PARENT_SCOPE)
endfunction()

# The string literals of one line.
function(literals_of line out)
  string(REGEX MATCHALL "\"([^\"\\\\]|\\\\.)+\"" found "${line}")
  set(${out} "${found}" PARENT_SCOPE)
endfunction()

set(core_texts)
foreach(folder IN LISTS core_text_folders)
  file(GLOB_RECURSE core_sources ${SOURCE_DIR}/${folder}/*.h ${SOURCE_DIR}/${folder}/*.cpp)
  list(FILTER core_sources EXCLUDE REGEX "/(app|win32)/")  # a shell inside a core's folder
  foreach(file IN LISTS core_sources)
    code_lines(${file} lines)
    foreach(line IN LISTS lines)
      literals_of("${line}" found)
      list(APPEND core_texts ${found})
    endforeach()
  endforeach()
endforeach()

set(findings 0)
foreach(folder IN LISTS shell_folders)
  file(GLOB_RECURSE shell_sources RELATIVE ${SOURCE_DIR}
    ${SOURCE_DIR}/${folder}/*.h ${SOURCE_DIR}/${folder}/*.cpp)
  foreach(file IN LISTS shell_sources)
    code_lines(${SOURCE_DIR}/${file} lines)
    set(number 0)
    foreach(line IN LISTS lines)
      math(EXPR number "${number} + 1")
      literals_of("${line}" found)
      foreach(literal IN LISTS found)
        if(literal MATCHES "[^\t -~]")
          message("${file}:${number}: a text beyond ASCII: ${literal}")
          math(EXPR findings "${findings} + 1")
        elseif(literal MATCHES "[A-Z]" AND literal IN_LIST core_texts)
          # Lower-case technical names (files, objects, icons) may well recur.
          message("${file}:${number}: a core's text stated again: ${literal}")
          math(EXPR findings "${findings} + 1")
        endif()
      endforeach()
      # Four zeros are no layout: a window placed later, a font's unset fields.
      string(REGEX REPLACE "(^|[^0-9])0 *, *0 *, *0 *, *0([^0-9]|$)" "\\1\\2" line "${line}")
      if(line MATCHES "[0-9]+ *, *[0-9]+ *, *[0-9]+ *, *[0-9]+")
        message("${file}:${number}: a rectangle: ${CMAKE_MATCH_0}")
        math(EXPR findings "${findings} + 1")
      endif()
    endforeach()
  endforeach()
endforeach()

if(findings GREATER 0)
  message(FATAL_ERROR "${findings} text(s) or layout(s) of a core in a shell")
endif()
message("the shells hold no text or layout of the cores")
