# The value contract: every typed text becomes exactly the octets of its syntax or is refused.
if(TARGET binding)
  nv_add_test(value_contract_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/ValueContractTest.cpp
    LIBS binding)
endif()
