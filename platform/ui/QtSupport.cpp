#include "platform/ui/detail/QtSupport.h"

#include "platform/core/Exceptions.h"
#include "platform/graphics/QtFont.h"
#include "platform/graphics/TFont.h"
#include "platform/ui/detail/KeyRouter.h"
#include "platform/ui/detail/ToolkitLanguage.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TScreen.h"

#include <QApplication>
#include <QFont>
#include <QPainter>
#include <QPalette>
#include <QProxyStyle>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleFactory>

#include <cstdlib>

namespace ui {

namespace {

QColor Sys(Integer index) {
    return ToQColor(GetSysColor(index));
}

// The classic style, except that a list-only combo box shows its field in the
// window colour (the toolkit paints it as a button) beside a normal arrow button,
// and the default push button wears its dark outer frame.
class ClassicStyle : public QProxyStyle {
public:
    ClassicStyle() : QProxyStyle(QStyleFactory::create("Windows")) {}

    void drawComplexControl(ComplexControl cc, const QStyleOptionComplex* opt, QPainter* p,
                            const QWidget* w) const override {
        const auto* combo = qstyleoption_cast<const QStyleOptionComboBox*>(opt);
        if (cc != CC_ComboBox || !combo || combo->editable) {
            QProxyStyle::drawComplexControl(cc, opt, p, w);
            return;
        }
        QStyleOptionComboBox field(*combo);
        field.palette.setBrush(QPalette::Button, combo->palette.brush(QPalette::Base));
        field.subControls = combo->subControls & ~SC_ComboBoxArrow;
        QProxyStyle::drawComplexControl(cc, &field, p, w);
        QStyleOptionComboBox arrow(*combo);
        arrow.subControls = combo->subControls & SC_ComboBoxArrow;
        QProxyStyle::drawComplexControl(cc, &arrow, p, w);
    }

    void drawControl(ControlElement ce, const QStyleOption* opt, QPainter* p,
                     const QWidget* w) const override {
        const auto* button = qstyleoption_cast<const QStyleOptionButton*>(opt);
        if (ce != CE_PushButtonBevel || !button || !(button->features & QStyleOptionButton::DefaultButton) ||
            (button->features & QStyleOptionButton::Flat)) {
            QProxyStyle::drawControl(ce, opt, p, w);
            return;
        }
        // The base style frames only auto-default buttons; ours never are.
        p->save();
        p->setPen(opt->palette.shadow().color());
        p->setBrush(Qt::NoBrush);
        p->drawRect(opt->rect.adjusted(0, 0, -1, -1));
        p->restore();
        QStyleOptionButton inner(*button);
        inner.rect = opt->rect.adjusted(1, 1, -1, -1);
        QProxyStyle::drawControl(ce, &inner, p, w);
    }
};

// The classic scheme everywhere, so forms look the same on every desktop.
QPalette ClassicPalette() {
    QPalette p;
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        p.setColor(group, QPalette::Window, Sys(COLOR_BTNFACE));
        p.setColor(group, QPalette::WindowText, Sys(COLOR_WINDOWTEXT));
        p.setColor(group, QPalette::Base, Sys(COLOR_WINDOW));
        p.setColor(group, QPalette::AlternateBase, Sys(COLOR_BTNFACE));
        p.setColor(group, QPalette::Text, Sys(COLOR_WINDOWTEXT));
        p.setColor(group, QPalette::Button, Sys(COLOR_BTNFACE));
        p.setColor(group, QPalette::ButtonText, Sys(COLOR_BTNTEXT));
        p.setColor(group, QPalette::Light, Sys(COLOR_BTNHIGHLIGHT));
        p.setColor(group, QPalette::Midlight, Sys(COLOR_3DLIGHT));
        p.setColor(group, QPalette::Mid, Sys(COLOR_BTNSHADOW));
        p.setColor(group, QPalette::Dark, Sys(COLOR_BTNSHADOW));
        p.setColor(group, QPalette::Shadow, Sys(COLOR_3DDKSHADOW));
        p.setColor(group, QPalette::Highlight, Sys(COLOR_HIGHLIGHT));
        p.setColor(group, QPalette::HighlightedText, Sys(COLOR_HIGHLIGHTTEXT));
        p.setColor(group, QPalette::ToolTipBase, Sys(COLOR_INFOBK));
        p.setColor(group, QPalette::ToolTipText, Sys(COLOR_INFOTEXT));
    }
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, Sys(COLOR_GRAYTEXT));
    p.setColor(QPalette::Disabled, QPalette::Base, Sys(COLOR_BTNFACE));
    return p;
}

} // namespace

QApplication* EnsureWidgetApplication() {
    if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance())) return app;
    if (QCoreApplication::instance())
        throw EInvalidOperation("The window layer must start before anything is drawn or measured");
    static int argc = 1;
    static char name[] = "velmora";
    static char* argv[] = {name, nullptr};
    auto* app = new QApplication(argc, argv);
    QApplication::setStyle(new ClassicStyle);
    QApplication::setPalette(ClassicPalette());
    TFont font;
    QApplication::setFont(ToQFont(&font));
    QApplication::setQuitOnLastWindowClosed(false);
    // The window system's own dialogs (choosing a file) speak the office's language.
    SpeakHungarian(app);
    KeyRouter::Install(app);
    // The forms go before the toolkit's own globals are torn down at exit.
    std::atexit([] { Application->DestroyComponents(); });
    return app;
}

void ShutdownWidgetApplication() {
    delete qobject_cast<QApplication*>(QCoreApplication::instance());
}

QString ToQt(const String& s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

String FromQt(const QString& s) {
    return s.toUtf8().toStdString();
}

QColor ToQColor(TColor c) {
    if (c == clNone || c == clDefault) return QColor(Qt::transparent);
    const TColor rgb = ColorToRGB(c);
    return QColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

QFont ToQFont(const TFont* f) {
    return graphics::ToQFont(f->State());
}

QCursor ToQCursor(TCursor c) {
    switch (Screen->Cursors(c)) {
    case crNone:
        return QCursor(Qt::BlankCursor);
    case crCross:
        return QCursor(Qt::CrossCursor);
    case crIBeam:
        return QCursor(Qt::IBeamCursor);
    case crSizeNESW:
        return QCursor(Qt::SizeBDiagCursor);
    case crSizeNS:
    case crVSplit:
        return QCursor(Qt::SizeVerCursor);
    case crSizeNWSE:
        return QCursor(Qt::SizeFDiagCursor);
    case crSizeWE:
    case crHSplit:
        return QCursor(Qt::SizeHorCursor);
    case crUpArrow:
        return QCursor(Qt::UpArrowCursor);
    case crHourGlass:
    case crSQLWait:
        return QCursor(Qt::WaitCursor);
    case crDrag:
    case crMultiDrag:
        return QCursor(Qt::DragMoveCursor);
    case crNoDrop:
    case crNo:
        return QCursor(Qt::ForbiddenCursor);
    case crAppStart:
        return QCursor(Qt::BusyCursor);
    case crHelp:
        return QCursor(Qt::WhatsThisCursor);
    case crHandPoint:
        return QCursor(Qt::PointingHandCursor);
    case crSizeAll:
        return QCursor(Qt::SizeAllCursor);
    default:
        return QCursor(Qt::ArrowCursor);
    }
}

} // namespace ui
