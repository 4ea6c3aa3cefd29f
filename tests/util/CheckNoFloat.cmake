# Fails when an object file among OBJECTS (separated by |) holds an x87
# instruction or an SSE floating-point arithmetic, comparison or conversion.
string(REPLACE "|" ";" objects "${OBJECTS}")
set(failures "")
foreach(object IN LISTS objects)
  execute_process(COMMAND ${OBJDUMP} -d --no-show-raw-insn ${object}
    OUTPUT_VARIABLE listing RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "cannot disassemble ${object}")
  endif()
  string(REGEX MATCHALL "\t(f[a-z0-9]+|(add|sub|mul|div|sqrt|min|max|u?comi)s[sd]|cvt[a-z0-9]*s[sd][a-z0-9]*)[ \n]"
    found "${listing}")
  if(found)
    list(REMOVE_DUPLICATES found)
    string(APPEND failures "${object}: ${found}\n")
  endif()
endforeach()
if(failures)
  message(FATAL_ERROR "floating-point instructions in the core built with the software extended type:\n${failures}")
endif()
list(LENGTH objects count)
message(STATUS "${count} object files without floating-point instructions")
