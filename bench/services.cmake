add_executable(bench_services ${CMAKE_CURRENT_LIST_DIR}/benchservices.cpp ${CMAKE_CURRENT_LIST_DIR}/benchfill.h
  ${CMAKE_CURRENT_LIST_DIR}/benchreports.h ${CMAKE_CURRENT_LIST_DIR}/benchutil.h)
target_link_libraries(bench_services PRIVATE tallyra_core tallyra_testsupport SQLite::SQLite3)
