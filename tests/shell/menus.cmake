# The main menu and its command rows as data. Built from the sources directly, so the test does not
# wait for the rest of the shell.
file(GLOB MENU_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/shell/MenuTree.cpp ${CMAKE_SOURCE_DIR}/shell/Commands*.cpp)
nv_add_test(shell_menus_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/MenusTest.cpp ${MENU_SOURCES}
  LIBS mib)
target_include_directories(shell_menus_test PRIVATE ${CMAKE_SOURCE_DIR}/shell)
