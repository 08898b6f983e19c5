# Lists the test functions of one Qt Test program (its -functions option) and writes a ctest file
# that runs each function as a test of its own, so a failure names the function in the summary.
# Called after every link with PROGRAM, TARGET, OUTPUT, WORKDIR and ENV (a ;-list, escaped as |).
string(REPLACE "|" ";" env "${ENV}")
execute_process(COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ${PROGRAM} -functions
                OUTPUT_VARIABLE listing RESULT_VARIABLE status TIMEOUT 60)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${PROGRAM} -functions failed: ${status}")
endif()
string(REGEX MATCHALL "[A-Za-z_][A-Za-z0-9_]*\\(\\)" functions "${listing}")
set(script "")
foreach(f ${functions})
  string(REPLACE "()" "" f "${f}")
  string(APPEND script "add_test([=[${TARGET}.${f}]=] [==[${PROGRAM}]==] [==[${f}]==])\n"
                       "set_tests_properties([=[${TARGET}.${f}]=] PROPERTIES WORKING_DIRECTORY [==[${WORKDIR}]==] "
                       "ENVIRONMENT [==[${env}]==] TIMEOUT 120)\n")
endforeach()
if(script STREQUAL "")
  message(FATAL_ERROR "${PROGRAM} lists no test functions")
endif()
file(WRITE "${OUTPUT}" "${script}")
