# Import screen benchmark: the CSV preview of a 50k-row file against reading
# and parsing that file alone.
add_executable(bench_importscreen ${CMAKE_CURRENT_LIST_DIR}/benchimportscreen.cpp ${CMAKE_CURRENT_LIST_DIR}/benchutil.h)
target_link_libraries(bench_importscreen PRIVATE tallyra_widgets SQLite::SQLite3)
