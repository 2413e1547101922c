#pragma once
// A print spooler for tests, installed for its lifetime: the queues a test
// presents, every job it is handed kept with its PDF, and one queue that
// refuses jobs when asked.
#include "platform/print/Spooler.h"
#include "tests/support/FileBytes.h"

#include <utility>
#include <vector>

class FakeSpooler : public print::Spooler {
public:
    struct Job {
        String Queue, Title, Media, Pdf;
        Integer Copies = 0;
    };

    explicit FakeSpooler(std::vector<String> names = {}, String defaultName = {})
        : List{std::move(names), std::move(defaultName)}, FOld(print::SetSpooler(this)) {}
    ~FakeSpooler() override { print::SetSpooler(FOld); }
    FakeSpooler(const FakeSpooler&) = delete;
    FakeSpooler& operator=(const FakeSpooler&) = delete;

    print::QueueList Queues() override { return List; }
    String Submit(const String& queue, const String& file, const String& title, Integer copies,
                  const String& media) override {
        Jobs.push_back({queue, title, media, ReadFileBytes(file), copies});
        return queue == Refusing ? "server-error-not-accepting-jobs" : "";
    }

    print::QueueList List;
    // The queue that refuses every job.
    String Refusing;
    std::vector<Job> Jobs;

private:
    print::Spooler* FOld;
};
