# Files of the domain services are listed here (target_sources on tallyra_core).
