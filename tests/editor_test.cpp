// The editor screen.

#include "tests/support/Fixture.h"
