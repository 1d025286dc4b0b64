# Variable lists, option lists and the expression evaluator.
nv_add_test(varmodel_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/NvSNMPVarListTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/NvOptionListTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/NvEvaluatorTest.cpp
  LIBS nvsnmp)

# Option lists filling the window layer's choice controls.
if(TARGET platform_gui)
  nv_add_test(varmodel_controls_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/NvOptionListControlsTest.cpp
    LIBS nvsnmp platform_gui)
endif()
