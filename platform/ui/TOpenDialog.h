#pragma once
// The file-open dialog. Filter pairs descriptions and patterns with "|"
// ("Excel fájl (*.xls)|*.xls|Minden fájl (*.*)|*.*"); a chosen name without an
// extension gets DefaultExt.
#include "platform/core/TComponent.h"
#include "platform/core/TSet.h"

#include <memory>
#include <vector>

class TStrings;
class TStringList;

enum TOpenOption {
    ofReadOnly,
    ofOverwritePrompt,
    ofHideReadOnly,
    ofNoChangeDir,
    ofShowHelp,
    ofNoValidate,
    ofAllowMultiSelect,
    ofExtensionDifferent,
    ofPathMustExist,
    ofFileMustExist,
    ofCreatePrompt,
    ofShareAware,
    ofNoReadOnlyReturn,
    ofNoTestFileCreate,
    ofNoNetworkButton,
    ofNoLongNames,
    ofOldStyleDialog,
    ofNoDereferenceLinks,
    ofEnableIncludeNotify,
    ofEnableSizing
};
using TOpenOptions = TSet<TOpenOption>;

class TOpenDialog : public TComponent {
public:
    explicit TOpenDialog(TComponent* AOwner);
    ~TOpenDialog() override;
    String ClassName() const override { return "TOpenDialog"; }

    const String& FileName() const { return FFileName; }
    void SetFileName(const String& v) { FFileName = v; }
    const String& Filter() const { return FFilter; }
    void SetFilter(const String& v) { FFilter = v; }
    // 1-based index of the filter shown first (and chosen last).
    Integer FilterIndex() const { return FFilterIndex; }
    void SetFilterIndex(Integer v) { FFilterIndex = v; }
    const String& DefaultExt() const { return FDefaultExt; }
    void SetDefaultExt(const String& v) { FDefaultExt = v; }
    const String& InitialDir() const { return FInitialDir; }
    void SetInitialDir(const String& v) { FInitialDir = v; }
    const String& Title() const { return FTitle; }
    void SetTitle(const String& v) { FTitle = v; }
    TOpenOptions Options() const { return FOptions; }
    void SetOptions(TOpenOptions v) { FOptions = v; }
    // The chosen names (more than one with ofAllowMultiSelect).
    TStrings* Files() const;

    // Shows the dialog; true when the user chose a file (FileName and Files hold it).
    virtual bool Execute();

    // The Filter as description/pattern pairs ("Excel fájl (*.xls)", "*.xls").
    static std::vector<std::pair<String, String>> ParseFilter(const String& Filter);
    // Name with DefaultExt added when it has no extension (a dot in its last part).
    static String WithDefaultExt(const String& Name, const String& DefaultExt);

protected:
    virtual bool IsSaveDialog() const { return false; }

private:
    String FFileName;
    String FFilter;
    Integer FFilterIndex = 1;
    String FDefaultExt;
    String FInitialDir;
    String FTitle;
    TOpenOptions FOptions{ofHideReadOnly, ofEnableSizing};
    std::unique_ptr<TStringList> FFiles;
};
