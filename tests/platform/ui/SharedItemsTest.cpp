// Combo boxes showing one shared, read-only list of names.
#include "platform/core/TStrings.h"
#include "platform/ui/SharedItems.h"
#include "platform/ui/TComboBox.h"
#include "platform/ui/TCustomForm.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class SharedCombos : public ::testing::Test {
protected:
    void SetUp() override {
        Form = std::make_unique<TForm>(nullptr);
        for (TComboBox*& box : Boxes) {
            box = new TComboBox(Form.get());
            box->SetParent(Form.get());
        }
        Boxes[1]->SetStyle(csDropDownList);
        Names = std::make_shared<ui::SharedItems>();
        for (const char* name : {"Ábel", "Csaba", "Ödön"})
            Names->Add(name);
    }
    std::vector<String> Texts(TComboBox* box) {
        std::vector<String> texts;
        for (Integer i = 0; i < box->Items()->Count(); ++i)
            texts.push_back(box->Items()->Strings(i));
        return texts;
    }

    std::unique_ptr<TForm> Form;
    TComboBox* Boxes[2] = {};
    std::shared_ptr<ui::SharedItems> Names;
};

} // namespace

TEST_F(SharedCombos, EachBoxShowsAndChoosesFromTheOneList) {
    Boxes[0]->Items()->Add("régi");
    Boxes[0]->SetItemIndex(0);
    for (TComboBox* box : Boxes) {
        box->ShareItems(Names);
        EXPECT_EQ(box->ItemIndex(), -1);
        EXPECT_EQ(box->Text(), "");
        EXPECT_EQ(Texts(box), (std::vector<String>{"Ábel", "Csaba", "Ödön"}));
    }
    Boxes[0]->SetItemIndex(2);
    Boxes[1]->SetText("Csaba");
    EXPECT_EQ(Boxes[0]->Text(), "Ödön");
    EXPECT_EQ(Boxes[1]->ItemIndex(), 1);
    // A name added to the list shows in every box.
    Names->Add("Zsolt");
    Boxes[1]->SetItemIndex(3);
    EXPECT_EQ(Boxes[1]->Text(), "Zsolt");
    EXPECT_EQ(Boxes[0]->Items()->Count(), 4);
    EXPECT_EQ(Names->TextBytes(), String("ÁbelCsabaÖdönZsolt").size());
}

TEST_F(SharedCombos, ChangingOneBoxsItemsLeavesTheOthersAlone) {
    for (TComboBox* box : Boxes)
        box->ShareItems(Names);
    Boxes[0]->Items()->Add("Zsolt");
    Boxes[0]->SetItemIndex(3);
    EXPECT_EQ(Boxes[0]->Text(), "Zsolt");
    EXPECT_EQ(Texts(Boxes[1]), (std::vector<String>{"Ábel", "Csaba", "Ödön"}));
    EXPECT_EQ(Names->Count(), 3);

    Boxes[1]->Items()->Clear();
    EXPECT_EQ(Boxes[1]->Items()->Count(), 0);
    Boxes[1]->Items()->Add("egy");
    Boxes[1]->SetItemIndex(0);
    EXPECT_EQ(Boxes[1]->Text(), "egy");
    EXPECT_EQ(Names->Count(), 3);
}
