add_executable(bench_data ${CMAKE_CURRENT_LIST_DIR}/benchdata.cpp ${CMAKE_CURRENT_LIST_DIR}/benchutil.h)
target_link_libraries(bench_data PRIVATE tallyra_core tallyra_testsupport SQLite::SQLite3)
