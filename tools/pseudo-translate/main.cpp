// SPDX-License-Identifier: GPL-3.0-or-later
// Writes a pseudo-translation of a .ts file: every message bracketed, its
// letters accented and the text made about 40% longer, with what the program
// relies on kept as it is (%1 and %n arguments, & access keys, file patterns,
// markup). Loaded into the game it shows at a glance which texts never reach
// a translator, which sentences are glued from pieces, and which texts do not
// fit their place once a language runs longer than English. Written right to
// left (--right-to-left), each message is embedded as right-to-left text and
// Qt's layout direction is "RTL": every screen is mirrored, as in Urdu.
//
// Usage: bailcrest_pseudo_translate [--right-to-left] INPUT.ts OUTPUT.ts

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QTextStream>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <cmath>

namespace {

QChar accented(QChar c) {
    static const QHash<QChar, QChar> accents = [] {
        const QString plain = QStringLiteral("aceinosuyzACEINOSUYZ");
        const QString marked = QStringLiteral("áçéîñöšüýžÁÇÉÎÑÖŠÜÝŽ");
        QHash<QChar, QChar> map;
        for (qsizetype i = 0; i < plain.size(); ++i) map.insert(plain[i], marked[i]);
        return map;
    }();
    return accents.value(c, c);
}

// Arguments (%1, %L2, %n, %Ln), file patterns ("*.bsg"), markup and the character
// after an access key's & pass through untouched.
const QRegularExpression& kept() {
    static const QRegularExpression pattern(
        QStringLiteral(R"(%L?\d+|%L?n|\*\.\w+|<[^>]*>|&&|&\w|&[a-z]+;)"));
    return pattern;
}

// The message by which Qt chooses the layout direction of every window.
const QString layoutDirection = QStringLiteral("QT_LAYOUT_DIRECTION");

QString pseudo(const QString& source, bool rightToLeft) {
    if (source.isEmpty()) return source;
    if (source == layoutDirection)
        return rightToLeft ? QStringLiteral("RTL") : QStringLiteral("LTR");
    QString text;
    qsizetype from = 0;
    int letters = 0;
    auto accentRun = [&](qsizetype end) {
        for (qsizetype i = from; i < end; ++i) {
            text += accented(source[i]);
            if (source[i].isLetter()) ++letters;
        }
    };
    for (const auto& match : kept().globalMatch(source)) {
        accentRun(match.capturedStart());
        text += match.captured();
        from = match.capturedEnd();
    }
    accentRun(source.size());
    // Long enough to be 40% longer than English with the brackets counted.
    static const QString padding = QStringLiteral("ŵîðé ŧéxŧ ŀöñĝéŕ ţĥáñ éñĝŀîšĥ ");
    const int extra = std::max(1, static_cast<int>(std::lround(source.size() * 0.4)) - 2);
    QString tail;
    for (int i = 0; i < extra; ++i) tail += padding[i % padding.size()];
    const QString bracketed =
        QStringLiteral("[") + text + QLatin1Char(' ') + tail.trimmed() + QStringLiteral("]");
    // Embedded right to left: the words run from the right, each word as
    // written, as English words do inside an Urdu sentence.
    if (rightToLeft) return QChar(0x202B) + bracketed + QChar(0x202C);
    return bracketed;
}

struct Message {
    QString source;
    QString comment;
    bool numerus = false;
    bool obsolete = false;
};

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    QStringList arguments = QCoreApplication::arguments().mid(1);
    const bool rightToLeft = arguments.removeAll(QStringLiteral("--right-to-left")) > 0;
    if (arguments.size() != 2) {
        QTextStream(stderr)
            << "Usage: bailcrest_pseudo_translate [--right-to-left] INPUT.ts OUTPUT.ts\n";
        return 2;
    }
    QFile input(arguments.at(0));
    QFile output(arguments.at(1));
    if (!input.open(QIODevice::ReadOnly) || !output.open(QIODevice::WriteOnly)) {
        QTextStream(stderr) << "Cannot open " << arguments.at(0) << " or " << arguments.at(1)
                            << '\n';
        return 1;
    }
    QXmlStreamReader reader(&input);
    QXmlStreamWriter writer(&output);
    writer.setAutoFormatting(true);
    writer.writeStartDocument();
    writer.writeDTD(QStringLiteral("<!DOCTYPE TS>"));
    writer.writeStartElement(QStringLiteral("TS"));
    writer.writeAttribute(QStringLiteral("version"), QStringLiteral("2.1"));
    // English plural rules: one form for 1, another for every other count.
    writer.writeAttribute(QStringLiteral("language"), QStringLiteral("en"));

    Message message;
    while (!reader.atEnd()) {
        reader.readNext();
        const auto name = reader.name();
        if (reader.isStartElement()) {
            if (name == QLatin1String("context")) {
                writer.writeStartElement(QStringLiteral("context"));
            } else if (name == QLatin1String("name")) {
                writer.writeTextElement(QStringLiteral("name"), reader.readElementText());
            } else if (name == QLatin1String("message")) {
                message = Message{};
                message.numerus =
                    reader.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
            } else if (name == QLatin1String("source")) {
                message.source = reader.readElementText();
            } else if (name == QLatin1String("comment")) {
                message.comment = reader.readElementText();
            } else if (name == QLatin1String("translation")) {
                const auto type = reader.attributes().value(QLatin1String("type"));
                message.obsolete =
                    type == QLatin1String("vanished") || type == QLatin1String("obsolete");
            }
        } else if (reader.isEndElement()) {
            if (name == QLatin1String("context")) {
                writer.writeEndElement();
            } else if (name == QLatin1String("message") && !message.obsolete) {
                writer.writeStartElement(QStringLiteral("message"));
                if (message.numerus)
                    writer.writeAttribute(QStringLiteral("numerus"), QStringLiteral("yes"));
                writer.writeTextElement(QStringLiteral("source"), message.source);
                if (!message.comment.isEmpty())
                    writer.writeTextElement(QStringLiteral("comment"), message.comment);
                writer.writeStartElement(QStringLiteral("translation"));
                const QString translation = pseudo(message.source, rightToLeft);
                if (message.numerus) {
                    for (int form = 0; form < 2; ++form)
                        writer.writeTextElement(QStringLiteral("numerusform"), translation);
                } else {
                    writer.writeCharacters(translation);
                }
                writer.writeEndElement();
                writer.writeEndElement();
            }
        }
    }
    writer.writeEndElement();
    writer.writeEndDocument();
    if (reader.hasError()) {
        QTextStream(stderr) << arguments.at(0) << ": " << reader.errorString() << '\n';
        return 1;
    }
    return 0;
}
