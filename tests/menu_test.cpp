// The menu screen.

#include "tests/support/Fixture.h"
