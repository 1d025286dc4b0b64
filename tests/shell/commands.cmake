# Menu commands run from their rows against the simulated switch, and the MIB viewers' command
# lines. Built from the shell sources they need, so that the test does not wait for the main window.
if(TARGET views AND TARGET switchsim_fixture)
  nv_add_test(shell_commands_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/CommandRunnerTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/ViewerLaunchTest.cpp
            ${CMAKE_SOURCE_DIR}/shell/CommandRunner.cpp
            ${CMAKE_SOURCE_DIR}/shell/About.cpp
            ${CMAKE_SOURCE_DIR}/shell/LayoutPictures.cpp
            ${CMAKE_SOURCE_DIR}/shell/ViewerLaunch.cpp
            ${CMAKE_SOURCE_DIR}/shell/Startup.cpp
            ${CMAKE_SOURCE_DIR}/shell/CommandsBasic.cpp
            ${CMAKE_SOURCE_DIR}/shell/CommandsLayer2.cpp
            ${CMAKE_SOURCE_DIR}/shell/CommandsLayer3SingleIp.cpp
            ${CMAKE_SOURCE_DIR}/shell/CommandsRmonBridgeVlan.cpp
            ${CMAKE_SOURCE_DIR}/shell/CommandsSecurity.cpp
            ${CMAKE_SOURCE_DIR}/shell/CommandsSnmpV3.cpp
            ${CMAKE_SOURCE_DIR}/shell/Commands.cpp
    LIBS views mib switchsim_fixture)
  target_include_directories(shell_commands_test PRIVATE ${CMAKE_SOURCE_DIR}/shell)
  add_dependencies(shell_commands_test shell_resources)  # the About window's picture
endif()
