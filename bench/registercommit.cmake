# The register as the user waits for it: one commit, opening the account and
# the memory it holds, at 50k and 500k rows in the biggest account.
add_executable(bench_register_commit ${CMAKE_CURRENT_LIST_DIR}/benchregistercommit.cpp
  ${CMAKE_CURRENT_LIST_DIR}/benchutil.h ${CMAKE_CURRENT_LIST_DIR}/benchtransactions.h)
target_link_libraries(bench_register_commit PRIVATE tallyra_widgets tallyra_testsupport SQLite::SQLite3)
