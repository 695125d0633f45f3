// Planted: a fuzz target reaching into a test folder.
#include "tests/installer/installer_fixture.h"
