# Request engine: value and index conversions, requests against switchsim and a scripted
# misbehaving responder.
nv_add_test(request_convert_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/request_convert_test.cpp
  LIBS nvsnmp)

# The scripted misbehaving responder (test-side helper; may use Net-SNMP directly).
add_library(scripted_agent STATIC ${CMAKE_SOURCE_DIR}/tests/support/ScriptedAgent.cpp)
target_include_directories(scripted_agent PUBLIC ${CMAKE_SOURCE_DIR}/tests/support)
target_link_libraries(scripted_agent PRIVATE netsnmp::snmp)

if(TARGET switchsim_fixture)
  nv_add_test(request_agent_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/request_agent_test.cpp
    LIBS nvsnmp switchsim_fixture)
endif()

nv_add_test(request_scripted_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/request_scripted_test.cpp
  LIBS nvsnmp scripted_agent test_support)
