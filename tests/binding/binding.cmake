# Controls, edits and LED bindings against the simulated switch.
if(TARGET switchsim_fixture AND TARGET binding)
  nv_add_test(binding_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/CollectTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/ControlsBindingTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/EditsBindingTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/LedsBindingTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/RoundTripTest.cpp
    LIBS binding mib switchsim_fixture scripted_agent)
endif()
