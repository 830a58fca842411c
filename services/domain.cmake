# Files of the domain services are listed here (target_sources on tallyra_core).
target_sources(tallyra_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/backupservice.cpp ${CMAKE_CURRENT_LIST_DIR}/backupservice.h
  ${CMAKE_CURRENT_LIST_DIR}/categoryservice.cpp ${CMAKE_CURRENT_LIST_DIR}/categoryservice.h
  ${CMAKE_CURRENT_LIST_DIR}/recurringservice.cpp ${CMAKE_CURRENT_LIST_DIR}/recurringservice.h
  ${CMAKE_CURRENT_LIST_DIR}/reportservice.cpp ${CMAKE_CURRENT_LIST_DIR}/reportservice.h
  ${CMAKE_CURRENT_LIST_DIR}/sampledataservice.cpp ${CMAKE_CURRENT_LIST_DIR}/sampledataservice.h
)
