# Every registered feature dialog through the same user scenarios, against the simulated switch;
# the cases are spread over shards that run side by side, each with its own switch.
nv_add_dialog_suite(dialog_conformance_tests SHARDS 6 SOURCES ${CMAKE_CURRENT_LIST_DIR}/DialogConformanceTest.cpp)
