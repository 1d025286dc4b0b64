if(TARGET binding)
  nv_add_test(formats_tests
    SOURCES
      ${CMAKE_CURRENT_LIST_DIR}/ValueFormatsTest.cpp
      ${CMAKE_CURRENT_LIST_DIR}/ValueChecksTest.cpp
      ${CMAKE_CURRENT_LIST_DIR}/ValueOctetsTest.cpp
    LIBS binding)
endif()
