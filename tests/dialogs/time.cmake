# The time and mail settings dialogs: network time, summer time, current time, SMTP.
if(TARGET dialog_registry AND TARGET switchsim_fixture)
  nv_add_test(time_mail_dialog_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/TimeMailDialogsTest.cpp
    LIBS dialog_registry dialogs shell switchsim_fixture)
  target_compile_definitions(time_mail_dialog_tests PRIVATE
    NV_TEST_DIR="${CMAKE_CURRENT_LIST_DIR}" NV_SIM_SEED_DIR="${CMAKE_SOURCE_DIR}/sim/seed")
endif()
