# How the dialogs' reads and writes follow one another on a slow or silent switch, and a close
# while a write waits.
if(TARGET dialogs AND TARGET switchsim_fixture)
  nv_add_test(dialog_flow_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/DialogFlowTest.cpp
    LIBS dialogs switchsim_fixture)
  target_compile_definitions(dialog_flow_tests PRIVATE
    NV_TEST_DIR="${CMAKE_CURRENT_LIST_DIR}" NV_SIM_SEED_DIR="${CMAKE_SOURCE_DIR}/sim/seed")
endif()
