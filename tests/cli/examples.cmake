# The demo files are what the project's script makes, and the editor's own writer
# leaves the demo Sarvik file unchanged.
file(REMOVE_RECURSE "${WORK}")
execute_process(COMMAND python3 "${SOURCE}/scripts/make-examples.py" "${WORK}" RESULT_VARIABLE code)
if(NOT code EQUAL 0)
    message(FATAL_ERROR "make-examples.py failed")
endif()
foreach(name "demo.sf2" "demo.nsp" "Demo Pad.txt")
    execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${WORK}/${name}"
                            "${SOURCE}/examples/Samples/${name}" RESULT_VARIABLE differ)
    if(differ)
        message(FATAL_ERROR "examples/Samples/${name} is not what make-examples.py writes")
    endif()
endforeach()

execute_process(COMMAND "${CLI}" format --install-dir "${SOURCE}/examples" "${SOURCE}/examples/Samples/Demo Pad.txt"
                OUTPUT_FILE "${WORK}/formatted.txt" RESULT_VARIABLE code)
execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${WORK}/formatted.txt"
                        "${SOURCE}/examples/Samples/Demo Pad.txt" RESULT_VARIABLE differ)
if(NOT code EQUAL 0 OR differ)
    message(FATAL_ERROR "saving the demo file unchanged would change it")
endif()
execute_process(COMMAND "${CLI}" samples "${SOURCE}/examples/Samples/demo.sf2" OUTPUT_VARIABLE names)
if(NOT names STREQUAL "Analog Bass\nBrass Section\nChoir Aahs\nglass Bells\nPluck\nsine Lead\nSoft Strings\nWarm Pad\n")
    message(FATAL_ERROR "the demo bank lists:\n${names}")
endif()
