# Runs travix for travix_add_mib() and turns its console report into a build result: travix
# always exits with status 0, so a definition file with an error would otherwise leave a partial
# MIB file behind a successful build.
#   cmake -DTRAVIX=<program> -DDEFINITION=<file> -DOUTPUT_DIRECTORY=<dir> -DOUTPUT_NAME=<name>
#         -P travix_run.cmake
execute_process(COMMAND ${TRAVIX} ${DEFINITION} ${OUTPUT_NAME}
                WORKING_DIRECTORY ${OUTPUT_DIRECTORY}
                OUTPUT_VARIABLE console ERROR_VARIABLE console RESULT_VARIABLE status)
string(REPLACE "\r" "" console "${console}")

# Every message travix gives for a definition file it could not convert completely. A line
# without "=" after the header ("Execution stopped") drops every record after it.
set(problems
    "Error retrieving" "strings are the same" "Can't open" "error scanning line"
    "Unknown object type" "Execution stopped at line" "Error reading" "Error writing")
set(failed FALSE)
if(NOT status EQUAL 0 OR NOT console MATCHES "\nDone\\.\n")
    set(failed TRUE)
endif()
foreach(problem IN LISTS problems)
    string(FIND "${console}" "${problem}" found)
    if(NOT found EQUAL -1)
        set(failed TRUE)
    endif()
endforeach()

if(failed)
    file(REMOVE ${OUTPUT_DIRECTORY}/${OUTPUT_NAME})
    message("${console}")
    message(FATAL_ERROR "travix could not convert ${DEFINITION} completely (messages above)")
endif()
