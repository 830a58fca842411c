add_executable(bench_screens ${CMAKE_CURRENT_LIST_DIR}/benchscreens.cpp ${CMAKE_CURRENT_LIST_DIR}/benchutil.h
  ${CMAKE_CURRENT_LIST_DIR}/benchtransactions.h)
target_link_libraries(bench_screens PRIVATE tallyra_widgets tallyra_testsupport SQLite::SQLite3)
