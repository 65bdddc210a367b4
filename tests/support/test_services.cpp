#include "tests/support/test_services.h"
