# The shared dialog stock and the feature dialogs, against the simulated switch.
if(TARGET dialogs AND TARGET switchsim_fixture)
  nv_add_test(dialog_stock_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/DialogChecksTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/DialogStockTest.cpp
    LIBS dialogs switchsim_fixture)
  target_compile_definitions(dialog_stock_tests PRIVATE
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
