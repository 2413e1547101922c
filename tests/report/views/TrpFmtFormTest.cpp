// The display format dialog: the format word and custom text in, the user's
// choices, the word and text out.
#include "report/views/detail/TrpFmtForm.h"

#include "report/script/detail/FormatValue.h"
#include "tests/support/DialogRecorder.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/TempFolder.h"

#include "platform/core/Exceptions.h"
#include "platform/core/TStrings.h"
#include "platform/ui/ControlSnapshot.h"
#include "platform/ui/DialogHook.h"
#include "platform/ui/InputSimulation.h"
#include "platform/ui/TComboBox.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TGroupBox.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TPanel.h"
#include "platform/ui/VirtualKeys.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

struct FmtDialog {
    explicit FmtDialog(Integer Format, const String& Custom = {}) {
        Form.Format = Format;
        Form.Edit1->SetText(Custom);
        Form.FormActivate(&Form);
    }
    TrpFmtForm Form{nullptr};
};

TEST(TrpFmtForm, CaptionsAndListsComeFromTheStringTable) {
    FmtDialog d(rpMakeFormat(3, 1, 0, 0));
    EXPECT_EQ(d.Form.Caption(), "Display format");
    EXPECT_EQ(d.Form.GroupBox2->Caption(), "Display format");
    EXPECT_EQ(d.Form.Label5->Caption(), "Decimals");
    EXPECT_EQ(d.Form.Label6->Caption(), "Decimal separator");
    EXPECT_EQ(d.Form.Label1->Caption(), "Format:");
    EXPECT_EQ(d.Form.ComboBox1->Items()->Text(), "Text\r\nNumber\r\nDate\r\nTime\r\nBoolean\r\n");
    EXPECT_EQ(d.Form.ComboBox1->Text(), "Time");
    EXPECT_EQ(d.Form.ComboBox2->Items()->Text(), "02:43:35\r\n2:43:35\r\n02:43\r\n2:43\r\nCustom\r\n");
    EXPECT_EQ(d.Form.ComboBox2->Text(), "2:43:35");
    EXPECT_FALSE(d.Form.Panel1->Visible());
    EXPECT_FALSE(d.Form.Panel2->Visible());
}

TEST(TrpFmtForm, TextCategoryHasItsOneItemOnly) {
    FmtDialog d(0);
    EXPECT_EQ(d.Form.ComboBox2->Items()->Count(), 1);
    EXPECT_EQ(d.Form.ComboBox2->Text(), "[None]");
}

TEST(TrpFmtForm, NumberCustomShowsTheCustomTextAndHidesTheDecimals) {
    FmtDialog d(rpMakeFormat(1, 4, 2, ','), "#,##0.00");
    EXPECT_EQ(d.Form.ComboBox2->Text(), "Custom");
    EXPECT_TRUE(d.Form.Panel2->Visible());
    EXPECT_FALSE(d.Form.Panel1->Visible());
    EXPECT_EQ(d.Form.Edit1->Text(), "#,##0.00");
}

TEST(TrpFmtForm, NumberFormatFillsDecimalsAndSeparator) {
    FmtDialog d(rpMakeFormat(1, 1, 2, '.'));
    EXPECT_TRUE(d.Form.Panel1->Visible());
    EXPECT_FALSE(d.Form.Panel2->Visible());
    EXPECT_EQ(d.Form.Edit3->Text(), "2");
    EXPECT_EQ(d.Form.SplEdit->Text(), ".");
    EXPECT_EQ(d.Form.Format, rpMakeFormat(1, 1, 2, '.'));
}

TEST(TrpFmtForm, RoundTripOfEditedNumberFormat) {
    // The top nibble is not the dialog's and survives every edit.
    FmtDialog d(static_cast<Integer>(0x50000000u) | rpMakeFormat(1, 0, 1, ','));
    d.Form.Edit3->SetText("12");
    d.Form.SplEdit->SetText(".");
    d.Form.ComboBox2->SetItemIndex(3);
    d.Form.ComboBox2Click(d.Form.ComboBox2);
    EXPECT_EQ(d.Form.Format, static_cast<Integer>(0x50000000u) | rpMakeFormat(1, 3, 12, '.'));
    EXPECT_EQ(FormatValue(Variant(1234.5), d.Form.Format & 0x0FFFFFFF, ""), "1 234.500000000000");

    FmtDialog again(d.Form.Format);
    EXPECT_EQ(again.Form.Edit3->Text(), "12");
    EXPECT_EQ(again.Form.SplEdit->Text(), ".");
    EXPECT_EQ(again.Form.ComboBox2->Text(), "1 234,50");
}

TEST(TrpFmtForm, EmptySeparatorStoresComma) {
    FmtDialog d(rpMakeFormat(1, 0, 2, '.'));
    d.Form.SplEdit->SetText("");
    EXPECT_EQ(d.Form.Format & 0xFF, ',');
}

TEST(TrpFmtForm, DecimalsStayWithinAByte) {
    FmtDialog d(rpMakeFormat(1, 0, 2, ','));
    d.Form.Edit3->SetText("300");
    EXPECT_EQ(d.Form.Edit3->Text(), "255");
    EXPECT_EQ(rpFormatDecimals(d.Form.Format), 255);
    EXPECT_EQ(rpFormatIndex(d.Form.Format), 0);
    d.Form.Edit3->SetText("-1");
    EXPECT_EQ(d.Form.Edit3->Text(), "0");
    EXPECT_EQ(rpFormatDecimals(d.Form.Format), 0);
    EXPECT_EQ(d.Form.Edit3->MaxLength(), 3);
}

TEST(TrpFmtForm, DecimalsThatAreNoNumberShowTheConversionErrorAndKeepTheValue) {
    // Typing goes through the event loop, so the error ends in the message box.
    std::vector<String> shown;
    DialogRecorder dialogs([&](const ui::DialogRequest& r) {
        shown.push_back(r.Text);
        return ui::DialogAnswer{1, {}};
    });
    FmtDialog d(rpMakeFormat(1, 0, 7, ','));
    ui::SimulateKey(d.Form.Edit3, 'X', {}, "x");
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], "'x' is not a valid integer value.");
    EXPECT_EQ(rpFormatDecimals(d.Form.Format), 7);
}

TEST(TrpFmtForm, ChoosingDateClearsTheCustomTextAndSelectsTheFirstFormat) {
    FmtDialog d(rpMakeFormat(1, 4, 0, ','), "0.00");
    ui::SimulateKey(d.Form.ComboBox1, VK_DOWN); // Number -> Date, as the user would
    EXPECT_EQ(d.Form.ComboBox1->Text(), "Date");
    EXPECT_EQ(d.Form.ComboBox2->Text(), "11.15.98");
    EXPECT_EQ(d.Form.Edit1->Text(), "");
    EXPECT_EQ(rpFormatKind(d.Form.Format), 2);
    EXPECT_EQ(rpFormatIndex(d.Form.Format), 0);
    EXPECT_FALSE(d.Form.Panel1->Visible());
    EXPECT_FALSE(d.Form.Panel2->Visible());
}

TEST(TrpFmtForm, RendersOffscreen) {
    TempFolder folder("fmtform");
    FmtDialog d(rpMakeFormat(1, 1, 2, ','));
    const String file = folder.File("fmtform.png");
    ui::SaveSnapshot(&d.Form, file);
    EXPECT_GT(std::filesystem::file_size(file), 500u);
    if (const char* keep = std::getenv("VELMORA_KEEP_SNAPSHOTS"))
        std::filesystem::copy_file(file, String(keep) + "/fmtform.png",
                                   std::filesystem::copy_options::overwrite_existing);
}

} // namespace
