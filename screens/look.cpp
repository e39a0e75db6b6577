// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/look.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QLocale>
#include <QPalette>
#include <QRawFont>
#include <QStringList>
#include <QStyle>
#include <QVariant>
#include <QWidget>
#include <algorithm>
#include <utility>
#include <vector>

// Made by the build from the list of languages: the font each script needs.
#include "screens/script_fonts.h"

namespace look {

namespace {

const QString verdana = QStringLiteral("Verdana");
const QString dejaVuSans = QStringLiteral("DejaVu Sans");

// Whether Verdana is installed, known once settleFonts() has read the
// installed families; until then it is asked for.
enum class Installed { unknown, yes, no };
Installed verdanaInstalled = Installed::unknown;

QStringList fontFamilies(Installed verdanaIs) {
    // Each letter comes from the first family that has it. The font of the
    // language the game speaks stands before DejaVu Sans, which has some
    // letters of other scripts (most of Urdu's, not all) and would break a
    // word between two fonts; the fonts of the other scripts come after it,
    // for names typed in them. Verdana, where installed, keeps the Latin
    // letters, which the script fonts do not have.
    const QString language = QCoreApplication::translate("Pictures", "en");
    QStringList own;
    QStringList others;
    for (const ScriptFont* script = scriptFonts; script->language; ++script)
        (language == QLatin1String(script->language) ? own : others)
            << QString::fromUtf8(script->family);
    QStringList families =
        QStringList{verdana} + own + QStringList{dejaVuSans} + others +
        QStringList{QStringLiteral("Liberation Sans"), QStringLiteral("Sans Serif")};
    // Qt passes over a family that is not installed only after asking
    // Fontconfig for everything that could stand in for it, a sort of every
    // installed font, again for each script. Where DejaVu Sans follows
    // Verdana (texts in the Latin alphabet), a missing Verdana is left out:
    // Fontconfig stands the desktop's sans-serif face in for it, DejaVu Sans
    // unless the desktop prefers another, so the texts are drawn as they were
    // and their sans face is the one named here. Elsewhere the family asked
    // for first chooses the face of the spaces and digits among the letters
    // of the language's own script, and Verdana stays.
    if (verdanaIs == Installed::no && families.at(1) == dejaVuSans) families.removeFirst();
    return families;
}

bool isInstalled(const QString& family) {
    const QStringList installed = QFontDatabase::families();
    return std::any_of(installed.begin(), installed.end(), [&](const QString& name) {
        // A family that several foundries make is listed as "Family [Foundry]".
        return name.section(QStringLiteral(" ["), 0, 0).compare(family, Qt::CaseInsensitive) == 0;
    });
}

}  // namespace

int textSizeStep() {
    bool isNumber = false;
    //: How many pixels larger than the design's sizes the text of this
    //: language is drawn, as a number: 0 for the Latin alphabet; Devanagari
    //: reads as well as English a pixel larger.
    const int step = QCoreApplication::translate("Look", "0").toInt(&isNumber);
    return isNumber ? std::clamp(step, 0, 4) : 0;
}

QFont font(bool bold, int pixelSize) {
    QFont f;
    f.setFamilies(fontFamilies(verdanaInstalled));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(pixelSize + textSizeStep());
    f.setBold(bold);
    return f;
}

QFont figuresFont(const QFont& font) {
    const QLocale numbers;
    const QString figures = numbers.toString(1234567890) + numbers.decimalPoint();
    QFont shortest = font;
    int shortestLine = QFontMetrics(font).height();
    for (const QString& family : font.families()) {
        if (!isInstalled(family)) continue;
        QFont one = font;
        one.setFamilies({family});
        const QRawFont face = QRawFont::fromFont(one);
        if (!std::all_of(figures.begin(), figures.end(),
                         [&](QChar c) { return face.supportsCharacter(c); }))
            continue;
        const int line = QFontMetrics(one).height();
        if (line < shortestLine) {
            shortest = one;
            shortestLine = line;
        }
    }
    return shortest;
}

void useLanguageFonts() {
    const QStringList families = fontFamilies(verdanaInstalled);
    // The desktop's theme may give message boxes and tooltips fonts of their
    // own, which the application's font does not reach; setting that font
    // forgets them, so each is read first.
    const char* const classNames[] = {"QMessageBox", "QMessageBoxLabel", "QTipLabel"};
    std::vector<QFont> classFonts;
    for (const char* className : classNames) classFonts.push_back(QApplication::font(className));
    QFont application = QApplication::font();
    application.setFamilies(families);
    QApplication::setFont(application);
    for (std::size_t i = 0; i < classFonts.size(); ++i) {
        classFonts[i].setFamilies(families);
        QApplication::setFont(classFonts[i], classNames[i]);
    }
}

void settleFonts(QWidget* window) {
    if (verdanaInstalled != Installed::unknown) return;
    const QStringList asked = fontFamilies(Installed::unknown);
    verdanaInstalled = isInstalled(verdana) ? Installed::yes : Installed::no;
    const QStringList settled = fontFamilies(verdanaInstalled);
    if (settled == asked) return;
    useLanguageFonts();
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    for (QWidget* widget : std::as_const(widgets)) {
        // Those without a font of their own take their window's.
        if (!widget->testAttribute(Qt::WA_SetFont) || widget->font().families() != asked) continue;
        QFont settledFont = widget->font();
        settledFont.setFamilies(settled);
        widget->setFont(settledFont);
    }
}

namespace {

constexpr const char* placeProperty = "bailcrestPlace";
const QString mirrorName = QStringLiteral("bailcrestMirror");

QRect mirrored(const QWidget* parent, QRect fromLeft) {
    return QStyle::visualRect(Qt::RightToLeft, parent->rect(), fromLeft);
}

// Places a right-to-left widget's children again when it changes width: a
// place from the right edge moves with it, and a window may be given its
// size only after its contents.
class Mirror : public QObject {
  public:
    explicit Mirror(QWidget* parent) : QObject(parent) {
        setObjectName(mirrorName);
        parent->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Resize || watched != parent()) return false;
        auto* widget = static_cast<QWidget*>(watched);
        for (QWidget* child : widget->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            const QVariant fromLeft = child->property(placeProperty);
            if (fromLeft.isValid()) child->setGeometry(mirrored(widget, fromLeft.toRect()));
        }
        return false;
    }
};

void paintWindow(QWidget* window, const QString& title) {
    window->setWindowTitle(title);
    window->setAutoFillBackground(true);
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, navy);
    palette.setColor(QPalette::Base, navy);
    palette.setColor(QPalette::WindowText, silver);
    window->setPalette(palette);
    window->setFont(font(false));
}

// The rows of a label that its text inks, in its parent's coordinates; an
// empty range (bottom above top) for a label without text.
std::pair<int, int> inkedRows(QLabel* label) {
    QImage image(label->size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    label->render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
    int top = image.height();
    int bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        if (std::any_of(line, line + image.width(),
                        [](QRgb pixel) { return qAlpha(pixel) != 0; })) {
            top = std::min(top, y);
            bottom = y;
        }
    }
    return {label->y() + top, label->y() + bottom};
}

}  // namespace

void setUpWindow(QWidget* window, const QString& title, int widthTwips, int heightTwips) {
    paintWindow(window, title);
    window->setFixedSize(px(widthTwips), px(heightTwips));
}

void setUpResizableWindow(QWidget* window, const QString& title, int widthTwips, int heightTwips) {
    paintWindow(window, title);
    window->resize(px(widthTwips), px(heightTwips));
}

void place(QWidget* widget, QRect fromLeft) {
    QWidget* parent = widget->parentWidget();
    if (!parent || !widget->isRightToLeft()) {
        widget->setGeometry(fromLeft);
        return;
    }
    widget->setProperty(placeProperty, fromLeft);
    if (!parent->findChild<QObject*>(mirrorName, Qt::FindDirectChildrenOnly)) new Mirror(parent);
    widget->setGeometry(mirrored(parent, fromLeft));
}

Qt::Alignment visualAlignment(const QWidget* widget, Qt::Alignment alignment) {
    if (!widget->isRightToLeft()) return alignment;
    return QStyle::visualAlignment(Qt::RightToLeft, alignment) | Qt::AlignAbsolute;
}

void align(QLabel* label, Qt::Alignment alignment) {
    label->setAlignment(visualAlignment(label, alignment));
}

void setTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    palette.setColor(QPalette::ButtonText, colour);
    widget->setPalette(palette);
}

void darken(QWidget* widget) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, navy);
    palette.setColor(QPalette::Base, navy);
    palette.setColor(QPalette::AlternateBase, QColor(0, 0, 92));
    palette.setColor(QPalette::Button, QColor(16, 16, 104));
    palette.setColor(QPalette::ButtonText, silver);
    palette.setColor(QPalette::WindowText, silver);
    palette.setColor(QPalette::Text, lightYellow);
    palette.setColor(QPalette::Highlight, blue);
    palette.setColor(QPalette::HighlightedText, Qt::white);
    // Greyed rows (a file in the careers' list that is no career) in a grey
    // that reads on navy.
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(150, 150, 170));
    palette.setColor(QPalette::Light, QColor(96, 96, 160));
    palette.setColor(QPalette::Midlight, QColor(64, 64, 136));
    palette.setColor(QPalette::Mid, QColor(48, 48, 120));
    palette.setColor(QPalette::Dark, QColor(24, 24, 80));
    palette.setColor(QPalette::Shadow, Qt::black);
    widget->setPalette(palette);
}

namespace {

QString cssColour(const QColor& colour) {
    return QStringLiteral("rgb(%1, %2, %3)")
        .arg(colour.red())
        .arg(colour.green())
        .arg(colour.blue());
}

}  // namespace

QString fieldStyle(const QColor& text, int paddingPixels, bool focusMarked) {
    QString style = QStringLiteral(
                        "QLineEdit { background: %1; color: %2; border: 1px solid %3; "
                        "padding: 0 %4px; }")
                        .arg(cssColour(navy), cssColour(text), cssColour(silver))
                        .arg(paddingPixels);
    if (focusMarked) {
        style +=
            QStringLiteral(" QLineEdit:focus { border-color: %1; }").arg(cssColour(lightYellow));
    }
    return style;
}

QLabel* caption(QWidget* parent, const QString& objectName, const QString& text,
                const QColor& colour, QRect geometry) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(objectName);
    label->setFont(font(true));
    if (geometry.isNull()) {
        label->setGeometry(geometry);
    } else {
        place(label, geometry);
    }
    label->setTextFormat(Qt::PlainText);
    align(label, Qt::AlignLeft | Qt::AlignVCenter);
    setTextColour(label, colour);
    fitCaption(label);
    return label;
}

namespace {

constexpr const char* fittingHeldProperty = "bailcrestCaptionFittingHeld";
constexpr const char* fitHeldProperty = "bailcrestFitHeld";

}  // namespace

void holdCaptionFitting(QWidget* window) {
    window->setProperty(fittingHeldProperty, true);
}

void fitHeldCaptions(QWidget* window) {
    if (!window->property(fittingHeldProperty).toBool()) return;
    window->setProperty(fittingHeldProperty, QVariant());
    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (!label->property(fitHeldProperty).toBool()) continue;
        label->setProperty(fitHeldProperty, QVariant());
        fitCaption(label);
    }
}

void fitCaption(QLabel* label) {
    if (label->window()->property(fittingHeldProperty).toBool()) {
        label->setProperty(fitHeldProperty, true);
        return;
    }
    const QVariant stored = label->property(fullTextProperty);
    const QString text = stored.isValid() ? stored.toString() : label->text();
    const int indent = label->indent() > 0 ? label->indent() : 0;
    const int room = label->contentsRect().width() - 2 * label->margin() - indent;
    const QFontMetrics metrics(label->font());
    // A wrapped text, or one in a layout that has yet to give it its place,
    // is left whole.
    if (text.isEmpty() || label->wordWrap() || label->geometry().isEmpty() ||
        metrics.horizontalAdvance(text) <= room) {
        if (stored.isValid()) {
            label->setText(text);
            label->setToolTip(QString());
            label->setAccessibleName(QString());
            label->setProperty(fullTextProperty, QVariant());
        }
        return;
    }
    label->setProperty(fullTextProperty, text);
    label->setText(metrics.elidedText(text, Qt::ElideRight, room));
    label->setToolTip(text);
    label->setAccessibleName(text);
}

QLabel* value(QWidget* parent, const QString& objectName, const QString& captionText,
              const QColor& colour, QRect geometry, Qt::Alignment alignment) {
    QLabel* label = caption(parent, objectName, QString(), colour, geometry);
    align(label, alignment | Qt::AlignVCenter);
    label->setAccessibleDescription(accessibleCaption(captionText));
    return label;
}

void setValueText(QLabel* label, const QString& text) {
    // The room the text has: the label less its frame, margins and indent.
    const int indent = label->indent() > 0 ? label->indent() : 0;
    const int room = label->contentsRect().width() - 2 * label->margin() - indent;
    const QFontMetrics metrics(label->font());
    const QString shown = metrics.horizontalAdvance(text) <= room
                              ? text
                              : metrics.elidedText(text, Qt::ElideRight, room);
    label->setText(shown);
    label->setToolTip(shown == text ? QString() : text);
    label->setAccessibleName(text);
}

void keepApart(QLabel* upper, QLabel* lower, int gap) {
    const int lowerTop = inkedRows(lower).first;
    QMargins margins = upper->contentsMargins();
    // Each two pixels less room below the text raise a centred text by one.
    for (int raised = 0; raised < upper->height(); ++raised) {
        const auto [top, bottom] = inkedRows(upper);
        if (bottom < top || lowerTop - bottom > gap || top <= upper->y()) return;
        margins.setBottom(margins.bottom() + 2);
        upper->setContentsMargins(margins);
    }
}

void labelWith(QLabel* caption, QWidget* value) {
    caption->setBuddy(value);
}

QString accessibleCaption(const QString& captionText) {
    QString text = captionText;
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QStringLiteral("\x01"), QStringLiteral("&"));
    text = text.trimmed();
    if (text.endsWith(QLatin1Char(':'))) text.chop(1);
    return text;
}

}  // namespace look
