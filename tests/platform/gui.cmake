if(TARGET platform_gui)
  nv_add_test(gui_tests
    SOURCES
      ${CMAKE_CURRENT_LIST_DIR}/gui_timer_test.cpp
      ${CMAKE_CURRENT_LIST_DIR}/gui_forms_test.cpp
      ${CMAKE_CURRENT_LIST_DIR}/gui_controls_test.cpp
      ${CMAKE_CURRENT_LIST_DIR}/gui_dialogs_test.cpp
      ${CMAKE_CURRENT_LIST_DIR}/gui_pointer_test.cpp
      ${CMAKE_CURRENT_LIST_DIR}/gui_user_input_test.cpp
    LIBS platform_gui Qt6::Widgets)
endif()
