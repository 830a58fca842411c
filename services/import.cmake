# Files of the importers are listed here (target_sources on tallyra_core).
target_sources(tallyra_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/csvparser.cpp ${CMAKE_CURRENT_LIST_DIR}/csvparser.h
  ${CMAKE_CURRENT_LIST_DIR}/importtext.cpp ${CMAKE_CURRENT_LIST_DIR}/importtext.h
  ${CMAKE_CURRENT_LIST_DIR}/qifparser.cpp ${CMAKE_CURRENT_LIST_DIR}/qifparser.h
)
