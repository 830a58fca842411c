# tallyra_add_test(test_services ...) for the domain services.
