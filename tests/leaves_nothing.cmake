# Runs test programs with a temporary folder of their own and fails if they leave anything in it.
# -DTEMP=<folder> -DPROGRAMS=<program|program...>
string(REPLACE "|" ";" PROGRAMS "${PROGRAMS}")
file(REMOVE_RECURSE "${TEMP}")
file(MAKE_DIRECTORY "${TEMP}")
foreach(program IN LISTS PROGRAMS)
  execute_process(COMMAND env "TMPDIR=${TEMP}" "${program}" RESULT_VARIABLE status
                  OUTPUT_QUIET ERROR_QUIET)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${program} failed (${status})")
  endif()
endforeach()
file(GLOB left RELATIVE "${TEMP}" "${TEMP}/*")
file(REMOVE_RECURSE "${TEMP}")
if(left)
  message(FATAL_ERROR "left behind in the temporary folder: ${left}")
endif()
