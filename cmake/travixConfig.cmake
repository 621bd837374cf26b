# find_package(travix): the installed travix program as travix::travix, and travix_add_mib().
include(${CMAKE_CURRENT_LIST_DIR}/travixTargets.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/travix.cmake)
