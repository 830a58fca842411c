# tallyra_add_test(test_services ...) for the domain services.
tallyra_add_test(test_services SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/servicesfixture.h
  ${CMAKE_CURRENT_LIST_DIR}/test_categoryservice.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_recurringservice.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_backupservice.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_reportservice.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_sampledataservice.cpp
)
