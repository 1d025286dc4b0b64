# The readiness notifier the event pump uses for its sessions' sockets.
if(TARGET platform_gui)
  nv_add_test(socketwatch_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/socketwatch_test.cpp
    LIBS platform_gui)
endif()
