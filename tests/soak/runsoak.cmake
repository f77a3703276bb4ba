# The soak test: COUNT random answers (seed SEED) written by TOOL are typed
# at PROGRAM in the empty folder SCRATCH.  The run must end with status 0
# and nothing on stderr, and report.txt must be complete (soaktool check).
file(REMOVE_RECURSE ${SCRATCH})
file(MAKE_DIRECTORY ${SCRATCH})
execute_process(COMMAND ${TOOL} script ${COUNT} ${SEED}
  OUTPUT_FILE ${SCRATCH}/script.in RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "soak: the script could not be written")
endif()

string(TIMESTAMP start "%s")
execute_process(COMMAND ${PROGRAM}
  INPUT_FILE ${SCRATCH}/script.in
  OUTPUT_FILE ${SCRATCH}/stdout.txt
  ERROR_FILE ${SCRATCH}/stderr.txt
  WORKING_DIRECTORY ${SCRATCH}
  TIMEOUT 300
  RESULT_VARIABLE status)
string(TIMESTAMP end "%s")
math(EXPR seconds "${end} - ${start}")
message(STATUS "soak: ${COUNT} answers in ${seconds} s, exit status ${status}")
file(READ ${SCRATCH}/stderr.txt err)
if(NOT status EQUAL 0 OR NOT err STREQUAL "")
  message(FATAL_ERROR "soak: exit status ${status}\n${err}")
endif()

# report.txt, and every other file that the script made a report file.
file(GLOB others ${SCRATCH}/*)
list(REMOVE_ITEM others ${SCRATCH}/report.txt ${SCRATCH}/script.in ${SCRATCH}/stdout.txt
  ${SCRATCH}/stderr.txt)
execute_process(COMMAND ${TOOL} check ${SCRATCH}/report.txt ${others} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "soak: a report file is incomplete")
endif()
# The screen output of a soak is large; keep only what a failure needs.
file(REMOVE ${SCRATCH}/stdout.txt)
