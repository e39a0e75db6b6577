// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/units_scroll_bar.h"

#include <QApplication>
#include <QKeyEvent>
#include <QProxyStyle>
#include <QStyleOptionSlider>
#include <algorithm>

namespace {

// Qt draws a scroll bar with an inverted appearance upside down, but its
// arrows and the trough still step the way they would the right way up: the
// top arrow would take a unit away and move the thumb down. This style turns
// the arrows and the trough round as well, for hits and for the pressed look.
class UpsideDownScrollBarStyle final : public QProxyStyle {
  public:
    UpsideDownScrollBarStyle() : QProxyStyle(QApplication::style()->name()) {}

    SubControl hitTestComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                     const QPoint& position, const QWidget* widget) const override {
        const SubControl hit =
            QProxyStyle::hitTestComplexControl(control, option, position, widget);
        return upsideDown(control, option) ? turned(hit) : hit;
    }

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget) const override {
        if (!upsideDown(control, option)) {
            QProxyStyle::drawComplexControl(control, option, painter, widget);
            return;
        }
        QStyleOptionSlider turnedOption = *qstyleoption_cast<const QStyleOptionSlider*>(option);
        turnedOption.activeSubControls = turned(option->activeSubControls);
        QProxyStyle::drawComplexControl(control, &turnedOption, painter, widget);
    }

  private:
    static bool upsideDown(ComplexControl control, const QStyleOptionComplex* option) {
        const auto* slider = qstyleoption_cast<const QStyleOptionSlider*>(option);
        return control == CC_ScrollBar && slider && slider->upsideDown;
    }

    static SubControls turned(SubControls controls) {
        SubControls result = controls & ~(SC_ScrollBarSubLine | SC_ScrollBarAddLine |
                                          SC_ScrollBarSubPage | SC_ScrollBarAddPage);
        if (controls & SC_ScrollBarSubLine) result |= SC_ScrollBarAddLine;
        if (controls & SC_ScrollBarAddLine) result |= SC_ScrollBarSubLine;
        if (controls & SC_ScrollBarSubPage) result |= SC_ScrollBarAddPage;
        if (controls & SC_ScrollBarAddPage) result |= SC_ScrollBarSubPage;
        return result;
    }

    static SubControl turned(SubControl control) {
        return static_cast<SubControl>(static_cast<int>(turned(SubControls(control))));
    }
};

QStyle* upsideDownStyle() {
    static UpsideDownScrollBarStyle* style = [] {
        auto* made = new UpsideDownScrollBarStyle;
        // Lives as long as the application, which deletes it last.
        made->setParent(qApp);
        return made;
    }();
    return style;
}

}  // namespace

UnitsScrollBar::UnitsScrollBar(QWidget* parent) : QScrollBar(Qt::Vertical, parent) {
    setStyle(upsideDownStyle());
    // The usual light scroll bar, whose arrows would not show on the navy window.
    setPalette(style()->standardPalette());
    setInvertedAppearance(true);
    // Up adds, as the up arrow does.
    setInvertedControls(false);
    setSingleStep(1);
    setPageStep(1);
    // The units follow a finished change, not a thumb being dragged.
    setTracking(false);
    setFocusPolicy(Qt::StrongFocus);
    setToolTip(
        tr("Up or Page Up adds units, Page Up ten at a time, and End all of them; Down "
           "or Page Down takes them away, Page Down ten at a time, and Home all of them."));
}

void UnitsScrollBar::offer(int units) {
    setRange(0, units);
    setValue(units);
}

void UnitsScrollBar::keyPressEvent(QKeyEvent* event) {
    // Home the fewest units and End the most, as on every bar of the game,
    // whichever way this one is drawn.
    if (event->modifiers() == Qt::NoModifier) {
        if (event->key() == Qt::Key_Home) {
            triggerAction(SliderToMinimum);
            return;
        }
        if (event->key() == Qt::Key_End) {
            triggerAction(SliderToMaximum);
            return;
        }
        // Ten units a press, so that a large offer is quickly bought or
        // left; a click in the trough still moves one unit.
        if (event->key() == Qt::Key_PageUp || event->key() == Qt::Key_PageDown) {
            const int step =
                event->key() == Qt::Key_PageUp ? keyboardPageUnits : -keyboardPageUnits;
            setValue(std::clamp(value() + step, minimum(), maximum()));
            return;
        }
    }
    QScrollBar::keyPressEvent(event);
}
