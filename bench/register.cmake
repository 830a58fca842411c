add_executable(bench_register ${CMAKE_CURRENT_LIST_DIR}/benchregister.cpp ${CMAKE_CURRENT_LIST_DIR}/benchutil.h)
target_link_libraries(bench_register PRIVATE tallyra_widgets tallyra_testsupport SQLite::SQLite3)
