# Every registered dialog with a write, refused at each SET and left unanswered, against the
# simulated switch; sharded like the conformance suite.
nv_add_dialog_suite(dialog_write_outcome_tests SHARDS 4 SOURCES ${CMAKE_CURRENT_LIST_DIR}/DialogWriteOutcomeTest.cpp)
