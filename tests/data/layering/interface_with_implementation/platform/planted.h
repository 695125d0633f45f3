// Planted: an interface header reaching into an implementation.
#include "platform/portable/registry_hive.h"
