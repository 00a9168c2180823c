#include "tests/support/KamerBouwer.h"

// The board opens on the shared test administration and needs rooms there.
static testing::Environment* const kamers = testing::AddGlobalTestEnvironment(new KamersInAdministratie);
