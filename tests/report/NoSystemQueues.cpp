// No test sees the print queues of the machine it runs on: until a test
// presents its own, the spooler lists none.
#include "tests/support/FakeSpooler.h"

namespace {
FakeSpooler noQueues;
} // namespace
