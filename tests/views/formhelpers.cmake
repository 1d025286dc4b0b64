# Row deletion, form helpers, VLAN lists, the dialog base form and the progress windows. Built from
# their sources so that the test does not wait for the rest of the views.
if(TARGET binding AND TARGET switchsim_fixture)
  nv_add_test(views_formhelpers_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/FormHelpersTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/BasicFormTest.cpp
            ${CMAKE_SOURCE_DIR}/views/FormHelpers.cpp
            ${CMAKE_SOURCE_DIR}/views/Basicform.cpp
            ${CMAKE_SOURCE_DIR}/views/Progress.cpp
            ${CMAKE_SOURCE_DIR}/views/Progress2.cpp
    LIBS binding mib switchsim_fixture)
  target_include_directories(views_formhelpers_test PRIVATE ${CMAKE_SOURCE_DIR}/views)
endif()
