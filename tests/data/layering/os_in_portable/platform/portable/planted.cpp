// Planted: a portable implementation using a POSIX header.
#include <unistd.h>
