# switchsim against a real manager on loopback.
nv_add_test(switchsim_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/switchsim_test.cpp
  LIBS switchsim_fixture switchsim_client)
