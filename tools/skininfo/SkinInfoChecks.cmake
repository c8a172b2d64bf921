# What the skin tool's checks share: running the tool (under the EMULATOR when one is set,
# with file arguments "@name" taken from DIR and seen through PREFIX), and checking its
# exit code, its one-line failures and the lines of its descriptions. Failures are counted
# in "failures" and reported with SEND_ERROR; the including script ends with the verdict.

# Stops unless every variable named is set; PREFIX defaults to nothing.
macro(require_variables)
  foreach(var ${ARGN})
    if(NOT DEFINED ${var})
      message(FATAL_ERROR "${var} is not set")
    endif()
  endforeach()
  if(NOT DEFINED PREFIX)
    set(PREFIX "")
  endif()
endmacro()

# Ends the script with the verdict.
macro(finish_checks)
  if(failures GREATER 0)
    message(FATAL_ERROR "${failures} check(s) failed")
  endif()
endmacro()

set(failures 0)
macro(fail text)
  message(SEND_ERROR "${text}")
  math(EXPR failures "${failures} + 1")
endmacro()

# Runs the tool; sets out, err and rc. Arguments that name files in DIR are given as "@name".
function(skininfo)
  set(args "")
  foreach(arg IN LISTS ARGN)
    if(arg MATCHES "^@(.*)$")
      list(APPEND args "${PREFIX}${DIR}/${CMAKE_MATCH_1}")
    else()
      list(APPEND args "${arg}")
    endif()
  endforeach()
  execute_process(COMMAND ${EMULATOR} ${SKININFO} ${args} WORKING_DIRECTORY ${DIR}
                  OUTPUT_VARIABLE output ERROR_VARIABLE error RESULT_VARIABLE result)
  set(out "${output}" PARENT_SCOPE)
  set(err "${error}" PARENT_SCOPE)
  set(rc "${result}" PARENT_SCOPE)
endfunction()

# A successful run: exit code 0 and nothing on standard error; sets out.
function(describe)
  skininfo(${ARGN})
  if(NOT rc EQUAL 0 OR NOT err STREQUAL "")
    fail("skininfo ${ARGN}: exit code ${rc}, stderr '${err}', stdout '${out}'")
  endif()
  set(out "${out}" PARENT_SCOPE)
  set(failures ${failures} PARENT_SCOPE)
endfunction()

# A failed run: exit code 1, nothing on standard output and exactly one line
# "skininfo: <file>: <reason>" on standard error.
function(expect_failure file)
  skininfo(${ARGN})
  set(text "${out}${err}")
  if(NOT DEFINED EMULATOR OR EMULATOR STREQUAL "")
    if(NOT out STREQUAL "")
      fail("skininfo ${ARGN}: printed '${out}' on stdout")
    endif()
    set(text "${err}")
  endif()
  string(REGEX MATCHALL "\n" lines "${text}")
  list(LENGTH lines count)
  if(NOT rc EQUAL 1)
    fail("skininfo ${ARGN}: exit code ${rc} instead of 1")
  endif()
  string(REGEX REPLACE "([][+.*^$()|?\\\\])" "\\\\\\1" pattern "${file}")
  if(NOT count EQUAL 1 OR NOT text MATCHES "^skininfo: ${pattern}: [^\n]+\n$")
    fail("skininfo ${ARGN}: expected one line 'skininfo: ${file}: ...', got '${text}'")
  endif()
  set(failures ${failures} PARENT_SCOPE)
endfunction()

# Every line given must stand whole in the description.
function(expect_lines description)
  foreach(line IN LISTS ARGN)
    string(FIND "\n${description}" "\n${line}\n" at)
    if(at EQUAL -1)
      fail("missing line '${line}' in:\n${description}")
    endif()
  endforeach()
  set(failures ${failures} PARENT_SCOPE)
endfunction()

function(count_lines description regex expected what)
  string(REGEX MATCHALL "(^|\n)${regex}" found "${description}")
  list(LENGTH found count)
  if(NOT count EQUAL expected)
    fail("${count} ${what} instead of ${expected} in:\n${description}")
  endif()
  set(failures ${failures} PARENT_SCOPE)
endfunction()

