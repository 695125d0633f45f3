// Planted: a portable implementation reaching into one system's folder.
#include "platform/linux/host_machine.h"
