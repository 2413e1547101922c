#include "platform/ui/detail/ToolkitLanguage.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cstring>

namespace ui {

namespace {

// The toolkit's texts that its Hungarian catalogue leaves in English: the type column
// of the file dialogs' detailed list.
class MissingWords : public QTranslator {
public:
    using QTranslator::QTranslator;

    QString translate(const char* Context, const char* Source, const char* /*Disambiguation*/,
                      int /*N*/) const override {
        struct Word {
            const char* Context;
            const char* Source;
            const char* Hungarian;
        };
        static constexpr Word words[] = {{"QAbstractFileIconProvider", "Folder", "Mappa"},
                                         {"QAbstractFileIconProvider", "Drive", "Meghajtó"},
                                         {"QAbstractFileIconProvider", "Unknown", "Ismeretlen"}};
        for (const Word& w : words)
            if (std::strcmp(Context, w.Context) == 0 && std::strcmp(Source, w.Source) == 0)
                return QString::fromUtf8(w.Hungarian);
        return {};
    }

    bool isEmpty() const override { return false; }
};

} // namespace

void SpeakHungarian(QApplication* App) {
    const QLocale hungarian(QLocale::Hungarian, QLocale::Hungary);
    QLocale::setDefault(hungarian);
    auto* catalogue = new QTranslator(App);
    if (catalogue->load(hungarian, "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(catalogue);
    QCoreApplication::installTranslator(new MissingWords(App));
}

} // namespace ui
