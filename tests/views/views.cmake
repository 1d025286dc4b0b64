# The generic view window, its panels and the port picker, driven offscreen against switchsim.
if(TARGET switchsim_fixture AND TARGET views)
  nv_add_test(views_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/ConfigFormTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/EditorViewTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/TableViewTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/PortPickerTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/SizingTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/ButtonColumnTest.cpp
    LIBS views switchsim_fixture)
endif()

# Not a test: opens a view on switchsim and leaves it open, for scripts/screenshot.
if(TARGET switchsim_fixture AND TARGET views)
  add_executable(views_showcase ${CMAKE_CURRENT_LIST_DIR}/ViewsShowcase.cpp)
  target_link_libraries(views_showcase PRIVATE views switchsim_fixture)
  set_target_properties(views_showcase PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
endif()
