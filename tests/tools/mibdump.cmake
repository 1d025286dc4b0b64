# mibdump prints the whole catalogue.
nv_add_test(mibdump_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/MibDumpTest.cpp
  LIBS mib)
target_compile_definitions(mibdump_tests PRIVATE MIBDUMP_PATH="$<TARGET_FILE:mibdump>")
add_dependencies(mibdump_tests mibdump)
