# Error codes and message tables, number lists, DateAndTime, INI reading and text helpers.
nv_add_test(nvsnmp_core_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/NvSNMPErrorTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/NvUtilsTest.cpp
  LIBS nvsnmp)

# Session start with its boot counter, and the event pump.
nv_add_test(nvsnmp_session_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/NvSNMPSessionTest.cpp
  LIBS nvsnmp platform_gui test_support)
