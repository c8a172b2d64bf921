# mirevan_host_tool(<name> SOURCES <files...> [DEPENDS <headers...>] [LIBS <libraries...>]): a
# program for the machine that builds, made with the host's C++ compiler even in the cross
# build, for generating sources and resources. DEPENDS names the headers whose changes must
# rebuild it.
find_program(MIREVAN_HOST_CXX NAMES g++ c++ clang++ REQUIRED)

function(mirevan_host_tool name)
  cmake_parse_arguments(Tool "" "" "SOURCES;DEPENDS;LIBS" ${ARGN})
  list(TRANSFORM Tool_LIBS PREPEND -l)
  set(output ${CMAKE_BINARY_DIR}/host-tools/${name})
  add_custom_command(
    OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/host-tools
    COMMAND ${MIREVAN_HOST_CXX} -std=c++20 -O2 -Wall -Wextra -I${PROJECT_SOURCE_DIR}
            ${Tool_SOURCES} ${Tool_LIBS} -o ${output}
    DEPENDS ${Tool_SOURCES} ${Tool_DEPENDS}
    COMMENT "Building host tool ${name}"
    VERBATIM)
  set(${name}_EXECUTABLE ${output} PARENT_SCOPE)
endfunction()
