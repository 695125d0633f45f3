// Placeholder until this command lands.
#include "tools/osctool/osctool_commands.h"
int RunRenderCommand(const QStringList&) { return FailWith(QStringLiteral("not available")); }
