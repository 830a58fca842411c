add_executable(bench_startup ${CMAKE_CURRENT_LIST_DIR}/benchstartup.cpp ${CMAKE_CURRENT_LIST_DIR}/benchutil.h
  ${CMAKE_CURRENT_LIST_DIR}/benchtransactions.h)
target_link_libraries(bench_startup PRIVATE tallyra_widgets tallyra_testsupport SQLite::SQLite3)
