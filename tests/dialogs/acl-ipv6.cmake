# The IPv6 profile and rule dialogs, the packet-content rule and the CPU filter's IPv6 rule.
if(TARGET dialogs AND TARGET switchsim_fixture)
  nv_add_test(acl_ipv6_dialog_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/AclIpv6ProfileTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/AclIpv6RuleTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/AclBasicFormRuleTest.cpp
    LIBS dialogs switchsim_fixture)
  target_compile_definitions(acl_ipv6_dialog_tests PRIVATE
    NV_TEST_DIR="${CMAKE_CURRENT_LIST_DIR}" NV_SIM_SEED_DIR="${CMAKE_SOURCE_DIR}/sim/seed")
endif()
