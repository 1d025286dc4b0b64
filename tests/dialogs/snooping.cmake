# The IGMP and MLD snooping dialogs and their menu items, against the simulated switch.
if(TARGET dialog_registry AND TARGET switchsim_fixture)
  nv_add_test(snooping_dialog_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/SnoopingDialogsTest.cpp
    LIBS dialog_registry dialogs shell switchsim_fixture)
  target_compile_definitions(snooping_dialog_tests PRIVATE
    NV_TEST_DIR="${CMAKE_CURRENT_LIST_DIR}" NV_SIM_SEED_DIR="${CMAKE_SOURCE_DIR}/sim/seed")
endif()
