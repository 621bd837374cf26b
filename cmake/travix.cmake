# travix_add_mib(<target> DEFINITION <definition file> OUTPUT <MIB file>)
#
# Adds <target>, built by default, that converts the definition file into the MIB file with
# travix::travix whenever the definition file (or travix) has changed. A relative DEFINITION is
# taken from the current source directory, a relative OUTPUT from the current binary directory.
# travix runs in the MIB file's directory, so the module's "--file:" line holds the bare file
# name and not a path of the build machine.
#
# travix itself always exits with status 0; the build step fails instead when travix reports
# anything but a clean run (see travix_run.cmake), and the incomplete MIB file is removed.
set_property(GLOBAL PROPERTY TRAVIX_RUN_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/travix_run.cmake)

function(travix_add_mib target)
    cmake_parse_arguments(PARSE_ARGV 1 mib "" "DEFINITION;OUTPUT" "")
    if(NOT mib_DEFINITION OR NOT mib_OUTPUT OR mib_UNPARSED_ARGUMENTS)
        message(FATAL_ERROR "travix_add_mib(<target> DEFINITION <file> OUTPUT <file>)")
    endif()
    get_filename_component(definition ${mib_DEFINITION} ABSOLUTE
                           BASE_DIR ${CMAKE_CURRENT_SOURCE_DIR})
    get_filename_component(output ${mib_OUTPUT} ABSOLUTE BASE_DIR ${CMAKE_CURRENT_BINARY_DIR})
    get_filename_component(output_directory ${output} DIRECTORY)
    get_filename_component(output_name ${output} NAME)
    get_property(run_script GLOBAL PROPERTY TRAVIX_RUN_SCRIPT)

    add_custom_command(OUTPUT ${output}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${output_directory}
        COMMAND ${CMAKE_COMMAND} -DTRAVIX=$<TARGET_FILE:travix::travix>
                -DDEFINITION=${definition} -DOUTPUT_DIRECTORY=${output_directory}
                -DOUTPUT_NAME=${output_name} -P ${run_script}
        DEPENDS ${definition} travix::travix ${run_script}
        COMMENT "Generating MIB ${mib_OUTPUT} from ${mib_DEFINITION}"
        VERBATIM)
    add_custom_target(${target} ALL DEPENDS ${output})
endfunction()
