// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/look.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QPalette>
#include <QVariant>
#include <QWidget>
#include <algorithm>

namespace look {

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
    // Latin letters come from the first family that has them; Devanagari,
    // which none of the Latin families draws, from Noto Sans Devanagari
    // (Debian's fonts-noto-core), which has a real bold.
    f.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"),
                   QStringLiteral("Noto Sans Devanagari"), QStringLiteral("Liberation Sans"),
                   QStringLiteral("Sans Serif")});
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(pixelSize + textSizeStep());
    f.setBold(bold);
    return f;
}

namespace {

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

}  // namespace

void setUpWindow(QWidget* window, const QString& title, int widthTwips, int heightTwips) {
    paintWindow(window, title);
    window->setFixedSize(px(widthTwips), px(heightTwips));
}

void setUpResizableWindow(QWidget* window, const QString& title, int widthTwips, int heightTwips) {
    paintWindow(window, title);
    window->resize(px(widthTwips), px(heightTwips));
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
    palette.setColor(QPalette::Light, QColor(96, 96, 160));
    palette.setColor(QPalette::Midlight, QColor(64, 64, 136));
    palette.setColor(QPalette::Mid, QColor(48, 48, 120));
    palette.setColor(QPalette::Dark, QColor(24, 24, 80));
    palette.setColor(QPalette::Shadow, Qt::black);
    widget->setPalette(palette);
}

QLabel* caption(QWidget* parent, const QString& objectName, const QString& text,
                const QColor& colour, QRect geometry) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(objectName);
    label->setFont(font(true));
    label->setGeometry(geometry);
    label->setTextFormat(Qt::PlainText);
    setTextColour(label, colour);
    fitCaption(label);
    return label;
}

void fitCaption(QLabel* label) {
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
    label->setAlignment(alignment | Qt::AlignVCenter);
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
