# Files of the importers are listed here (target_sources on tallyra_core).
target_sources(tallyra_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/csvparser.cpp ${CMAKE_CURRENT_LIST_DIR}/csvparser.h
  ${CMAKE_CURRENT_LIST_DIR}/importcategories.cpp ${CMAKE_CURRENT_LIST_DIR}/importcategories.h
  ${CMAKE_CURRENT_LIST_DIR}/importservice.cpp ${CMAKE_CURRENT_LIST_DIR}/importservice.h
  ${CMAKE_CURRENT_LIST_DIR}/importtext.cpp ${CMAKE_CURRENT_LIST_DIR}/importtext.h
  ${CMAKE_CURRENT_LIST_DIR}/qifimportrun.cpp ${CMAKE_CURRENT_LIST_DIR}/qifimportrun.h
  ${CMAKE_CURRENT_LIST_DIR}/qifparser.cpp ${CMAKE_CURRENT_LIST_DIR}/qifparser.h
)
