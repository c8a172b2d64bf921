# Compiler warnings for the project's own targets (third-party code is built without them).
option(MIREVAN_WERROR "Treat warnings as errors" OFF)

add_library(mirevan_warnings INTERFACE)
target_compile_options(mirevan_warnings INTERFACE -Wall -Wextra)
if(MIREVAN_WERROR)
  target_compile_options(mirevan_warnings INTERFACE -Werror)
endif()

# mirevan_target(<target>): the settings every project target shares.
function(mirevan_target target)
  target_link_libraries(${target} PRIVATE mirevan_warnings)
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
endfunction()
