// SPDX-License-Identifier: GPL-3.0-or-later
#include "saves/file_names.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

QString stemOf(const QString& path, const QString& ending) {
    return path.endsWith(ending, Qt::CaseInsensitive) ? path.chopped(ending.size()) : path;
}

QString endingOf(const QString& path, const QString& ending) {
    return path.endsWith(ending, Qt::CaseInsensitive) ? path.right(ending.size()) : QString();
}

const QString setAsideMark = QStringLiteral(".old-");

}  // namespace

QString saveFilePath(const QString& folder, const QString& fileName) {
    return folder + QLatin1Char('/') + fileName;
}

QString historyFilePath(const QString& saveFilePath) {
    return stemOf(saveFilePath, saveFileEnding) + historyFileEnding;
}

QString lockFilePath(const QString& saveFilePath) {
    return saveFilePath + QStringLiteral(".lock");
}

QString cardPicturePath(const QString& saveFilePath) {
    const QFileInfo save(saveFilePath);
    return save.dir().filePath(save.completeBaseName() + QStringLiteral(".card.png"));
}

QString cardPictureOfItsOwn(const QString& saveFilePath, const QDateTime& when, int n) {
    QString name = stemOf(cardPicturePath(saveFilePath), setAsideCardEnding) + QLatin1Char('-') +
                   when.toString(QStringLiteral("yyyyMMdd-HHmmss"));
    if (n > 1) name += QLatin1Char('-') + QString::number(n);
    return name + setAsideCardEnding;
}

QString hallOfFamePath(const QString& savesFolder) {
    return QDir(savesFolder).filePath(QStringLiteral("hall_of_fame.csv"));
}

QString temporaryFilePattern(const QString& path) {
    const QFileInfo target(path);
    return target.absolutePath() + QStringLiteral("/.") + target.fileName() +
           QStringLiteral(".XXXXXX");
}

bool isTemporaryFileName(const QString& fileName) {
    // QTemporaryFile puts six letters and digits in place of the XXXXXX.
    static const QRegularExpression temporary(
        QStringLiteral(R"(^\.(.+\.(bsg|csv|png)|probe)\.[A-Za-z0-9]{6}$)"),
        QRegularExpression::CaseInsensitiveOption);
    return temporary.match(fileName).hasMatch();
}

QString setAsideName(const QString& path, const QString& ending, const QDateTime& when, int n) {
    QString name =
        stemOf(path, ending) + setAsideMark + when.toString(QStringLiteral("yyyyMMdd-HHmmss"));
    if (n > 1) name += QLatin1Char('-') + QString::number(n);
    return name + endingOf(path, ending);
}

std::optional<QString> setAsideFrom(const QString& fileName) {
    static const QRegularExpression setAside(QStringLiteral(R"(^(.+)\.old-\d{8}-\d{6}(-\d+)?)") +
                                             QRegularExpression::escape(saveFileEnding) +
                                             QLatin1Char('$'));
    const QRegularExpressionMatch match = setAside.match(fileName);
    if (!match.hasMatch()) return std::nullopt;
    return match.captured(1) + saveFileEnding;
}

bool isSetAsideNameOf(const QString& fileName, const QString& path, const QString& ending) {
    const QString stem = stemOf(QFileInfo(path).fileName(), ending) + setAsideMark;
    return fileName.startsWith(stem) && fileName.endsWith(ending, Qt::CaseInsensitive) &&
           fileName.size() > stem.size() + ending.size();
}
