tallyra_add_test(test_register_screen WIDGETS SOURCES
  registerfixture.cpp registerfixture.h
  registerharness.cpp registerharness.h
  test_registermodel.cpp
  test_registerscreen.cpp
  test_registerlayout.cpp
  test_registerfilter.cpp
  test_recurringform.cpp
)
