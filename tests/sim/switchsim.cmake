# switchsim against a real manager on loopback.
nv_add_test(switchsim_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/switchsim_test.cpp
  LIBS switchsim_checked_fixture switchsim_client)

# The same agent against Net-SNMP's own snmpget/snmpwalk/snmpset (package snmp).
find_program(NV_SNMPGET snmpget)
if(NV_SNMPGET)
  add_test(NAME switchsim_answers_net_snmp_tools
    COMMAND ${CMAKE_CURRENT_LIST_DIR}/switchsim_tools.sh $<TARGET_FILE:switchsim_checked>)
  set_tests_properties(switchsim_answers_net_snmp_tools PROPERTIES TIMEOUT 60)
endif()
