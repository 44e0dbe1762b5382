# Runs quillkit-cli as a separate program and checks exit codes and exact stdout bytes.
# With EMULATOR (Wine, for the Windows build) the program sees this system's root as
# drive Z:, as Wine maps it.
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
# IN and OUT are the fixture and work folders as the program names them.
set(IN "${FIXTURES}")
set(OUT "${WORK}")
if(EMULATOR)
    set(IN "Z:${FIXTURES}")
    set(OUT "Z:${WORK}")
endif()

function(expect_run expected_code expected_stdout_file)
    execute_process(COMMAND ${EMULATOR} "${CLI}" ${ARGN}
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

expect_run(0 "${FIXTURES}/strings.expected.txt" format "${IN}/strings.txt")
expect_run(1 "${FIXTURES}/broken.expected.txt" format --install-dir "${OUT}" "${IN}/broken.txt")
expect_run(2 "" format "${IN}/missing.txt")
expect_run(2 "" format)
expect_run(0 "" samples "${IN}/strings.txt")
expect_run(2 "" samples "${IN}/missing.sf2")
