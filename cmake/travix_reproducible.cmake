# Reproducible builds. With SOURCE_DATE_EPOCH set, the banner shows that moment (UTC) instead of
# the moment of compiling, and the program's objects carry no path of the source or build tree
# (debug info and file names would otherwise differ from one checkout or build directory to the
# next). Set SOURCE_DATE_EPOCH before configuring a fresh build directory: the date is compiled
# into driver/conversion.cpp, which a later change of the variable alone does not rebuild.
if(DEFINED ENV{SOURCE_DATE_EPOCH})
    set(reproducible_default ON)
else()
    set(reproducible_default OFF)
endif()
option(TRAVIX_REPRODUCIBLE "Build the same binary from any directory (default: SOURCE_DATE_EPOCH set)"
       ${reproducible_default})

if(TRAVIX_REPRODUCIBLE)
    foreach(target travix_mib travix_driver travix)
        target_compile_options(${target} PRIVATE
            -ffile-prefix-map=${PROJECT_SOURCE_DIR}=.
            -ffile-prefix-map=${PROJECT_BINARY_DIR}=.)
    endforeach()
endif()

# g++ takes __DATE__ and __TIME__ from SOURCE_DATE_EPOCH itself; older clang does not. Ask the
# compiler what it would write, and give it the two macros when it does not follow the variable.
if(DEFINED ENV{SOURCE_DATE_EPOCH})
    string(TIMESTAMP month "%b" UTC)
    string(TIMESTAMP day "%d" UTC)
    string(TIMESTAMP year "%Y" UTC)
    string(TIMESTAMP time "%H:%M:%S" UTC)
    string(REGEX REPLACE "^0" " " day "${day}")
    set(build_date "${month} ${day} ${year}")
    set(probe ${PROJECT_BINARY_DIR}/CMakeFiles/travix_build_date.cpp)
    file(WRITE ${probe} "__DATE__ __TIME__\n")
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -E -P ${probe}
                    OUTPUT_VARIABLE compiler_date OUTPUT_STRIP_TRAILING_WHITESPACE
                    RESULT_VARIABLE probe_status)
    if(NOT probe_status EQUAL 0 OR NOT compiler_date STREQUAL "\"${build_date}\" \"${time}\"")
        message(STATUS "Banner date from SOURCE_DATE_EPOCH: ${build_date} ${time}")
        set_property(SOURCE ${PROJECT_SOURCE_DIR}/driver/conversion.cpp APPEND PROPERTY
                     COMPILE_DEFINITIONS "__DATE__=\"${build_date}\"" "__TIME__=\"${time}\"")
        set_property(SOURCE ${PROJECT_SOURCE_DIR}/driver/conversion.cpp APPEND PROPERTY
                     COMPILE_OPTIONS -Wno-builtin-macro-redefined)
    endif()
endif()
