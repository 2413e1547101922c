// Grids of other kinds, known by the properties their classes publish: which
// are recognised, the engines of the Selected and Fields kinds, and an export
// from such a grid.
#include "tests/export/ExportFixture.h"

#include "export/ExportRoutines.h"
#include "export/VgEEngGrids.h"
#include "export/VgEGridKinds.h"
#include "grid/TVgDBGrid.h"
#include "platform/core/TStringList.h"
#include "platform/data/TDataSource.h"
#include "platform/graphics/TFont.h"
#include "platform/ui/TPanel.h"
#include "tests/support/ErrorOf.h"

namespace {

// A grid of another library: a data source, and a column description that the
// kind's registration says how to reach.
class ForeignGrid : public TCustomControl {
public:
    ForeignGrid(TComponent* Owner, String Class) : TCustomControl(Owner), FClass(std::move(Class)) {}
    String ClassName() const override { return FClass; }
    TDataSource* Source = nullptr;
    TStringList Selected;
    std::vector<TVgEGridItem> Items;
    TFont Font;

private:
    String FClass;
};

ForeignGrid* AsForeign(TCustomControl* Control) {
    return static_cast<ForeignGrid*>(Control);
}

class GridKinds : public exporttest::ExportFixture {
protected:
    GridKinds() {
        AddCases(3);
        Data->FieldByName("datum")->SetVisible(false);
        Data->FieldByName("nev")->SetDisplayLabel("Ügy neve");
        FSource.SetDataSet(Data.get());
        for (ForeignGrid* grid : {&FSel, &FFields}) {
            grid->Source = &FSource;
            grid->Font.SetName("Courier New");
        }
        FSel.SetName("SelGrid");
        FFields.SetName("FieldsGrid");
        TVgEGridKind sel;
        sel.ClassName = "TSelTestGrid";
        sel.DataSource = [](TCustomControl* c) { return AsForeign(c)->Source; };
        sel.Selected = [](TCustomControl* c) -> TStrings* { return &AsForeign(c)->Selected; };
        sel.Color = [](TCustomControl*) { return clYellow; };
        sel.Font = [](TCustomControl* c) { return &AsForeign(c)->Font; };
        RegisterGridKind(sel);
        TVgEGridKind fields;
        fields.ClassName = "TFieldsTestGrid";
        fields.DataSource = sel.DataSource;
        fields.Fields = [](TCustomControl* c) { return AsForeign(c)->Items; };
        RegisterGridKind(fields);
        TVgEGridKind columns = sel;
        columns.ClassName = "TOtherColumnsGrid";
        columns.Columns = TVgEGridColumns::Other;
        RegisterGridKind(columns);
        TVgEGridKind sourceless = sel;
        sourceless.ClassName = "TSourcelessGrid";
        sourceless.DataSource = nullptr;
        RegisterGridKind(sourceless);
    }
    ~GridKinds() override {
        for (const char* name : {"TSelTestGrid", "TFieldsTestGrid", "TOtherColumnsGrid", "TSourcelessGrid"})
            UnregisterGridKind(name);
    }

    static std::vector<String> FieldNames(TVgEColumns& Columns) {
        std::vector<String> names;
        for (Integer i = 0; i < Columns.Count(); ++i)
            names.push_back(Columns.Items(i)->FieldName());
        return names;
    }

    TDataSource FSource{nullptr};
    ForeignGrid FSel{nullptr, "TSelTestGrid"};
    ForeignGrid FFields{nullptr, "TFieldsTestGrid"};
};

TEST_F(GridKinds, RecognisedByWhatTheyPublish) {
    TVgDBGrid dataGrid(nullptr);
    ForeignGrid other(nullptr, "TOtherColumnsGrid");
    ForeignGrid sourceless(nullptr, "TSourcelessGrid");
    ForeignGrid unknown(nullptr, "TUnknownGrid");
    TPanel panel(nullptr);
    // Each row: control, recognised, Selected kind, Fields kind.
    const std::tuple<TComponent*, bool, bool, bool> rows[] = {
        {&dataGrid, true, false, false}, {&FSel, true, true, false},         {&FFields, true, false, true},
        {&other, false, false, false},   {&sourceless, false, false, false}, {&unknown, false, false, false},
        {&panel, false, false, false},   {nullptr, false, false, false},
    };
    for (const auto& [control, recognised, selected, fields] : rows) {
        bool isSelected = true;
        bool isFields = true;
        EXPECT_EQ(PropIsDBGrid(control, isSelected, isFields), recognised) << control;
        EXPECT_EQ(isSelected, selected) << control;
        EXPECT_EQ(isFields, fields) << control;
    }

    // Grid names depth-first, into every windowed control.
    TPanel inner(nullptr);
    dataGrid.SetName("Lista");
    inner.SetParent(&panel);
    FSel.SetParent(&inner);
    other.SetParent(&inner);
    dataGrid.SetParent(&panel);
    TStringList names;
    FillGridList(&panel, &names);
    ASSERT_EQ(names.Count(), 2);
    EXPECT_EQ(names.Strings(0), "SelGrid");
    EXPECT_EQ(names.Strings(1), "Lista");
    for (TControl* child : std::initializer_list<TControl*>{&FSel, &other, &dataGrid, &inner})
        child->SetParent(nullptr);
}

TEST_F(GridKinds, SelectedKindTakesItsColumnsFromTheList) {
    TVgESelDBGridDataEngine engine(nullptr);
    EXPECT_EQ(ErrorOf<Exception>([&] { engine.SetDBGrid(&FFields); }),
              "Assigned DBGrid (FieldsGrid) is not a supported type");
    engine.SetDBGrid(&FSel);
    TVgEColumns columns(nullptr);
    TVgEColumnBands bands(nullptr);
    // An empty list is filled from the visible fields.
    engine.FillColumns(&columns, &bands, false);
    EXPECT_EQ(FSel.Selected.Count(), 3);
    EXPECT_EQ(FSel.Selected.Strings(1), "nev\t60\tÜgy neve");
    // The entry's width is not used; the field's is.
    FSel.Selected.SetText("osszeg\t3\tx\nnev\t1\ty\nnincs\t5\tz");
    engine.FillColumns(&columns, &bands, true);
    EXPECT_EQ(FieldNames(columns), (std::vector<String>{"nincs", "nev", "osszeg"}));
    const TVgEColumn* nev = columns.Items(1);
    EXPECT_EQ(nev->Width(), 60);
    EXPECT_EQ(nev->Title()->Caption(), "Ügy neve");
    EXPECT_EQ(nev->Color(), clYellow);
    EXPECT_EQ(nev->Font()->Name(), "Courier New");
    EXPECT_EQ(columns.Items(2)->DataType(), ctString);
    // The footer row is no data row.
    engine.SetExportFooters(true);
    EXPECT_TRUE(engine.IsDataRow(1));
    EXPECT_FALSE(engine.IsDataRow(2));
    // The grid going away leaves no dangling reference.
    {
        ForeignGrid doomed(nullptr, "TSelTestGrid");
        engine.SetDBGrid(&doomed);
    }
    EXPECT_EQ(engine.GetDataset(), nullptr);
}

TEST_F(GridKinds, FieldsKindTakesWhatItsItemsPublish) {
    TVgEFieldsDBGridDataEngine engine(nullptr);
    EXPECT_EQ(ErrorOf<Exception>([&] { engine.SetDBGrid(&FSel); }),
              "Assigned DBGrid (SelGrid) is not a supported type");
    engine.SetDBGrid(&FFields);
    TVgEColumns columns(nullptr);
    TVgEColumnBands bands(nullptr);
    // No items: one column per dataset field.
    engine.FillColumns(&columns, &bands, false);
    EXPECT_EQ(FieldNames(columns), (std::vector<String>{"ev", "nev", "datum", "osszeg"}));

    TVgEGridItem withObject;
    withObject.FieldName = "nev";
    withObject.Visible = false;
    withObject.Title = TVgEGridItemTitle{"Név", taCenter, nullptr, clAqua};
    TVgEGridItem withText;
    withText.FieldName = "kitalalt";
    withText.Title = String("Szöveg");
    FFields.Items = {withObject, withText};
    engine.FillColumns(&columns, &bands, false);
    ASSERT_EQ(columns.Count(), 2);
    const TVgEColumn* nev = columns.Items(0);
    EXPECT_FALSE(nev->Visible());
    EXPECT_EQ(nev->Width(), 60);
    EXPECT_EQ(nev->Title()->Caption(), "Név");
    EXPECT_EQ(nev->Title()->Alignment(), taCenter);
    EXPECT_EQ(nev->Title()->Color(), clAqua);
    // No such field: width 10; a text title is the caption.
    EXPECT_EQ(columns.Items(1)->Width(), 10);
    EXPECT_EQ(columns.Items(1)->Title()->Caption(), "Szöveg");
}

TEST_F(GridKinds, ExportFromAForeignGridAndItsSelectedRows) {
    FSel.Selected.SetText("nev\t0\t\n"
                          "ev\t0\t");
    Export->SetColumnSource(csDBGrid);
    Export->SetDBGrid(&FSel);
    Export->Execute();
    ASSERT_EQ(Export->GetExportResult(), erCompleted);
    const exporttest::CellMap cells = Cells();
    EXPECT_EQ(cells.at({2, 0}).Text, "Ügy 3");
    EXPECT_EQ(cells.at({2, 1}).Number, 2003);

    ForeignGrid other(nullptr, "TOtherColumnsGrid");
    other.SetName("Masik");
    EXPECT_EQ(ErrorOf<Exception>([&] { Export->SetDBGrid(&other); }),
              "Assigned DBGrid (Masik) is not a supported type");

    // The selected-rows list of a registered kind that publishes one.
    EXPECT_EQ(GetPropAsSelectedList(&FSel), nullptr);
    TVgDBGrid dataGrid(nullptr);
    TVgEGridKind withRows = *FindGridKind(&FSel);
    withRows.SelectedRows = [&](TCustomControl*) { return dataGrid.SelectedRows(); };
    RegisterGridKind(withRows);
    EXPECT_EQ(GetPropAsSelectedList(&FSel), dataGrid.SelectedRows());
}

} // namespace
