# Registry file, program start, help opener, JPEG decoding and path mapping of the window layer.
if(TARGET platform_gui)
  nv_add_test(platform_startup_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/RegistryTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/WinExecTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/JpegTest.cpp
    LIBS platform_gui JPEG::JPEG)
endif()
