// The learn screens.

#include "tests/support/Fixture.h"
