# Start-up configuration: registry, message files, command line, per-device file, program entry.
if(TARGET shell)
  nv_add_test(shell_startup_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/StartupTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/MainFormTest.cpp
    LIBS shell)
endif()
