# The MIB catalogue: data modules, their tables and option lists.
nv_add_test(catalogue_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/CatalogueTest.cpp
  LIBS mib)

# Walks of catalogue tables against the simulated switch.
if(TARGET switchsim_fixture)
  nv_add_test(catalogue_walk_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/CatalogueWalkTest.cpp
    LIBS mib switchsim_fixture)
endif()
