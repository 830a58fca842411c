add_executable(bench_reports_search ${CMAKE_CURRENT_LIST_DIR}/benchreportssearch.cpp
  ${CMAKE_CURRENT_LIST_DIR}/benchfill.h ${CMAKE_CURRENT_LIST_DIR}/benchreports.h ${CMAKE_CURRENT_LIST_DIR}/benchutil.h)
target_link_libraries(bench_reports_search PRIVATE tallyra_widgets tallyra_testsupport SQLite::SQLite3)
