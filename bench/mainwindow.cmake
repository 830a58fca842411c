add_executable(bench_mainwindow ${CMAKE_CURRENT_LIST_DIR}/benchmainwindow.cpp ${CMAKE_CURRENT_LIST_DIR}/benchutil.h
  ${CMAKE_CURRENT_LIST_DIR}/benchtransactions.h)
target_link_libraries(bench_mainwindow PRIVATE tallyra_widgets tallyra_testsupport SQLite::SQLite3)
