#include "platform/ui/TOpenDialog.h"

#include "platform/core/TStringList.h"
#include "platform/ui/DialogHook.h"
#include "platform/ui/detail/QtSupport.h"

#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QLocale>
#include <QStringList>
#include <QTreeView>

TOpenDialog::TOpenDialog(TComponent* AOwner) : TComponent(AOwner), FFiles(std::make_unique<TStringList>()) {}

TOpenDialog::~TOpenDialog() = default;

TStrings* TOpenDialog::Files() const {
    return FFiles.get();
}

std::vector<std::pair<String, String>> TOpenDialog::ParseFilter(const String& Filter) {
    std::vector<String> parts;
    std::size_t start = 0;
    while (start <= Filter.size() && !Filter.empty()) {
        const std::size_t bar = Filter.find('|', start);
        parts.push_back(Filter.substr(start, bar == String::npos ? String::npos : bar - start));
        if (bar == String::npos) break;
        start = bar + 1;
    }
    std::vector<std::pair<String, String>> pairs;
    for (std::size_t i = 0; i < parts.size(); i += 2)
        pairs.emplace_back(parts[i], i + 1 < parts.size() ? parts[i + 1] : String());
    return pairs;
}

String TOpenDialog::WithDefaultExt(const String& Name, const String& DefaultExt) {
    if (DefaultExt.empty() || Name.empty()) return Name;
    const std::size_t slash = Name.find_last_of("/\\");
    const String last = slash == String::npos ? Name : Name.substr(slash + 1);
    if (last.find('.') != String::npos) return Name;
    return Name + "." + (DefaultExt.front() == '.' ? DefaultExt.substr(1) : DefaultExt);
}

namespace {

// "Excel fájl (*.xls)" + "*.xls;*.xlw" → "Excel fájl (*.xls *.xlw)": the toolkit
// reads the patterns from the parentheses.
QString QtFilter(const String& description, const String& patterns) {
    QString desc = ui::ToQt(description).trimmed();
    const int open = desc.lastIndexOf('(');
    if (open > 0 && desc.endsWith(')')) desc = desc.left(open).trimmed();
    QString pats = ui::ToQt(patterns);
    pats.replace(';', ' ');
    return desc + " (" + pats + ")";
}

// The detailed list's sizes and dates in the toolkit's default locale, which speaks the
// office's language; the file-system model writes them in the session's.
class OfficeLocaleColumns : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex& Index, int Role) const override {
        const QVariant shown = QIdentityProxyModel::data(Index, Role);
        if (Role != Qt::DisplayRole || shown.toString().isEmpty()) return shown;
        const auto* files = static_cast<const QFileSystemModel*>(sourceModel());
        switch (Index.column()) {
        case 1:
            return QLocale().formattedDataSize(files->size(mapToSource(Index)));
        case 3:
            return QLocale().toString(files->lastModified(mapToSource(Index)), QLocale::ShortFormat);
        default:
            return shown;
        }
    }
};

// The dialog drawn by the toolkit, the same on every desktop, its detailed list in the
// office's formats; the size, type and date columns are as wide as what they show, the
// name takes the rest.
void UseOfficeList(QFileDialog& Dialog) {
    Dialog.setOption(QFileDialog::DontUseNativeDialog);
    Dialog.setProxyModel(new OfficeLocaleColumns(&Dialog));
    auto* list = Dialog.findChild<QTreeView*>("treeView");
    if (!list) return;
    QHeaderView* header = list->header();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int column = 1; column < header->count(); ++column)
        header->setSectionResizeMode(column, QHeaderView::ResizeToContents);
}

} // namespace

bool TOpenDialog::Execute() {
    const auto filters = ParseFilter(FFilter);
    QStringList chosen;
    if (const auto& hook = ui::CurrentDialogHook()) {
        ui::DialogRequest r;
        r.Kind = IsSaveDialog() ? ui::DialogKind::SaveDialog : ui::DialogKind::OpenDialog;
        r.Caption = FTitle;
        r.Value = FFileName;
        r.Filter = FFilter;
        r.DefaultExt = FDefaultExt;
        r.InitialDir = FInitialDir;
        const ui::DialogAnswer a = hook(r);
        if (a.Result == 0 || a.Value.empty()) return false;
        chosen << ui::ToQt(a.Value);
    } else {
        ui::EnsureWidgetApplication();
        QFileDialog dlg(nullptr, ui::ToQt(FTitle), ui::ToQt(FInitialDir));
        UseOfficeList(dlg);
        dlg.setAcceptMode(IsSaveDialog() ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        if (IsSaveDialog()) {
            dlg.setFileMode(QFileDialog::AnyFile);
            if (!FOptions.Contains(ofOverwritePrompt)) dlg.setOption(QFileDialog::DontConfirmOverwrite);
        } else {
            dlg.setFileMode(FOptions.Contains(ofAllowMultiSelect) ? QFileDialog::ExistingFiles
                                                                  : QFileDialog::ExistingFile);
        }
        QStringList names;
        for (const auto& [desc, pats] : filters)
            names << QtFilter(desc, pats);
        if (!names.isEmpty()) {
            dlg.setNameFilters(names);
            const int index = FFilterIndex - 1;
            if (index >= 0 && index < names.size()) dlg.selectNameFilter(names[index]);
        }
        if (!FFileName.empty()) dlg.selectFile(ui::ToQt(FFileName));
        if (dlg.exec() != QDialog::Accepted) return false;
        chosen = dlg.selectedFiles();
        const int picked = int(names.indexOf(dlg.selectedNameFilter()));
        if (picked >= 0) FFilterIndex = picked + 1;
        if (chosen.isEmpty()) return false;
    }
    FFiles->Clear();
    for (const QString& name : chosen)
        FFiles->Add(WithDefaultExt(ui::FromQt(name), FDefaultExt));
    FFileName = FFiles->Strings(0);
    return true;
}
