# A shipped binary carries no debug information: it goes to <binary>.debug beside it, which the
# binary names (a GNU debug link), so a debugger still finds it. Under Wine a program's image is
# read whole at start-up, debug sections and all: tens of megabytes that slowed every start.
function(mirevan_split_debug target)
  if(NOT CMAKE_OBJCOPY)
    return()
  endif()
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_OBJCOPY} --only-keep-debug $<TARGET_FILE:${target}> $<TARGET_FILE:${target}>.debug
    COMMAND ${CMAKE_OBJCOPY} --strip-all --add-gnu-debuglink=$<TARGET_FILE:${target}>.debug
            $<TARGET_FILE:${target}>
    WORKING_DIRECTORY $<TARGET_FILE_DIR:${target}>
    VERBATIM)
endfunction()
