# What the generic views give the switch: values written back as read, typed values whole or
# refused, no marker of the access layer shown or sent.
if(TARGET switchsim_fixture AND TARGET views)
  nv_add_test(value_contract_view_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/ValueContractViewTest.cpp
    LIBS views switchsim_fixture)
endif()
