# Reproducible builds. With SOURCE_DATE_EPOCH set, the banner shows that moment (UTC) instead of
# the moment of compiling, and the program's objects carry no path of the source or build tree
# (debug info and file names would otherwise differ from one checkout or build directory to the
# next). Set SOURCE_DATE_EPOCH when configuring: its value then is the banner's; after changing
# it, configure again (CMake does not notice a changed environment by itself).
if(DEFINED ENV{SOURCE_DATE_EPOCH})
    set(reproducible_default ON)
else()
    set(reproducible_default OFF)
endif()
option(TRAVIX_REPRODUCIBLE
       "Build the same binary from any directory (default: SOURCE_DATE_EPOCH set)"
       ${reproducible_default})

if(TRAVIX_REPRODUCIBLE)
    foreach(target travix_mib travix_driver travix)
        target_compile_options(${target} PRIVATE
            -ffile-prefix-map=${PROJECT_SOURCE_DIR}=.
            -ffile-prefix-map=${PROJECT_BINARY_DIR}=.)
    endforeach()
endif()

# The banner's date and time are __DATE__ and __TIME__. g++ takes them from SOURCE_DATE_EPOCH at
# compile time, clang before version 16 does not; so give both compilers the moment the variable
# held when this build directory was configured, in the layout of __DATE__ ("May  1 2012").
if(DEFINED ENV{SOURCE_DATE_EPOCH})
    if(NOT "$ENV{SOURCE_DATE_EPOCH}" MATCHES "^[0-9]+$")
        message(FATAL_ERROR "SOURCE_DATE_EPOCH must be a number of seconds, not "
                            "'$ENV{SOURCE_DATE_EPOCH}'")
    endif()
    string(TIMESTAMP month "%b" UTC)
    string(TIMESTAMP day "%d" UTC)
    string(TIMESTAMP year "%Y" UTC)
    string(TIMESTAMP time "%H:%M:%S" UTC)
    string(REGEX REPLACE "^0" " " day "${day}")
    message(STATUS "Banner date from SOURCE_DATE_EPOCH: ${month} ${day} ${year} ${time}")
    set_property(SOURCE ${PROJECT_SOURCE_DIR}/driver/conversion.cpp APPEND PROPERTY
                 COMPILE_DEFINITIONS "__DATE__=\"${month} ${day} ${year}\"" "__TIME__=\"${time}\"")
    set_property(SOURCE ${PROJECT_SOURCE_DIR}/driver/conversion.cpp APPEND PROPERTY
                 COMPILE_OPTIONS -Wno-builtin-macro-redefined)
endif()
