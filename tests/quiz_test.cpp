// The quiz screens.

#include "tests/support/Fixture.h"
