# Who may include whom. The layers (toolkit <- gfx <- skin <- controls <- app) and the
# packages of controls/ each name what they use; the configure step reads every project
# include ("<folder>/.../<file>.h") of their sources and stops at one that reaches a layer or
# package not named. A package may only use packages declared before it, so the packages form
# a graph without cycles.
#
#   mirevan_include_rule(<room> DIR <folder> [USES <room>...])
#       declares a room: the files directly in <folder> may include headers of <room> itself
#       and of the rooms it uses (and of what those use, transitively not: each names its own)
#   mirevan_check_includes(<room>)
#       checks the room's files now; called by mirevan_include_rule

# The project's top-level folders whose headers are checked; other includes (the system's,
# generated ones, those of tests and tools) are not rooms.
set(MIREVAN_ROOM_FOLDERS toolkit gfx skin controls app hook)

function(mirevan_include_rule room)
  cmake_parse_arguments(PARSE_ARGV 1 RULE "" "DIR" "USES")
  get_property(known GLOBAL PROPERTY MIREVAN_ROOMS)
  if(room IN_LIST known)
    message(FATAL_ERROR "Include rules: the room ${room} is declared twice")
  endif()
  foreach(used IN LISTS RULE_USES)
    if(NOT used IN_LIST known)
      message(FATAL_ERROR "Include rules: ${room} uses ${used}, which is not declared before it "
                          "(rooms are declared lowest first, so that none uses a later one)")
    endif()
  endforeach()
  set_property(GLOBAL APPEND PROPERTY MIREVAN_ROOMS ${room})
  set_property(GLOBAL PROPERTY MIREVAN_ROOM_DIR_${room} ${RULE_DIR})
  set_property(GLOBAL PROPERTY MIREVAN_ROOM_USES_${room} ${RULE_USES})
  mirevan_check_includes(${room})
endfunction()

# The room a project header belongs to ("controls/menu/SePopupMenu.h" -> "controls/menu"),
# or empty where the include names no room's folder.
function(mirevan_room_of_header header out)
  set(${out} "" PARENT_SCOPE)
  get_property(rooms GLOBAL PROPERTY MIREVAN_ROOMS)
  get_filename_component(folder ${header} DIRECTORY)
  foreach(room IN LISTS rooms)
    get_property(dir GLOBAL PROPERTY MIREVAN_ROOM_DIR_${room})
    if(folder STREQUAL dir)
      set(${out} ${room} PARENT_SCOPE)
      return()
    endif()
  endforeach()
  string(REGEX MATCH "^[^/]+" top "${folder}")
  if(top IN_LIST MIREVAN_ROOM_FOLDERS)
    # A folder of the project that no rule declares is an error of its own.
    set(${out} "?${folder}" PARENT_SCOPE)
  endif()
endfunction()

function(mirevan_check_includes room)
  get_property(dir GLOBAL PROPERTY MIREVAN_ROOM_DIR_${room})
  get_property(uses GLOBAL PROPERTY MIREVAN_ROOM_USES_${room})
  if(NOT DEFINED MIREVAN_INCLUDE_ROOT)
    set(MIREVAN_INCLUDE_ROOT ${PROJECT_SOURCE_DIR})
  endif()
  file(GLOB sources ${MIREVAN_INCLUDE_ROOT}/${dir}/*.h ${MIREVAN_INCLUDE_ROOT}/${dir}/*.cpp)
  set(faults "")
  foreach(source IN LISTS sources)
    file(STRINGS ${source} lines REGEX "^[ \t]*#[ \t]*include[ \t]+\"")
    foreach(line IN LISTS lines)
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]+\"([^\"]+)\".*" "\\1" header "${line}")
      mirevan_room_of_header(${header} target)
      if(target STREQUAL "" OR target STREQUAL room OR target IN_LIST uses)
        continue()
      endif()
      file(RELATIVE_PATH shown ${MIREVAN_INCLUDE_ROOT} ${source})
      if(target MATCHES "^\\?")
        string(SUBSTRING ${target} 1 -1 folder)
        list(APPEND faults "  ${shown} includes ${header}: ${folder} is no room declared before ${room}")
      else()
        list(APPEND faults "  ${shown} includes ${header}, but ${room} does not use ${target}")
      endif()
    endforeach()
  endforeach()
  if(faults)
    list(JOIN faults "\n" text)
    message(FATAL_ERROR "Include rules broken:\n${text}\n"
                        "Name the room in the USES of ${room}, or move the code.")
  endif()
endfunction()
