if(TARGET platform_gui)
  nv_add_test(gui_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/gui_timer_test.cpp
    LIBS platform_gui)
endif()
