# Runs the program as a shell would and checks both its exit status and
# what it prints (the pattern must match its standard output or its
# standard error).
#   cmake -DPROGRAM=path -DARGS="a|b|c" -DSTATUS=2 -DTEXT=regex -P expect_exit.cmake
string(REPLACE "|" ";" arguments "${ARGS}")
execute_process(COMMAND "${PROGRAM}" ${arguments} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err
                TIMEOUT 60)
if(NOT "${status}" STREQUAL "${STATUS}")
  message(FATAL_ERROR "exit status ${status}, expected ${STATUS}\n${out}${err}")
endif()
if(NOT "${out}" MATCHES "${TEXT}" AND NOT "${err}" MATCHES "${TEXT}")
  message(FATAL_ERROR "output does not match '${TEXT}':\n${out}${err}")
endif()
