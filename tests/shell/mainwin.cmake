# The main window and the front panels against the simulated switch.
if(TARGET shell AND TARGET switchsim_fixture)
  nv_add_test(shell_mainwin_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/MainWindowTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/FrontPanelTest.cpp
    LIBS shell switchsim_fixture switchsim_client)
endif()
