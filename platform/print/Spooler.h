#pragma once
// The print spooler behind the system's printers: its queues, the default one,
// and the hand-over of a finished document to a queue. The machine's spooler
// (CUPS, through its client library when the machine has it) serves unless
// another is installed: tests present their own queues this way, so that no
// test sees or prints to the queues of the machine it runs on.
#include "platform/core/Types.h"

#include <vector>

namespace print {

struct QueueList {
    // The queues in the spooler's order.
    std::vector<String> Names;
    // The default queue; "" when none is.
    String Default;
};

class Spooler {
public:
    virtual ~Spooler() = default;
    virtual QueueList Queues() = 0;
    // Hands the PDF document File to Queue as one job named Title, of Copies
    // copies on the paper Media (a paper key: "A4", "Custom.210x297mm").
    // Answers "" when the queue took the job, else the spooler's reason.
    virtual String Submit(const String& Queue, const String& File, const String& Title, Integer Copies,
                          const String& Media) = 0;
    // True when the queues are the machine's, whose drivers give their papers
    // and margins; other queues lay out on the plain papers of a PDF document.
    virtual bool DescribesQueues() const { return false; }
};

// The machine's spooler.
Spooler& SystemSpooler();
// The installed spooler, else the machine's.
Spooler& CurrentSpooler();
// Installs NewSpooler (not owned; null gives the machine's back) and answers
// the one installed before (null for the machine's).
Spooler* SetSpooler(Spooler* NewSpooler);

} // namespace print
