add_executable(bench_screens ${CMAKE_CURRENT_LIST_DIR}/benchscreens.cpp ${CMAKE_CURRENT_LIST_DIR}/benchfill.h
  ${CMAKE_CURRENT_LIST_DIR}/benchreports.h ${CMAKE_CURRENT_LIST_DIR}/benchutil.h)
target_link_libraries(bench_screens PRIVATE tallyra_widgets tallyra_testsupport Qt6::Test SQLite::SQLite3)
