# The SNMP library adapter: value types, boot counter file and session behaviour.
nv_add_test(snmp_adapter_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/snmp/SnmpValuesTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/snmp/SnmpBootCounterTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/snmp/SnmpSessionLocalTest.cpp
  LIBS platform_snmp netsnmp::snmp test_support)

# The same session against the simulated switch.
if(TARGET switchsim_fixture)
  nv_add_test(snmp_adapter_sim_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/snmp/SnmpSessionSimTest.cpp
    LIBS platform_snmp switchsim_fixture)
endif()
