# tallyra_add_test(test_import ...) for the importers.
