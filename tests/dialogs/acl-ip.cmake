# The IP profile and rule dialogs of the ACL and of the CPU interface filter.
if(TARGET dialogs AND TARGET switchsim_fixture)
  nv_add_test(acl_ip_dialog_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/AclIpDialogsTest.cpp ${CMAKE_CURRENT_LIST_DIR}/AclIpRuleTest.cpp
    LIBS dialogs switchsim_fixture)
  target_compile_definitions(acl_ip_dialog_tests PRIVATE
    NV_TEST_DIR="${CMAKE_CURRENT_LIST_DIR}" NV_SIM_SEED_DIR="${CMAKE_SOURCE_DIR}/sim/seed")
endif()
