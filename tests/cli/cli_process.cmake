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

# EXPECTED_CODE ANY takes every exit code.
function(expect_run expected_code expected_stdout_file)
    execute_process(COMMAND ${EMULATOR} "${CLI}" ${ARGN}
                    OUTPUT_FILE "${WORK}/stdout" ERROR_VARIABLE err RESULT_VARIABLE code)
    if(NOT expected_code STREQUAL "ANY" AND NOT code EQUAL expected_code)
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

# Detection as Open judges files: a Sarvik file, and a text that is none.
file(WRITE "${WORK}/one.expected" "1\n")
file(WRITE "${WORK}/none.expected" "-1\n")
file(WRITE "${WORK}/plain.txt" "just words\n")
expect_run(0 "${WORK}/one.expected" detect "${IN}/strings.txt")
expect_run(0 "${WORK}/none.expected" detect "${OUT}/plain.txt")
expect_run(2 "" detect "${IN}/missing.txt")

# Formatting reaches a fixed point at once: the format of a format is that format,
# for every Sarvik text of the fixtures and of the fuzzing seeds.
# A fuzzing corpus holds hundreds of inputs once a campaign has merged into it; an
# even sample of each, the same every run, keeps this test short.
function(even_sample out directory most)
    file(GLOB all "${directory}/*")
    list(SORT all)
    list(LENGTH all count)
    set(chosen)
    if(count GREATER 0)
        math(EXPR stride "(${count} + ${most} - 1) / ${most}")
        foreach(index RANGE 0 ${count} ${stride})
            if(index LESS count)
                list(GET all ${index} item)
                list(APPEND chosen "${item}")
            endif()
        endforeach()
    endif()
    set(${out} "${chosen}" PARENT_SCOPE)
endfunction()

file(GLOB texts "${FIXTURES}/*.txt")
list(FILTER texts EXCLUDE REGEX "\\.expected\\.txt$")
foreach(corpus IN ITEMS sarvik_text sarvik_fixed_point)
    even_sample(seeds "${SEEDS}/${corpus}" 40)
    list(APPEND texts ${seeds})
endforeach()
foreach(text IN LISTS texts)
    get_filename_component(name "${text}" NAME)
    set(source "${text}")
    if(EMULATOR)
        set(source "Z:${text}")
    endif()
    execute_process(COMMAND ${EMULATOR} "${CLI}" format --install-dir "${OUT}" "${source}"
                    OUTPUT_FILE "${WORK}/first.txt" ERROR_QUIET)
    expect_run(ANY "${WORK}/first.txt" format --install-dir "${OUT}" "${OUT}/first.txt")
endforeach()
