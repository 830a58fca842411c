add_executable(bench_reconciliation ${CMAKE_CURRENT_LIST_DIR}/benchreconciliation.cpp ${CMAKE_CURRENT_LIST_DIR}/benchutil.h)
target_link_libraries(bench_reconciliation PRIVATE tallyra_widgets tallyra_testsupport SQLite::SQLite3)
