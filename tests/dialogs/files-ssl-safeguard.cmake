# The SSL settings, SSL certificate file, safeguard engine and agent update files dialogs.
if(TARGET dialog_registry AND TARGET switchsim_fixture)
  nv_add_test(files_ssl_safeguard_dialog_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/FilesSslSafeguardDialogsTest.cpp
    LIBS dialog_registry dialogs shell switchsim_fixture)
  target_compile_definitions(files_ssl_safeguard_dialog_tests PRIVATE
    NV_TEST_DIR="${CMAKE_CURRENT_LIST_DIR}" NV_SIM_SEED_DIR="${CMAKE_SOURCE_DIR}/sim/seed")
endif()
