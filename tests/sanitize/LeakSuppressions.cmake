# Runs the leak probe (PROBE) three ways: with the suppressions (SUPPRESSIONS) a leak inside
# the message-bus library passes; without them that leak is reported in the library, and
# with them a leak in the program's own code still fails the run.
function(expect kind options outcome pattern)
  set(ENV{ASAN_OPTIONS} "detect_leaks=1")
  set(ENV{LSAN_OPTIONS} "${options}")
  execute_process(COMMAND "${PROBE}" ${kind} RESULT_VARIABLE rc ERROR_VARIABLE report)
  if(rc EQUAL 0)
    set(got passes)
  else()
    set(got fails)
  endif()
  if(NOT got STREQUAL outcome OR NOT report MATCHES "${pattern}")
    message(FATAL_ERROR "leak_probe ${kind} with LSAN_OPTIONS='${options}' ${got} (exit ${rc}); "
                        "expected: ${outcome}, its report matching '${pattern}':\n${report}")
  endif()
endfunction()

expect(bus "suppressions=${SUPPRESSIONS}" passes "")
expect(bus "" fails "libdbus-1\\.so")
expect(own "suppressions=${SUPPRESSIONS}" fails "Direct leak of 64 byte")
