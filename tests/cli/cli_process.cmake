# Runs quillkit-cli as a separate program and checks exit codes and exact stdout bytes.
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")

function(expect_run expected_code expected_stdout_file)
    execute_process(COMMAND "${CLI}" ${ARGN}
                    OUTPUT_FILE "${WORK}/stdout" ERROR_VARIABLE err RESULT_VARIABLE code)
    if(NOT code EQUAL expected_code)
        message(FATAL_ERROR "quillkit-cli ${ARGN}: exit ${code}, expected ${expected_code}\n${err}")
    endif()
    if(expected_stdout_file)
        execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${WORK}/stdout"
                                "${expected_stdout_file}" RESULT_VARIABLE differ)
        if(differ)
            message(FATAL_ERROR "quillkit-cli ${ARGN}: stdout differs from ${expected_stdout_file}")
        endif()
    else()
        file(SIZE "${WORK}/stdout" size)
        if(NOT size EQUAL 0)
            message(FATAL_ERROR "quillkit-cli ${ARGN}: expected empty stdout")
        endif()
    endif()
endfunction()

expect_run(0 "${FIXTURES}/strings.expected.txt" format "${FIXTURES}/strings.txt")
expect_run(1 "${FIXTURES}/broken.expected.txt" format --install-dir "${WORK}" "${FIXTURES}/broken.txt")
expect_run(2 "" format "${FIXTURES}/missing.txt")
expect_run(2 "" format)
