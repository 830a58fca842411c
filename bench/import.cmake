# Import benchmark: importQif and importCsv against raw prepared INSERTs of
# the same rows, re-import time at two sizes, and the peak memory of reading
# large CSV and QIF files against their size.
add_executable(bench_import ${CMAKE_CURRENT_LIST_DIR}/bench_import.cpp)
target_link_libraries(bench_import PRIVATE tallyra_core SQLite::SQLite3)
