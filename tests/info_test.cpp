// The info screen.

#include "tests/support/Fixture.h"
