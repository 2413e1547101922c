#include "platform/ui/TDateTimePicker.h"

#include "platform/core/ScopeExit.h"
#include "platform/core/DateTime.h"
#include "platform/core/FormatSettings.h"
#include "platform/ui/detail/QtSupport.h"
#include "platform/ui/SafeCall.h"
#include "platform/ui/VirtualKeys.h"

#include <QCheckBox>
#include <QDateTimeEdit>
#include <QFrame>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QLocale>
#include <QMouseEvent>
#include <QPalette>
#include <QStyle>
#include <QStyleOptionComboBox>

#include <cctype>
#include <cmath>

namespace {

// Julian day of 1899-12-30, day 0 of TDateTime.
constexpr qint64 DayZero = 2415019;

QDateTime ToQDateTime(TDateTime v) {
    double days = std::trunc(v);
    const double frac = std::fabs(v - days);
    qint64 ms = std::llround(frac * MSecsPerDay);
    if (ms >= MSecsPerDay) { // rounding reached the next midnight
        ms = 0;
        days += v < 0 ? -1 : 1;
    }
    return QDateTime(QDate::fromJulianDay(DayZero + qint64(days)), QTime::fromMSecsSinceStartOfDay(int(ms)));
}

TDateTime FromQDateTime(const QDateTime& v) {
    const double days = double(v.date().toJulianDay() - DayZero);
    const double frac = double(v.time().msecsSinceStartOfDay()) / MSecsPerDay;
    return days < 0 ? days - frac : days + frac;
}

// The date box with the calendar drop-down: a press on it outside the text and the arrow
// does nothing. The toolkit's box hit-tests its drop-down parts with the part numbers of the
// step buttons it no longer shows, so a press on its margin stepped the field at the caret
// (a click beside a birth date added a year) and kept stepping while the button was held.
class DateEdit : public QDateTimeEdit {
protected:
    void mousePressEvent(QMouseEvent* e) override {
        if (calendarPopup() && !OnArrow(e->position().toPoint())) {
            e->accept();
            return;
        }
        QDateTimeEdit::mousePressEvent(e);
    }

private:
    bool OnArrow(const QPoint& p) const {
        QStyleOptionComboBox opt;
        opt.initFrom(this);
        opt.editable = true;
        opt.subControls = QStyle::SC_All;
        return style()->hitTestComplexControl(QStyle::CC_ComboBox, &opt, p, this) == QStyle::SC_ComboBoxArrow;
    }
};

// The platform's date and time format letters as the edit box's format:
// months are M, minutes m (n, or m after an hour), AM/PM markers AP.
QString QtFormat(const String& f) {
    String out;
    bool afterHour = false;
    bool twelveHour = false;
    for (std::size_t i = 0; i < f.size(); ++i) {
        const char c = char(std::tolower(static_cast<unsigned char>(f[i])));
        if (c == 't' || (c == 'a' && (f.compare(i, 4, "ampm") == 0 || f.compare(i, 4, "AMPM") == 0)))
            twelveHour = true;
    }
    std::size_t i = 0;
    while (i < f.size()) {
        const char raw = f[i];
        const char c = char(std::tolower(static_cast<unsigned char>(raw)));
        if (raw == '\'' || raw == '"') {
            const std::size_t end = f.find(raw, i + 1);
            const String lit = f.substr(i + 1, end == String::npos ? String::npos : end - i - 1);
            out += "'" + lit + "'";
            i = end == String::npos ? f.size() : end + 1;
            continue;
        }
        std::size_t n = 1;
        while (i + n < f.size() && std::tolower(static_cast<unsigned char>(f[i + n])) == c)
            ++n;
        switch (c) {
        case 'y':
            out += n <= 2 ? "yy" : "yyyy";
            break;
        case 'd':
            out += String(std::min<std::size_t>(n, 4), 'd');
            break;
        case 'm':
            out += afterHour ? String(std::min<std::size_t>(n, 2), 'm')
                             : String(std::min<std::size_t>(n, 4), 'M');
            afterHour = false;
            break;
        case 'n':
            out += String(std::min<std::size_t>(n, 2), 'm');
            break;
        case 'h':
            out += String(std::min<std::size_t>(n, 2), twelveHour ? 'h' : 'H');
            afterHour = true;
            break;
        case 's':
            out += String(std::min<std::size_t>(n, 2), 's');
            break;
        case 'z':
            out += n >= 3 ? "zzz" : "z";
            break;
        case 't':
            out += "AP";
            break;
        case 'a':
            if (f.compare(i, 4, "ampm") == 0 || f.compare(i, 4, "AMPM") == 0) {
                out += "AP";
                n = 4;
            } else {
                out += "'a'";
            }
            break;
        default:
            if (std::isalpha(static_cast<unsigned char>(raw)))
                out += "'" + String(n, raw) + "'";
            else
                out += String(n, raw);
            break;
        }
        i += n;
    }
    return ui::ToQt(out);
}

} // namespace

TDateTimePicker::TDateTimePicker(TComponent* AOwner)
    : TWinControl(AOwner, ui::NewWidget<QFrame>()), FDateTime(Now()) {
    // One sunken field holds both the check box and the date, so the two read as one input.
    auto* frame = static_cast<QFrame*>(Widget());
    frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    frame->setLineWidth(2);
    frame->setBackgroundRole(QPalette::Base);
    frame->setAutoFillBackground(true);
    auto* layout = new QHBoxLayout(frame);
    layout->setContentsMargins(2, 0, 0, 0);
    layout->setSpacing(0);
    FCheckBox = new QCheckBox;
    // Clicks on the box are taken by the control itself, so a click anywhere
    // over it behaves the same, whoever sends it.
    FCheckBox->setAttribute(Qt::WA_TransparentForMouseEvents);
    FCheckBox->setFocusPolicy(Qt::NoFocus);
    FCheckBox->setChecked(true);
    FCheckBox->hide();
    FEdit = new DateEdit;
    FEdit->setFrame(false);
    FEdit->setLocale(QLocale(QLocale::Hungarian, QLocale::Hungary));
    FEdit->setMinimumDateTime(QDateTime(QDate(100, 1, 1), QTime(0, 0)));
    FEdit->setMaximumDateTime(QDateTime(QDate(9999, 12, 31), QTime(23, 59, 59, 999)));
    layout->addWidget(FCheckBox);
    layout->addWidget(FEdit, 1);
    Widget()->setFocusProxy(FEdit);
    QObject::connect(FEdit, &QDateTimeEdit::dateTimeChanged, [this](const QDateTime& v) {
        if (!FSetting) ui::SafeCall(this, [&] { UserEdited(FromQDateTime(v)); });
    });
    SetParentColor(false);
    SetColor(clWindow);
    ColorChanged(); // clWindow is the starting value, so SetColor alone changes nothing
    SetTabStop(true);
    UpdateFormat();
    ShowValue();
    SetBounds(0, 0, 186, 21);
}

void TDateTimePicker::SetDateTime(TDateTime v) {
    FDateTime = v;
    ShowValue();
}

TDateTime TDateTimePicker::Date() const {
    return std::trunc(FDateTime);
}

void TDateTimePicker::SetDate(TDateTime v) {
    const double time = std::fabs(FDateTime - std::trunc(FDateTime));
    const double day = std::trunc(v);
    SetDateTime(day < 0 ? day - time : day + time);
}

TDateTime TDateTimePicker::Time() const {
    return std::fabs(FDateTime - std::trunc(FDateTime));
}

void TDateTimePicker::SetTime(TDateTime v) {
    const double day = std::trunc(FDateTime);
    const double time = std::fabs(v - std::trunc(v));
    SetDateTime(day < 0 ? day - time : day + time);
}

void TDateTimePicker::SetShowCheckbox(bool v) {
    if (v == FShowCheckbox) return;
    FShowCheckbox = v;
    FCheckBox->setVisible(v);
    UpdateCheckedLook();
}

void TDateTimePicker::SetChecked(bool v) {
    if (v == FChecked) return;
    FChecked = v;
    UpdateCheckedLook();
}

void TDateTimePicker::SetKind(TDateTimeKind v) {
    if (v == FKind) return;
    FKind = v;
    UpdateFormat();
    ShowValue();
}

void TDateTimePicker::SetDateFormat(TDTDateFormat v) {
    if (v == FDateFormat) return;
    FDateFormat = v;
    UpdateFormat();
}

void TDateTimePicker::ShowValue() {
    FSetting = true;
    core::ScopeExit reset([this] { FSetting = false; });
    FEdit->setDateTime(ToQDateTime(FDateTime));
}

void TDateTimePicker::UpdateFormat() {
    FSetting = true;
    core::ScopeExit reset([this] { FSetting = false; });
    if (FKind == dtkDate) {
        FEdit->setDisplayFormat(
            QtFormat(FDateFormat == dfLong ? FormatSettings.LongDateFormat : FormatSettings.ShortDateFormat));
        FEdit->setCalendarPopup(true);
    } else {
        FEdit->setCalendarPopup(false);
        FEdit->setDisplayFormat(QtFormat(FormatSettings.LongTimeFormat));
    }
}

void TDateTimePicker::UpdateCheckedLook() {
    FCheckBox->setChecked(FChecked);
    // Only the text colour is set here, so font colour changes still reach the box.
    QPalette pal;
    if (FShowCheckbox && !FChecked) {
        const QColor grey = ui::ToQColor(clGrayText);
        pal.setColor(QPalette::Text, grey);
    }
    FEdit->setPalette(pal);
}

void TDateTimePicker::ColorChanged() {
    QPalette pal = Widget()->palette();
    pal.setColor(QPalette::Base, ui::ToQColor(Color()));
    Widget()->setPalette(pal);
    TWinControl::ColorChanged();
}

void TDateTimePicker::UserEdited(TDateTime v) {
    const double day = std::trunc(FDateTime);
    const double time = std::fabs(FDateTime - day);
    // The edit box shows only one half of the value; the other half is kept.
    if (FKind == dtkDate) {
        const double d = std::trunc(v);
        FDateTime = d < 0 ? d - time : d + time;
    } else {
        const double t = std::fabs(v - std::trunc(v));
        FDateTime = day < 0 ? day - t : day + t;
    }
    if (FShowCheckbox) SetChecked(true);
    Change();
}

void TDateTimePicker::UserToggled() {
    SetChecked(!FChecked);
    Change();
}

void TDateTimePicker::Change() {
    if (OnChange) OnChange(this);
}

void TDateTimePicker::KeyDown(Word& Key, TShiftState Shift) {
    TWinControl::KeyDown(Key, Shift);
    if (Key == VK_SPACE && FShowCheckbox && Enabled()) {
        UserToggled();
        Key = 0;
    }
    switch (Key) {
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
    case VK_HOME:
    case VK_END:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_BACK:
    case VK_DELETE:
        FDigitSection = -1; // the caret moved or the text changed by other means
        break;
    default:
        break;
    }
}

void TDateTimePicker::KeyPress(String& Key) {
    TWinControl::KeyPress(Key);
    if (Key.size() != 1) {
        FDigitSection = -1;
        return;
    }
    const char c = Key[0];
    if (c >= '0' && c <= '9') {
        // A caret left inside a field by a click or an arrow would make the digit an
        // insertion the field refuses; digits typed one after another stay together.
        auto* line = FEdit->findChild<QLineEdit*>();
        if (line && !line->hasSelectedText() && FEdit->currentSectionIndex() != FDigitSection)
            FEdit->setSelectedSection(FEdit->currentSection());
        FDigitSection = FEdit->currentSectionIndex();
        return;
    }
    const bool separator = std::ispunct(static_cast<unsigned char>(c)) != 0;
    if (separator && FDigitSection >= 0 && FEdit->currentSectionIndex() != FDigitSection)
        Key.clear(); // the digits before it filled their field and moved on already
    FDigitSection = -1;
}

bool TDateTimePicker::WidgetEvent(QEvent* Event) {
    if (Event->type() != QEvent::MouseButtonPress && Event->type() != QEvent::MouseButtonDblClick)
        return false;
    if (!FShowCheckbox || !Enabled()) return false;
    auto* e = static_cast<QMouseEvent*>(Event);
    if (e->button() != Qt::LeftButton || !FCheckBox->geometry().contains(e->position().toPoint()))
        return false;
    UserToggled();
    return true;
}
