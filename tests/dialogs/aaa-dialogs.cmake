# The access authentication control dialogs: server hosts, method lists, server groups.
if(TARGET dialog_registry AND TARGET switchsim_fixture)
  nv_add_test(aaa_dialog_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/AaaDialogsTest.cpp
    LIBS dialog_registry dialogs shell switchsim_fixture)
  target_compile_definitions(aaa_dialog_tests PRIVATE
    NV_TEST_DIR="${CMAKE_CURRENT_LIST_DIR}" NV_SIM_SEED_DIR="${CMAKE_SOURCE_DIR}/sim/seed")
endif()
