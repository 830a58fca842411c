# tallyra_add_test(test_import ...) for the importers.
tallyra_add_test(test_import SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/test_importtext.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_qifparser.cpp
)
