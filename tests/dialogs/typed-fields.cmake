# Every typed field of every registered dialog and pop-up given hostile and edge texts, against
# the simulated switch: refused, or written as exactly the octets the text stands for.
if(TARGET dialog_registry AND TARGET switchsim_fixture)
  nv_add_sharded_test(typed_field_tests SHARDS 6
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/TypedFieldTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/TypedFieldTable.cpp
            ${CMAKE_CURRENT_LIST_DIR}/DialogConformanceTable.cpp
    LIBS dialog_registry dialogs shell switchsim_fixture switchsim_client)
  target_compile_definitions(typed_field_tests PRIVATE
    NV_TEST_DIR="${CMAKE_CURRENT_LIST_DIR}" NV_SIM_SEED_DIR="${CMAKE_SOURCE_DIR}/sim/seed")
endif()
