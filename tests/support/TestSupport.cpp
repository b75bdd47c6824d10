// Fakes of the game's platform services, shared by the tests.
