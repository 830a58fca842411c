add_executable(bench_sync
  ${CMAKE_CURRENT_LIST_DIR}/benchsync.cpp
  ${CMAKE_SOURCE_DIR}/tests/sync/fakesyncservice.cpp
  ${CMAKE_SOURCE_DIR}/tests/sync/syncfixture.cpp
)
target_link_libraries(bench_sync PRIVATE tallyra_core tallyra_testsupport SQLite::SQLite3)
