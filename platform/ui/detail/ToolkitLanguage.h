#pragma once
// The toolkit's own texts and formats in the office's language.
class QApplication;

namespace ui {

// Hungarian as the toolkit's default locale (the dates, sizes and file type names its
// dialogs show) and its Hungarian catalogue, with the few words that catalogue lacks.
void SpeakHungarian(QApplication* App);

} // namespace ui
