// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/screenshots/text_check.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QGraphicsView>
#include <QHash>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRawFont>
#include <QRegularExpression>
#include <QSet>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTabBar>
#include <QTableView>
#include <QTextBoundaryFinder>
#include <QTextDocument>
#include <QToolTip>
#include <QTreeView>
#include <QWidget>
#include <cmath>
#include <functional>
#include <vector>

#include "screens/look.h"
#include "screens/titled_frame.h"

namespace {

QString withoutMnemonic(QString text) {
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    return text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
}

// The width the widget's text needs beside what the widget draws besides it.
int textWidth(const QWidget& widget, const QString& text) {
    const QFontMetrics metrics(widget.font());
    int widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
}

// Whether the letters of a label's one line, drawn where the label draws
// them, lie inside it. A script font may ask for a taller line than the
// design's than its letters need (Noto Naskh Arabic leaves room for marks
// stacked above and below): what counts is whether a letter is cut.
bool inkFits(const QLabel& label, const QRect& room) {
    if (label.text().contains(QLatin1Char('\n'))) return false;
    const QFontMetrics metrics(label.font());
    const QRect ink = metrics.tightBoundingRect(label.text());
    int baseline = metrics.ascent();
    if (label.alignment() & Qt::AlignVCenter) {
        baseline += (room.height() - metrics.height()) / 2;
    } else if (label.alignment() & Qt::AlignBottom) {
        baseline += room.height() - metrics.height();
    }
    return baseline + ink.top() >= 0 && baseline + ink.bottom() < room.height();
}

// Whether a label shows its whole text in its contents rectangle.
bool labelFits(const QLabel& label) {
    const QString text = label.text();
    const QRect room = label.contentsRect();
    const QFontMetrics metrics(label.font());
    if (label.wordWrap() && label.textInteractionFlags() != Qt::NoTextInteraction) {
        // A label whose text can be selected (a message box's) lays it out
        // as a text document, which breaks lines where the font's measure
        // does not, and measures in fractions of a pixel.
        QTextDocument document;
        document.setDefaultFont(label.font());
        document.setDocumentMargin(0);
        document.setPlainText(text);
        document.setTextWidth(room.width());
        return std::floor(document.size().height()) <= room.height() + 1 &&
               std::floor(document.idealWidth()) <= room.width();
    }
    if (label.wordWrap()) {
        const QRect needed = metrics.boundingRect(QRect(0, 0, room.width(), 100000),
                                                  label.alignment() | Qt::TextWordWrap, text);
        // The measure counts a pixel of leading below the last line that the
        // label leaves out, as for lines that do not wrap below.
        return needed.height() <= room.height() + 1 && needed.width() <= room.width();
    }
    const int indent = label.indent() > 0 ? label.indent() : 0;
    const int lines = static_cast<int>(text.count(QLatin1Char('\n'))) + 1;
    return textWidth(label, text) + indent <= room.width() &&
           (metrics.height() * lines <= room.height() + 1 || inkFits(label, room));
}

// A check box or option button draws its indicator, a gap, then the text.
bool indicatedButtonFits(const QAbstractButton& button) {
    return button.sizeHint().width() <= button.width();
}

// A tab shows its whole text, and is in sight without scrolling the bar.
bool tabFits(const QTabBar& tabs, int tab) {
    const QRect place = tabs.tabRect(tab);
    const int padding = tabs.style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, &tabs);
    return tabs.rect().contains(place) &&
           textWidth(tabs, withoutMnemonic(tabs.tabText(tab))) + padding <= place.width();
}

// A column heading is drawn between the style's margins.
bool headingFits(const QHeaderView& headings, int section) {
    if (headings.orientation() == Qt::Vertical) return true;
    const QString text = headings.model()->headerData(section, headings.orientation()).toString();
    const int margin = headings.style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, &headings);
    return textWidth(headings, text) + 2 * margin <= headings.sectionSize(section);
}

// Any of a choice's items, when chosen, fits the box beside its arrow.
bool choiceFits(const QComboBox& choice, int item) {
    QStyleOptionComboBox option;
    option.initFrom(&choice);
    option.editable = choice.isEditable();
    const QRect field = choice.style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                       QStyle::SC_ComboBoxEditField, &choice);
    return textWidth(choice, choice.itemText(item)) <= field.width();
}

// The first of the font's families, installed, that has the letter: the one
// Qt draws it from. Empty when none has it and Fontconfig is left to find a
// stand-in, which for Urdu's ہ has drawn a Latin "o".
QString familyWriting(const QFont& font, char32_t letter) {
    static QHash<QString, QRawFont> faces;
    QStringList families = font.families();
    if (families.isEmpty()) families << font.family();
    for (const QString& family : std::as_const(families)) {
        if (!QFontDatabase::hasFamily(family)) continue;
        auto face = faces.find(family);
        if (face == faces.end()) face = faces.insert(family, QRawFont::fromFont(QFont(family)));
        if (face->supportsCharacter(letter)) return family;
    }
    return {};
}

// Why the font draws the text wrongly: a letter none of its families has, or
// a word whose letters come from two fonts and so lose their joins. Empty
// when it draws it whole.
QString unwritten(const QString& text, const QFont& font) {
    QTextBoundaryFinder words(QTextBoundaryFinder::Word, text);
    qsizetype start = 0;
    while (words.toNextBoundary() != -1) {
        const QString word = text.mid(start, words.position() - start);
        start = words.position();
        QString wordFamily;
        for (const char32_t letter : word.toUcs4()) {
            const QChar::Category category = QChar::category(letter);
            // Marks, digits and punctuation take the font of the letter beside them.
            if (category < QChar::Letter_Uppercase || category > QChar::Letter_Other) continue;
            const QString family = familyWriting(font, letter);
            if (family.isEmpty())
                return QStringLiteral("no font of its list writes \"%1\"")
                    .arg(QString::fromUcs4(&letter, 1));
            if (!wordFamily.isEmpty() && family != wordFamily)
                return QStringLiteral("\"%1\" drawn from %2 and %3").arg(word, wordFamily, family);
            wordFamily = family;
        }
    }
    return {};
}

bool hasLetters(const QString& text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetter(); });
}

// A web address is the same in every language.
bool isAddress(const QString& text) {
    return text.contains(QLatin1String("://")) || text.startsWith(QLatin1String("www."));
}

// What a translation into another script keeps in Latin letters: a single
// letter (an access key, "(&O)"), the names of keys as printed on them
// ("Ctrl+Q", "Page Up", "F5") and units of measure.
bool keptInLatin(const QString& word) {
    static const QSet<QString> kept{
        QStringLiteral("Ctrl"),   QStringLiteral("Shift"), QStringLiteral("Alt"),
        QStringLiteral("Meta"),   QStringLiteral("Esc"),   QStringLiteral("Enter"),
        QStringLiteral("Return"), QStringLiteral("Tab"),   QStringLiteral("Page"),
        QStringLiteral("Up"),     QStringLiteral("Down"),  QStringLiteral("Home"),
        QStringLiteral("End"),    QStringLiteral("KiB")};
    static const QRegularExpression functionKey(QStringLiteral(R"(^F\d{1,2}$)"));
    return word.size() == 1 || kept.contains(word) || functionKey.match(word).hasMatch();
}

}  // namespace

void TextCheck::checkNoEnglishWord(const QString& place, const QString& text) {
    static const QRegularExpression spaces(QStringLiteral(R"(\s+)"));
    static const QRegularExpression notLatin(QStringLiteral("[^A-Za-z]+"));
    for (const QString& token : text.split(spaces, Qt::SkipEmptyParts)) {
        // A file's path is the file system's.
        if (token.contains(QLatin1Char('/')) || token.contains(QLatin1Char('\\'))) continue;
        for (const QString& word : token.split(notLatin, Qt::SkipEmptyParts)) {
            if (!keptInLatin(word) && !ownWords_.contains(word)) {
                problems_
                    << QStringLiteral("%1: English word \"%2\" in \"%3\"").arg(place, word, text);
                return;
            }
        }
    }
}

void TextCheck::checkNoLatinDigit(const QString& place, const QString& text) {
    static const QRegularExpression spaces(QStringLiteral(R"(\s+)"));
    static const QRegularExpression keyName(QStringLiteral(R"(^\W*(?:\w+\+)*F\d{1,2}\W*$)"));
    for (const QString& token : text.split(spaces, Qt::SkipEmptyParts)) {
        // A file's path is the file system's, a key's name is printed on it.
        if (token.contains(QLatin1Char('/')) || token.contains(QLatin1Char('\\')) ||
            keyName.match(token).hasMatch() || ownWords_.contains(token))
            continue;
        if (std::any_of(token.begin(), token.end(),
                        [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); })) {
            problems_ << QStringLiteral("%1: Latin digits in \"%2\"").arg(place, text);
            return;
        }
    }
}

void TextCheck::checkTranslated(const QString& place, const QString& text) {
    // An argument a translation mangled, or a count a text has no plural
    // forms for, shows as written.
    static const QRegularExpression unfilled(QStringLiteral(R"(%(\d|L|n\b))"));
    if (text.contains(unfilled))
        problems_ << QStringLiteral("%1: argument left unfilled: \"%2\"").arg(place, text);
    if (text.isEmpty() || !hasLetters(text) || ownWords_.contains(text) || isAddress(text)) return;
    if (latinIsForeign_) checkNoEnglishWord(place, text);
    if (latinDigitsAreForeign_) checkNoLatinDigit(place, text);
    if (!untranslated_) return;
    // The pseudo-translation brackets every message; a text built from
    // several holds several brackets, one glued from pieces holds text
    // outside them.
    QString outside;
    int depth = 0;
    for (QChar c : text) {
        if (c == QLatin1Char('[')) {
            ++depth;
        } else if (c == QLatin1Char(']')) {
            depth = std::max(0, depth - 1);
        } else if (depth == 0) {
            outside += c;
        }
    }
    for (const QString& word :
         outside.split(QRegularExpression(QStringLiteral(R"([^\w&]+)")), Qt::SkipEmptyParts)) {
        if (hasLetters(word) && !ownWords_.contains(word)) {
            problems_ << QStringLiteral("%1: not translated: \"%2\"").arg(place, text);
            return;
        }
    }
}

void TextCheck::check(QWidget& screen, const QString& screenName) {
    screen.show();
    QApplication::processEvents();
    checkTranslated(screenName + QStringLiteral(" title"), screen.windowTitle());
    checkPart(screen, screenName);
    screen.hide();
}

void TextCheck::checkPart(QWidget& part, const QString& screenName) {
    for (QWidget* widget : part.findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(&part)) continue;
        const QString place =
            screenName + QLatin1Char('/') +
            (widget->objectName().isEmpty() ? QString::fromLatin1(widget->metaObject()->className())
                                            : widget->objectName());
        // What the player typed is his own.
        if (qobject_cast<QLineEdit*>(widget)) continue;
        checkTranslated(place + QStringLiteral(" tooltip"), widget->toolTip());
        checkWritten(place + QStringLiteral(" tooltip"), widget->toolTip(), QToolTip::font());
        checkTranslated(place + QStringLiteral(" accessible name"), widget->accessibleName());
        checkTranslated(place + QStringLiteral(" accessible description"),
                        widget->accessibleDescription());
        QString text;
        bool fits = true;
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            text = label->text();
            if (text.isEmpty() || Qt::mightBeRichText(text)) continue;
            fits = labelFits(*label);
            // A caption elided to its place (look::fitCaption) is the last
            // resort for a pseudo-translation, never the way a shipped
            // language reads.
            if (!untranslated_ && label->property(look::fullTextProperty).isValid())
                problems_ << QStringLiteral("%1: elided: \"%2\"").arg(place, text);
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            text = button->text();
            if (qobject_cast<QCheckBox*>(button) || qobject_cast<QRadioButton*>(button)) {
                fits = indicatedButtonFits(*button);
                // A choice's sentence elided to its place, as the auto-save
                // box's is where a translation runs long, is as cut as a
                // caption elided.
                if (!untranslated_ && text.endsWith(QChar(0x2026)))
                    problems_ << QStringLiteral("%1: elided: \"%2\"").arg(place, text);
            } else {
                // Drawn centred inside a one-pixel frame.
                fits = textWidth(*button, withoutMnemonic(text)) <= button->width() - 2;
            }
        } else if (auto* frame = dynamic_cast<TitledFrame*>(widget)) {
            text = frame->title();
            // Drawn 8 pixels in, with 2 pixels of navy either side.
            fits = textWidth(*frame, text) + 8 + 4 + 8 <= frame->width();
        } else if (auto* tabs = qobject_cast<QTabBar*>(widget)) {
            for (int tab = 0; tab < tabs->count(); ++tab)
                checkShown(QStringLiteral("%1 tab %2").arg(place).arg(tab), tabs->tabText(tab),
                           tabFits(*tabs, tab));
            // Its scroll buttons, which show once the window is too narrow
            // for its tabs.
            for (const QAbstractButton* scroll : tabs->findChildren<QAbstractButton*>())
                checkTranslated(
                    QStringLiteral("%1/%2 accessible name").arg(place, scroll->objectName()),
                    scroll->accessibleName());
            continue;
        } else if (auto* headings = qobject_cast<QHeaderView*>(widget)) {
            for (int section = 0; section < headings->count(); ++section) {
                if (headings->isSectionHidden(section)) continue;
                checkShown(
                    QStringLiteral("%1 heading %2").arg(place).arg(section),
                    headings->model()->headerData(section, headings->orientation()).toString(),
                    headingFits(*headings, section));
            }
            continue;
        } else if (auto* view = qobject_cast<QAbstractItemView*>(widget)) {
            checkCells(place, *view);
            continue;
        } else if (auto* drawing = qobject_cast<QGraphicsView*>(widget)) {
            checkDrawnTexts(place, *drawing);
            continue;
        } else if (auto* choice = qobject_cast<QComboBox*>(widget)) {
            for (int item = 0; item < choice->count(); ++item)
                checkShown(QStringLiteral("%1 choice %2").arg(place).arg(item),
                           choice->itemText(item), choiceFits(*choice, item));
            continue;
        } else {
            continue;
        }
        checkWritten(place, text, widget->font());
        checkShown(place, text, fits);
    }
}

void TextCheck::checkWritten(const QString& place, const QString& text, const QFont& font) {
    const QString why = unwritten(text, font);
    if (!why.isEmpty())
        problems_ << QStringLiteral("%1: not drawn whole: %2 in \"%3\"").arg(place, why, text);
}

// Every cell of a table or list, in sight or scrolled away, and of a tree's
// items opened, shows its whole text in its column: the style elides a text wider than the
// cell less a margin either side, and a tree's first column starts past the
// indentation of the item's depth. One cut cell is told for each column.
void TextCheck::checkCells(const QString& place, const QAbstractItemView& view) {
    const QAbstractItemModel* model = view.model();
    const auto* tree = qobject_cast<const QTreeView*>(&view);
    const auto* table = qobject_cast<const QTableView*>(&view);
    const QHeaderView* headings =
        tree ? tree->header() : (table ? table->horizontalHeader() : nullptr);
    if (!model || !headings) return;
    const int margins =
        2 * (view.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &view) + 1);
    const QFontMetrics viewMetrics(view.font());
    const int treeColumn = tree ? headings->logicalIndex(std::max(0, tree->treePosition())) : -1;
    std::vector<bool> told(static_cast<std::size_t>(model->columnCount()), false);
    const std::function<void(const QModelIndex&, int)> walk = [&](const QModelIndex& parent,
                                                                  int depth) {
        for (int row = 0; row < model->rowCount(parent); ++row) {
            for (int column = 0; column < model->columnCount(parent); ++column) {
                const auto at = static_cast<std::size_t>(column);
                if (at >= told.size() || told[at] || headings->isSectionHidden(column)) continue;
                const QModelIndex index = model->index(row, column, parent);
                const QString text = index.data(Qt::DisplayRole).toString();
                if (text.isEmpty()) continue;
                const QVariant font = index.data(Qt::FontRole);
                int needed = (font.isValid() ? QFontMetrics(font.value<QFont>()) : viewMetrics)
                                 .horizontalAdvance(text) +
                             margins;
                if (column == treeColumn)
                    needed += tree->indentation() * (depth + (tree->rootIsDecorated() ? 1 : 0));
                if (needed <= headings->sectionSize(column)) continue;
                told[at] = true;
                problems_ << QStringLiteral("%1 row %2 column %3: cut off: \"%4\"")
                                 .arg(place)
                                 .arg(row)
                                 .arg(column)
                                 .arg(text);
            }
            const QModelIndex item = model->index(row, 0, parent);
            if (tree && tree->isExpanded(item)) walk(item, depth + 1);
        }
    };
    walk(QModelIndex(), 0);
}

// A chart's texts (its axes' figures and titles, its legend) are laid out
// by Qt Charts, which cuts one it has no room for to "...".
void TextCheck::checkDrawnTexts(const QString& place, const QGraphicsView& drawing) {
    if (drawing.scene() == nullptr) return;
    for (const QGraphicsItem* item : drawing.scene()->items()) {
        const auto* text = dynamic_cast<const QGraphicsTextItem*>(item);
        if (text == nullptr || !text->isVisible()) continue;
        const QString shown = text->toPlainText();
        if (shown.contains(QStringLiteral("...")) || shown.contains(QChar(0x2026)))
            problems_ << QStringLiteral("%1: drawn cut off: \"%2\"").arg(place, shown);
    }
}

void TextCheck::checkShown(const QString& place, const QString& text, bool fits) {
    checkTranslated(place, text);
    if (!fits) problems_ << QStringLiteral("%1: cut off: \"%2\"").arg(place, text);
}
