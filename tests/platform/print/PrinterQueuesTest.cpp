// The printer list as the spooler's queues make it, and where a document goes:
// a queue's to the spooler, the file printer's to its file, whole or not at all.
#include "platform/print/TPrinter.h"

#include "platform/core/Exceptions.h"
#include "platform/graphics/TCanvas.h"
#include "platform/ui/TApplication.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/FakeSpooler.h"
#include "tests/support/FileBytes.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/ScopedEnv.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

TEST(PrinterQueues, TheListIsTheQueuesThenTheFilePrinterWithTheDefaultSelected) {
    Application->Initialize();
    const String file = FilePrinterName;
    struct Row {
        std::vector<String> Queues;
        String Default;
        Integer Selected;
    } rows[] = {
        {{}, "", 0},                               // no spooler queue: the file printer
        {{"Iroda"}, "Iroda", 0},                   //
        {{"Iroda"}, "", 0},                        // no default: the first queue
        {{"Iroda"}, "Nincs", 0},                   // a default that is not listed
        {{"Iroda", "PDF"}, "PDF", 1},              // the usual PDF queue as the default
        {{"PDF", "Iroda"}, "Iroda", 1},            //
        {{"Iroda", "PDF", "Titkarsag"}, "PDF", 1}, //
        {{"Iroda", "Titkarsag", file}, file, 2},   // a queue named like the file printer is a queue
    };
    for (const Row& row : rows) {
        const String context = std::to_string(row.Queues.size()) + " queues, default " + row.Default;
        FakeSpooler spooler(row.Queues, row.Default);
        TPrinter p;
        std::vector<String> expected = row.Queues;
        expected.push_back(file);
        EXPECT_EQ(p.Printers(), expected) << context;
        EXPECT_EQ(p.PrinterIndex(), row.Selected) << context;
        // Only the last entry writes a file, whatever the queues are called.
        for (Integer i = 0; i < Integer(expected.size()); ++i) {
            p.SetPrinterIndex(i);
            EXPECT_EQ(p.IsFilePrinter(), i == Integer(row.Queues.size())) << context << ", entry " << i;
        }
    }
}

TEST(PrinterQueues, AQueuesDocumentGoesToTheSpoolerAndARefusalIsReported) {
    Application->Initialize();
    TempFolder temp("velmora-spool");
    ScopedEnv tmpdir("TMPDIR", temp.Path());
    FakeSpooler spooler({"Iroda", "PDF"}, "PDF");
    TPrinter p;
    p.Title = "Ügyek";
    p.Copies = 2;
    p.BeginDoc();
    p.Canvas()->TextOut(100, 100, "Első oldal");
    p.NewPage();
    p.EndDoc();
    ASSERT_EQ(spooler.Jobs.size(), 1u);
    EXPECT_EQ(spooler.Jobs[0].Queue, "PDF"); // the queue, not the file printer
    EXPECT_EQ(spooler.Jobs[0].Title, "Ügyek");
    EXPECT_EQ(spooler.Jobs[0].Media, "A4");
    EXPECT_EQ(spooler.Jobs[0].Copies, 2);
    EXPECT_EQ(spooler.Jobs[0].Pdf.substr(0, 5), "%PDF-");
    EXPECT_NE(spooler.Jobs[0].Pdf.find("/Count 2"), std::string::npos);

    spooler.Refusing = "PDF";
    p.BeginDoc();
    EXPECT_EQ(ErrorOf<EPrinter>([&] { p.EndDoc(); }),
              "A(z) PDF nyomtató nem fogadta el a nyomtatást, semmi sem került kinyomtatásra.\n"
              "(server-error-not-accepting-jobs)");
    EXPECT_FALSE(p.Printing());
    // An aborted document never reaches the spooler.
    p.BeginDoc();
    p.Abort();
    EXPECT_EQ(spooler.Jobs.size(), 2u);
    EXPECT_TRUE(FileNamesIn(temp.Path()).empty()); // no spool file left behind
}

// A temporary folder that fills while the job is drawn: the cut PDF is never handed
// to the queue, and the user hears that nothing was printed.
TEST(PrinterQueues, ACutSpoolFileNeverReachesTheQueue) {
    Application->Initialize();
    TempFolder temp("velmora-spool");
    ScopedEnv tmpdir("TMPDIR", temp.Path());
    FakeSpooler spooler({"Iroda"}, "Iroda");
    TPrinter p;
    const auto print = [&](int pages) {
        const FileSizeLimit full(4096);
        p.BeginDoc();
        for (int page = 0; page < pages; ++page) {
            if (page > 0) p.NewPage();
            for (int line = 0; line < 60; ++line)
                p.Canvas()->TextOut(100, 100 + 80 * line, "Ügy " + std::to_string(page * 60 + line));
        }
        p.EndDoc();
    };
    // Each row: how many pages; a few fill the folder only with the fonts written
    // at the end, many already on a page change.
    for (const int pages : {3, 40}) {
        SCOPED_TRACE(pages);
        EXPECT_EQ(ErrorOf<EPrinter>([&] { print(pages); }),
                  "A(z) Iroda nyomtató nem fogadta el a nyomtatást, semmi sem került kinyomtatásra.\n"
                  "(the document could not be written)");
        EXPECT_TRUE(spooler.Jobs.empty());
        EXPECT_FALSE(p.Printing());
        EXPECT_TRUE(FileNamesIn(temp.Path()).empty());
    }
}

TEST(PrinterQueues, TheFileChangesOnlyWhenTheDocumentIsWhole) {
    Application->Initialize();
    TempFolder dir("velmora-print");
    FakeSpooler spooler;
    TPrinter p;
    const String target = dir.File("lista.pdf");
    WriteFileBytes(target, "régi");
    p.SetOutputFileName(target);
    p.BeginDoc();
    p.Canvas()->TextOut(100, 100, "Félbehagyott");
    EXPECT_EQ(FileNamesIn(dir.Path()).size(), 2u); // the document grows beside the file
    p.Abort();
    EXPECT_EQ(ReadFileBytes(target), "régi");
    EXPECT_EQ(FileNamesIn(dir.Path()), std::vector<String>{"lista.pdf"});

    p.BeginDoc();
    p.EndDoc();
    EXPECT_EQ(ReadFileBytes(target).substr(0, 5), "%PDF-");
    EXPECT_EQ(FileNamesIn(dir.Path()), std::vector<String>{"lista.pdf"});

    p.SetOutputFileName(dir.File("nincs/lista.pdf"));
    EXPECT_EQ(ErrorOf<EFCreateError>([&] { p.BeginDoc(); }),
              "Cannot create file \"" + dir.File("nincs/lista.pdf") + "\"");
    EXPECT_FALSE(p.Printing());
}
