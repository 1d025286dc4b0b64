# Every registered dialog with a write, refused at each SET and left unanswered, against the
# simulated switch; sharded like the conformance suite.
if(TARGET dialog_registry AND TARGET switchsim_fixture)
  nv_add_sharded_test(dialog_write_outcome_tests SHARDS 4
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/DialogWriteOutcomeTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/DialogConformanceTable.cpp
    LIBS dialog_registry dialogs shell switchsim_fixture)
  target_compile_definitions(dialog_write_outcome_tests PRIVATE
    NV_TEST_DIR="${CMAKE_CURRENT_LIST_DIR}" NV_SIM_SEED_DIR="${CMAKE_SOURCE_DIR}/sim/seed")
endif()
