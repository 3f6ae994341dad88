// Radio verbs: pending the serial link.
#include "Commands.h"
#include "Console.h"

namespace tlv::cli {
int RunRead(const CommandLine&, int, char**) {
    return kExitCommunication;
}
int RunWrite(const CommandLine&, int, char**) {
    return kExitCommunication;
}
int RunPorts(const CommandLine&, int, char**) {
    return kExitOk;
}
} // namespace tlv::cli
