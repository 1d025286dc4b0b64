# What the dialogs tell of their reads: failures, writes on failed reads, a silent switch.
if(TARGET dialog_registry AND TARGET switchsim_fixture)
  nv_add_test(read_outcome_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/ReadOutcomesTest.cpp
    LIBS dialog_registry dialogs shell switchsim_fixture)
  target_compile_definitions(read_outcome_tests PRIVATE
    NV_TEST_DIR="${CMAKE_CURRENT_LIST_DIR}" NV_SIM_SEED_DIR="${CMAKE_SOURCE_DIR}/sim/seed")
endif()
