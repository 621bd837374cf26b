# Installing travix like any other command-line tool: the program, its manual page, and a CMake
# package that lets other projects regenerate their MIB files with travix_add_mib().
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(TRAVIX_PACKAGE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/travix)

install(TARGETS travix EXPORT travixTargets RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/docs/travix.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
# The module travix's MIB files import, for SNMP tools that come without it.
install(FILES ${PROJECT_SOURCE_DIR}/tests/snmp/mibs/RFC1155-SMI.txt
        DESTINATION ${CMAKE_INSTALL_DATADIR}/travix/mibs)

install(EXPORT travixTargets NAMESPACE travix:: DESTINATION ${TRAVIX_PACKAGE_DIR})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/travixConfigVersion.cmake
    VERSION ${PROJECT_VERSION} COMPATIBILITY SameMajorVersion)
install(FILES
    ${PROJECT_SOURCE_DIR}/cmake/travixConfig.cmake
    ${PROJECT_SOURCE_DIR}/cmake/travix.cmake
    ${PROJECT_SOURCE_DIR}/cmake/travix_run.cmake
    ${PROJECT_BINARY_DIR}/travixConfigVersion.cmake
    DESTINATION ${TRAVIX_PACKAGE_DIR})

# A project that adds this one with add_subdirectory() gets the same names as one that installs it.
add_executable(travix::travix ALIAS travix)
include(${PROJECT_SOURCE_DIR}/cmake/travix.cmake)
