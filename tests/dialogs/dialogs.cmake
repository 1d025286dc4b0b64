# The shared dialog stock and the feature dialogs, against the simulated switch.
if(TARGET dialogs AND TARGET switchsim_fixture)
  nv_add_test(dialog_stock_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/DialogChecksTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/DialogStockTest.cpp
    LIBS dialogs switchsim_fixture)
  target_compile_definitions(dialog_stock_tests PRIVATE
    NV_TEST_DIR="${CMAKE_CURRENT_LIST_DIR}" NV_SIM_SEED_DIR="${CMAKE_SOURCE_DIR}/sim/seed")
endif()

# The chosen-row path of the stock, over a few dialogs of each kind.
if(TARGET dialogs AND TARGET switchsim_fixture)
  nv_add_test(chosen_row_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/ChosenRowTest.cpp
    LIBS dialogs switchsim_fixture)
  target_compile_definitions(chosen_row_tests PRIVATE
    NV_TEST_DIR="${CMAKE_CURRENT_LIST_DIR}" NV_SIM_SEED_DIR="${CMAKE_SOURCE_DIR}/sim/seed")
endif()

if(TARGET dialogs AND TARGET switchsim_fixture)
  nv_add_test(vlan_static_dialog_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/VlanStaticFormTest.cpp
    LIBS dialogs switchsim_fixture)
  target_compile_definitions(vlan_static_dialog_tests PRIVATE
    NV_TEST_DIR="${CMAKE_CURRENT_LIST_DIR}" NV_SIM_SEED_DIR="${CMAKE_SOURCE_DIR}/sim/seed")
endif()

if(TARGET dialog_registry AND TARGET switchsim_fixture)
  nv_add_test(vlan_static_menu_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/VlanStaticMenuTest.cpp
    LIBS dialog_registry dialogs shell switchsim_fixture)
  target_compile_definitions(vlan_static_menu_tests PRIVATE
    NV_TEST_DIR="${CMAKE_CURRENT_LIST_DIR}" NV_SIM_SEED_DIR="${CMAKE_SOURCE_DIR}/sim/seed")
endif()

# Not a test: shows the dialog for a screenshot (scripts/screenshot).
if(TARGET dialogs AND TARGET switchsim_fixture)
  add_executable(vlan_static_shot ${CMAKE_CURRENT_LIST_DIR}/VlanStaticShot.cpp)
  target_link_libraries(vlan_static_shot PRIVATE dialogs switchsim_fixture)
  set_target_properties(vlan_static_shot PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
endif()

if(TARGET shell)
  nv_add_test(dialog_command_rows_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/DialogCommandsTest.cpp
    LIBS shell)
endif()

# The port management dialogs: port trunk, port mirror, port security delete.
if(TARGET dialogs AND TARGET switchsim_fixture)
  nv_add_test(port_management_dialog_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/PortSecurityDeleteFormTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/PortTrunkFormTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/PortMirrorFormTest.cpp
    LIBS dialogs switchsim_fixture)
  target_compile_definitions(port_management_dialog_tests PRIVATE
    NV_TEST_DIR="${CMAKE_CURRENT_LIST_DIR}" NV_SIM_SEED_DIR="${CMAKE_SOURCE_DIR}/sim/seed")
endif()

# The spanning tree state and parameter dialogs.
if(TARGET dialogs AND TARGET switchsim_fixture)
  nv_add_test(spanning_tree_dialog_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/SpanningTreeDialogsTest.cpp
    LIBS dialogs switchsim_fixture)
  target_compile_definitions(spanning_tree_dialog_tests PRIVATE
    NV_TEST_DIR="${CMAKE_CURRENT_LIST_DIR}" NV_SIM_SEED_DIR="${CMAKE_SOURCE_DIR}/sim/seed")
endif()

# The VLAN-map dialogs: MSTP instances and the ERPS ring.
if(TARGET dialogs AND TARGET switchsim_fixture)
  nv_add_test(vlan_map_dialog_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/VlanMapFormsTest.cpp
    LIBS dialogs switchsim_fixture)
  target_compile_definitions(vlan_map_dialog_tests PRIVATE
    NV_TEST_DIR="${CMAKE_CURRENT_LIST_DIR}" NV_SIM_SEED_DIR="${CMAKE_SOURCE_DIR}/sim/seed")
endif()

# Not a test: shows one of the layer 2 dialogs above for a screenshot (scripts/screenshot).
if(TARGET dialogs AND TARGET switchsim_fixture)
  add_executable(l2_dialogs_shot ${CMAKE_CURRENT_LIST_DIR}/L2DialogsShot.cpp)
  target_link_libraries(l2_dialogs_shot PRIVATE dialogs switchsim_fixture)
  set_target_properties(l2_dialogs_shot PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
endif()

if(TARGET dialog_registry AND TARGET switchsim_fixture)
  nv_add_test(l2_dialog_menu_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/L2DialogMenusTest.cpp
    LIBS dialog_registry dialogs shell switchsim_fixture)
  target_compile_definitions(l2_dialog_menu_tests PRIVATE
    NV_TEST_DIR="${CMAKE_CURRENT_LIST_DIR}" NV_SIM_SEED_DIR="${CMAKE_SOURCE_DIR}/sim/seed")
endif()

# The stock for the later dialogs: placement, request subclasses, include boxes, shared texts.
if(TARGET dialogs AND TARGET switchsim_fixture)
  nv_add_test(dialog_stock_families_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/DialogStockFamiliesTest.cpp
    LIBS dialogs switchsim_fixture)
  target_compile_definitions(dialog_stock_families_tests PRIVATE
    NV_TEST_DIR="${CMAKE_CURRENT_LIST_DIR}" NV_SIM_SEED_DIR="${CMAKE_SOURCE_DIR}/sim/seed")
endif()

# The access profile and rule dialogs.
if(TARGET dialogs AND TARGET switchsim_fixture)
  nv_add_test(acl_dialog_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/AclEthernetProfileTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/AclEthernetRuleTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/AclPacketContentTest.cpp
    LIBS dialogs switchsim_fixture)
  target_compile_definitions(acl_dialog_tests PRIVATE
    NV_TEST_DIR="${CMAKE_CURRENT_LIST_DIR}" NV_SIM_SEED_DIR="${CMAKE_SOURCE_DIR}/sim/seed")
endif()

if(TARGET dialog_registry AND TARGET switchsim_fixture)
  nv_add_test(acl_menu_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/AclMenuTest.cpp
    LIBS dialog_registry dialogs shell switchsim_fixture)
  target_compile_definitions(acl_menu_tests PRIVATE
    NV_TEST_DIR="${CMAKE_CURRENT_LIST_DIR}" NV_SIM_SEED_DIR="${CMAKE_SOURCE_DIR}/sim/seed")
endif()

# Not a test: shows one access profile or rule dialog for a screenshot (scripts/screenshot).
if(TARGET dialogs AND TARGET switchsim_fixture)
  add_executable(acl_dialog_shot ${CMAKE_CURRENT_LIST_DIR}/AclDialogShot.cpp)
  target_link_libraries(acl_dialog_shot PRIVATE dialogs switchsim_fixture)
  set_target_properties(acl_dialog_shot PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
endif()

# The LLDP, 802.3 pause and control, and CoS bandwidth dialogs.
if(TARGET dialogs AND TARGET switchsim_fixture)
  nv_add_test(lldp_dot3_cos_dialog_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/LldpDot1ConfigTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/LldpTlvConfigTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/LldpInfoTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/CosBandwidthTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/Dot3Test.cpp
    LIBS dialogs switchsim_fixture)
  target_compile_definitions(lldp_dot3_cos_dialog_tests PRIVATE
    NV_TEST_DIR="${CMAKE_CURRENT_LIST_DIR}" NV_SIM_SEED_DIR="${CMAKE_SOURCE_DIR}/sim/seed")
endif()

if(TARGET dialog_registry AND TARGET switchsim_fixture)
  nv_add_test(lldp_dot3_cos_menu_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/LldpDot3CosMenuTest.cpp
    LIBS dialog_registry dialogs shell switchsim_fixture)
  target_compile_definitions(lldp_dot3_cos_menu_tests PRIVATE
    NV_TEST_DIR="${CMAKE_CURRENT_LIST_DIR}" NV_SIM_SEED_DIR="${CMAKE_SOURCE_DIR}/sim/seed")
endif()

# Not a test: shows one of those dialogs for a screenshot (scripts/screenshot).
if(TARGET dialogs AND TARGET switchsim_fixture)
  add_executable(lldp_dot3_cos_shot ${CMAKE_CURRENT_LIST_DIR}/LldpDot3CosShot.cpp)
  target_link_libraries(lldp_dot3_cos_shot PRIVATE dialogs switchsim_fixture)
  set_target_properties(lldp_dot3_cos_shot PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
endif()

# The system area's list dialogs with entry pop-ups (DHCP relay servers and the others).
if(TARGET dialog_registry AND TARGET switchsim_fixture)
  nv_add_test(system_list_dialog_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/SystemListDialogsTest.cpp
    LIBS dialog_registry dialogs shell switchsim_fixture)
  target_compile_definitions(system_list_dialog_tests PRIVATE
    NV_TEST_DIR="${CMAKE_CURRENT_LIST_DIR}" NV_SIM_SEED_DIR="${CMAKE_SOURCE_DIR}/sim/seed")
endif()

# Not a test: shows a system-area list dialog or its pop-up for a screenshot.
if(TARGET dialogs AND TARGET switchsim_fixture)
  add_executable(system_dialogs_shot ${CMAKE_CURRENT_LIST_DIR}/SystemDialogsShot.cpp)
  target_link_libraries(system_dialogs_shot PRIVATE dialogs switchsim_fixture)
  set_target_properties(system_dialogs_shot PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
endif()

# The security dialogs: ARP spoofing prevention, IP-MAC binding, DHCP offer permits, MBA settings.
if(TARGET dialog_registry AND TARGET switchsim_fixture)
  nv_add_test(security_dialog_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/SecurityDialogsTest.cpp
    LIBS dialog_registry dialogs shell switchsim_fixture)
  target_compile_definitions(security_dialog_tests PRIVATE
    NV_TEST_DIR="${CMAKE_CURRENT_LIST_DIR}" NV_SIM_SEED_DIR="${CMAKE_SOURCE_DIR}/sim/seed")
endif()
