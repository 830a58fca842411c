# Files of the importers are listed here (target_sources on tallyra_core).
