# Row deletion, form helpers, VLAN lists, the dialog base form and the progress windows.
if(TARGET views AND TARGET switchsim_fixture)
  nv_add_test(views_formhelpers_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/FormHelpersTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/BasicFormTest.cpp
    LIBS views mib switchsim_fixture)
endif()
