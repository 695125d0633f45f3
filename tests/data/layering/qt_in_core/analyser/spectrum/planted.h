// Planted: Qt in a portable core.
#include <QString>
