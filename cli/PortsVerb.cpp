// SPDX-License-Identifier: GPL-3.0-or-later
// ports: the port table COM1..COM20 and the devices behind it.
#include "Console.h"
#include "PortRuns.h"
#include "Verb.h"

#include "link/PortTable.h"

#include <QCoreApplication>

#include <cstdio>

namespace tlv::cli {

namespace {

class PortsVerb : public Verb {
  public:
    const char* name() const override { return "ports"; }
    const char* synopsis() const override { return "ports"; }
    std::string description() const override {
        return "Lists the port table COM1..COM20 and the devices behind it.";
    }
    void declare(ArgumentParser&) override {}
    std::string check(const Invocation& invocation) const override {
        return CheckOperands(invocation.operands, 0);
    }
    int run(const Invocation& invocation) override {
        int argc = invocation.argc; // QCoreApplication keeps a reference
        QCoreApplication app(argc, invocation.argv);
        const PortTable table = PortTable::Load(SettingsFolder(), ComPorts::MachineDevices());
        std::string out;
        for (int number = 1; number <= kPortCount; ++number) {
            const std::string& device = table.device(number);
            if (!device.empty()) out += "COM" + std::to_string(number) + "\t" + device + "\n";
        }
        std::fwrite(out.data(), 1, out.size(), stdout);
        return std::fflush(stdout) == 0 ? kExitOk : kExitFile;
    }
};

} // namespace

std::unique_ptr<Verb> MakePortsVerb() {
    return std::make_unique<PortsVerb>();
}

} // namespace tlv::cli
