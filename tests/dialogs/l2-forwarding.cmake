# The forwarding-table dialogs: port capabilities, traffic segmentation, NLB entries; and their
# menu items.
if(TARGET dialogs AND TARGET switchsim_fixture)
  foreach(test port_capabilities:PortCapabilities traffic_segmentation:TrafficSegmentation mac_entry:MacEntry
               vlan_current_port:VlanCurrentPort guest_vlan:GuestVlan protocol_port:ProtocolPort)
    string(REPLACE ":" ";" parts ${test})
    list(GET parts 0 name)
    list(GET parts 1 file)
    nv_add_test(${name}_dialog_tests
      SOURCES ${CMAKE_CURRENT_LIST_DIR}/${file}DialogTest.cpp
      LIBS dialogs switchsim_fixture)
    target_compile_definitions(${name}_dialog_tests PRIVATE
      NV_TEST_DIR="${CMAKE_CURRENT_LIST_DIR}" NV_SIM_SEED_DIR="${CMAKE_SOURCE_DIR}/sim/seed")
  endforeach()
endif()

if(TARGET dialog_registry AND TARGET switchsim_fixture)
  nv_add_test(l2_forwarding_menu_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/L2ForwardingMenuTest.cpp
    LIBS dialog_registry dialogs shell switchsim_fixture)
  target_compile_definitions(l2_forwarding_menu_tests PRIVATE
    NV_TEST_DIR="${CMAKE_CURRENT_LIST_DIR}" NV_SIM_SEED_DIR="${CMAKE_SOURCE_DIR}/sim/seed")
endif()

# Not a test: shows one of these dialogs for a screenshot (scripts/screenshot), by class name.
if(TARGET dialog_registry AND TARGET switchsim_fixture)
  add_executable(l2_forwarding_shot ${CMAKE_CURRENT_LIST_DIR}/L2ForwardingShot.cpp)
  target_link_libraries(l2_forwarding_shot PRIVATE dialog_registry dialogs shell switchsim_fixture)
  set_target_properties(l2_forwarding_shot PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
endif()
