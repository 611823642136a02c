# Plays one scenario file: korrelin --prefix <new empty store> --play FILE, offscreen,
# from an empty working directory. The program's data folder is the build tree, which
# holds Korrelin.bmp; a file with the comment line "# ctest: without Korrelin.bmp" runs
# with an empty data folder instead.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/cwd ${WORK}/empty-data)

set(data_dir ${DATA_DIR})
file(STRINGS ${SCENARIO} directives REGEX "^# ctest: ")
if(directives MATCHES "without Korrelin.bmp")
  set(data_dir ${WORK}/empty-data)
endif()

# The store directory does not exist yet: a new, empty store.
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env
    QT_QPA_PLATFORM=offscreen
    KORRELIN_DATA_DIR=${data_dir}
    XDG_DATA_HOME=${WORK}/xdg-data
    ${KORRELIN} --prefix ${WORK}/prefix --play ${SCENARIO}
  WORKING_DIRECTORY ${WORK}/cwd
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${SCENARIO}: exit status ${status}")
endif()
