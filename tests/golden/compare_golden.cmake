# Converts the committed generated definition file and compares the MIB file and the console text
# (less the banner, which carries the build's date) byte for byte with the committed results.
# Run with -DTRAVIX=<binary> -DGOLDEN_DIR=<this directory> -DWORK_DIR=<scratch directory>.
file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")
# The MIB path is relative because the module header quotes it as given.
execute_process(COMMAND "${TRAVIX}" "${GOLDEN_DIR}/generated.def" generated.mib
                WORKING_DIRECTORY "${WORK_DIR}"
                OUTPUT_FILE "${WORK_DIR}/console.raw"
                RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "travix ended with status ${status}")
endif()

execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files
                        "${GOLDEN_DIR}/generated.mib" "${WORK_DIR}/generated.mib"
                RESULT_VARIABLE differs)
if(NOT differs EQUAL 0)
    message(FATAL_ERROR "${WORK_DIR}/generated.mib differs from ${GOLDEN_DIR}/generated.mib")
endif()

# Compared as hex: reading text would drop the CRs of the console's CR LF line ends. The banner
# line is always 42 bytes: CR LF, "TRAVIX Ver 2.10  ", the 11-character build date, a blank, the
# 8-character build time, a blank, CR LF.
file(READ "${WORK_DIR}/console.raw" banner LIMIT 42 HEX)
if(NOT banner MATCHES "^0d0a5452415649582056657220322e31302020.*200d0a$")
    message(FATAL_ERROR "the console text does not start with the banner line")
endif()
file(READ "${WORK_DIR}/console.raw" console OFFSET 42 HEX)
file(READ "${GOLDEN_DIR}/generated.console" expected_console HEX)
if(NOT console STREQUAL expected_console)
    message(FATAL_ERROR "console text after the banner in ${WORK_DIR}/console.raw differs "
                        "from ${GOLDEN_DIR}/generated.console")
endif()
