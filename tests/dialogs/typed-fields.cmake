# Every typed field of every registered dialog and pop-up given hostile and edge texts, against
# the simulated switch: refused, or written as exactly the octets the text stands for.
nv_add_dialog_suite(typed_field_tests SHARDS 6
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/TypedFieldTest.cpp ${CMAKE_CURRENT_LIST_DIR}/TypedFieldTable.cpp
  LIBS switchsim_client)
