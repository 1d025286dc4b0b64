# Every registered feature dialog through the same user scenarios, against the simulated switch;
# the cases are spread over shards that run side by side, each with its own switch.
if(TARGET dialog_registry AND TARGET switchsim_fixture)
  nv_add_sharded_test(dialog_conformance_tests SHARDS 6
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/DialogConformanceTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/DialogConformanceTable.cpp
    LIBS dialog_registry dialogs shell switchsim_fixture)
  target_compile_definitions(dialog_conformance_tests PRIVATE
    NV_TEST_DIR="${CMAKE_CURRENT_LIST_DIR}" NV_SIM_SEED_DIR="${CMAKE_SOURCE_DIR}/sim/seed")

endif()
