# tallyra_add_test(test_import ...) for the importers.
tallyra_add_test(test_import SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/importfixture.h
  ${CMAKE_CURRENT_LIST_DIR}/test_csvimport.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_importtext.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_qifimport.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_qifparser.cpp
)
target_compile_definitions(test_import PRIVATE
  IMPORT_FIXTURES="${CMAKE_CURRENT_LIST_DIR}/fixtures")
