# Start-up configuration: registry, message files, command line and per-device file.
if(TARGET shell)
  nv_add_test(shell_startup_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/StartupTest.cpp
    LIBS shell)
endif()
