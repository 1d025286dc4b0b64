# The layout of windows that once cut or covered their own text.
if(TARGET dialogs AND TARGET switchsim_fixture)
  nv_add_test(dialog_layout_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/DialogLayoutTest.cpp
    LIBS dialogs switchsim_fixture)
  target_compile_definitions(dialog_layout_tests PRIVATE
    NV_TEST_DIR="${CMAKE_CURRENT_LIST_DIR}" NV_SIM_SEED_DIR="${CMAKE_SOURCE_DIR}/sim/seed")
endif()
