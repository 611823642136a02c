# The player's exit statuses and failure lines, and a damaged store at start:
#   2 and "FILE:LINE: ..." for a file that cannot be read or parsed;
#   1 and "FILE:LINE: expected ..., got ..." at the first failing line;
#   a damaged hive file: its box names file and line, the program ends, the file stays.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/cwd)

function(play script expected_status expected_stderr)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen KORRELIN_DATA_DIR=${DATA_DIR}
      XDG_DATA_HOME=${WORK}/xdg-data
      ${KORRELIN} --prefix prefix --play ${script}
    WORKING_DIRECTORY ${WORK}/cwd
    RESULT_VARIABLE status
    ERROR_VARIABLE err)
  if(NOT status EQUAL expected_status)
    message(FATAL_ERROR "${script}: exit status ${status}, expected ${expected_status}\n${err}")
  endif()
  string(FIND "${err}" "${expected_stderr}" found)
  if(found EQUAL -1)
    message(FATAL_ERROR "${script}: standard error lacks \"${expected_stderr}\":\n${err}")
  endif()
endfunction()

play(${WORK}/missing.scn 2 "missing.scn:0: cannot read the file")

file(WRITE ${WORK}/bad.scn "# comment\n\nexpect no-message\nclick\n")
play(${WORK}/bad.scn 2 "bad.scn:4: wrong number of arguments for click")

file(WRITE ${WORK}/fail.scn "expect running\nexpect status \"nope\"\nexpect running\n")
play(${WORK}/fail.scn 1 "fail.scn:2: expected status \"nope\", got \"Welcomme to Korrelin\"\n")
# --play never seeds the store it is given.
if(EXISTS ${WORK}/cwd/prefix/drive_c OR EXISTS ${WORK}/cwd/prefix/dosdevices)
  message(FATAL_ERROR "a scenario's store was seeded")
endif()

file(REMOVE_RECURSE ${WORK}/cwd/prefix)
set(damaged "WINE REGISTRY Version 2\n;; All keys relative to \\\\Machine\n\n[Software\\\\X] 123\n\"a\"=garbage\n")
file(WRITE ${WORK}/cwd/prefix/system.reg "${damaged}")
file(WRITE ${WORK}/damaged.scn "expect ended\n")
play(${WORK}/damaged.scn 1 "damaged.scn:1: expected every message checked, got message Korrelin \"prefix/system.reg:5:")
file(READ ${WORK}/cwd/prefix/system.reg after)
if(NOT after STREQUAL damaged)
  message(FATAL_ERROR "the damaged system.reg was written over")
endif()
