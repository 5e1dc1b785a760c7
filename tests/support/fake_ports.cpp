// Installs and removes the fake ports.
#include "support/fake_ports.h"

namespace gleaner::testing {

FakePorts::FakePorts() : saved_(Ports()) { Ports() = TPorts{&clipboard, &pump, &notice}; }

FakePorts::~FakePorts() { Ports() = saved_; }

}  // namespace gleaner::testing
