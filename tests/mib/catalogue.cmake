# The MIB catalogue: data modules, their tables and option lists.
nv_add_test(catalogue_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/CatalogueTest.cpp
  LIBS mib)
