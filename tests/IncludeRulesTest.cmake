# The include rules on a small made-up tree: each case declares rooms over it and either
# configures cleanly or stops with the fault named.
#   cmake -DRULES=<cmake/IncludeRules.cmake> -DDIR=<scratch folder> -P IncludeRulesTest.cmake

cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE ${DIR})
file(WRITE ${DIR}/tree/toolkit/Base.h "#pragma once\n")
file(WRITE ${DIR}/tree/controls/low/Low.h "#pragma once\n#include \"toolkit/Base.h\"\n#include <windows.h>\n")
file(WRITE ${DIR}/tree/controls/high/High.cpp
     "#include \"controls/high/High.h\"\n  #  include \"controls/low/Low.h\"\n#include \"Local.h\"\n")
file(WRITE ${DIR}/tree/controls/high/High.h "#pragma once\n")
file(WRITE ${DIR}/tree/controls/odd/Odd.h "#include \"controls/stray/Stray.h\"\n")

# name | rules, comma-separated | expected fault ("" for none)
set(cases
  "clean|toolkit,controls/low USES toolkit,controls/high USES controls/low|"
  "undeclared use|toolkit,controls/low USES toolkit,controls/high|controls/high/High.cpp includes controls/low/Low.h, but controls/high does not use controls/low"
  "lower layer not named|toolkit,controls/low,controls/high USES controls/low|controls/low/Low.h includes toolkit/Base.h, but controls/low does not use toolkit"
  "use of a later room|toolkit,controls/high USES controls/low,controls/low USES toolkit|controls/high uses controls/low, which is not declared before it"
  "include of an undeclared folder|controls/odd|controls/odd/Odd.h includes controls/stray/Stray.h: controls/stray is no room declared before controls/odd"
  "room declared twice|toolkit,toolkit|the room toolkit is declared twice")

set(failures 0)
foreach(case IN LISTS cases)
  string(REPLACE "|" ";" parts "${case}")
  list(GET parts 0 name)
  list(GET parts 1 rules)
  list(LENGTH parts count)
  set(expected "")
  if(count GREATER 2)
    list(GET parts 2 expected)
  endif()
  string(REPLACE "," ";" rules "${rules}")
  set(script "cmake_minimum_required(VERSION 3.25)\nset(MIREVAN_INCLUDE_ROOT ${DIR}/tree)\ninclude(${RULES})\n")
  foreach(rule IN LISTS rules)
    string(REGEX MATCH "^[^ ]+" room "${rule}")
    string(REGEX REPLACE "^[^ ]+" "" rest "${rule}")
    string(APPEND script "mirevan_include_rule(${room} DIR ${room}${rest})\n")
  endforeach()
  file(WRITE ${DIR}/case.cmake "${script}")
  execute_process(COMMAND ${CMAKE_COMMAND} -P ${DIR}/case.cmake RESULT_VARIABLE result
                  OUTPUT_VARIABLE out ERROR_VARIABLE out)
  string(REGEX REPLACE "[ \n]+" " " out "${out}")
  if(expected STREQUAL "")
    if(NOT result EQUAL 0)
      message(SEND_ERROR "${name}: expected no fault, got: ${out}")
      math(EXPR failures "${failures} + 1")
    endif()
  else()
    string(FIND "${out}" "${expected}" at)
    if(result EQUAL 0 OR at EQUAL -1)
      message(SEND_ERROR "${name}: expected the fault \"${expected}\", got (${result}): ${out}")
      math(EXPR failures "${failures} + 1")
    endif()
  endif()
endforeach()
if(failures)
  message(FATAL_ERROR "${failures} include rule case(s) failed")
endif()
