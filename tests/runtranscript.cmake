# Runs one transcript test: PROGRAM reads SCRIPT (NAME.in) in the empty folder
# SCRATCH.  Files in NAME.given/ are copied there first.  Afterwards stdout
# must equal NAME.out, report.txt must equal NAME.report when that exists,
# and every file of NAME.expect/ must equal the file of that name in SCRATCH.
# LAUNCHER, when given, is a command line the program runs under (valgrind).
get_filename_component(dir ${SCRIPT} DIRECTORY)
get_filename_component(name ${SCRIPT} NAME_WE)
set(base ${dir}/${name})

file(REMOVE_RECURSE ${SCRATCH})
file(MAKE_DIRECTORY ${SCRATCH})
if(IS_DIRECTORY ${base}.given)
  file(COPY ${base}.given/ DESTINATION ${SCRATCH})
endif()

separate_arguments(launcher UNIX_COMMAND "${LAUNCHER}")
execute_process(COMMAND ${launcher} ${PROGRAM}
  INPUT_FILE ${SCRIPT}
  OUTPUT_FILE ${SCRATCH}/stdout.txt
  ERROR_FILE ${SCRATCH}/stderr.txt
  WORKING_DIRECTORY ${SCRATCH}
  TIMEOUT 60
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  file(READ ${SCRATCH}/stderr.txt err)
  message(FATAL_ERROR "${name}: exit status ${status}\n${err}")
endif()

set(failed FALSE)
function(compare expected actual)
  execute_process(COMMAND diff -u ${expected} ${actual} RESULT_VARIABLE differs)
  if(differs)
    set(failed TRUE PARENT_SCOPE)
  endif()
endfunction()

compare(${base}.out ${SCRATCH}/stdout.txt)
if(EXISTS ${base}.report)
  compare(${base}.report ${SCRATCH}/report.txt)
endif()
if(IS_DIRECTORY ${base}.expect)
  file(GLOB expected RELATIVE ${base}.expect ${base}.expect/*)
  foreach(f ${expected})
    compare(${base}.expect/${f} ${SCRATCH}/${f})
  endforeach()
endif()
if(failed)
  message(FATAL_ERROR "${name}: output differs from the golden files")
endif()
