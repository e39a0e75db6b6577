// SPDX-License-Identifier: GPL-3.0-or-later
#include "saves/csv.h"

#include <algorithm>
#include <cstring>

namespace {

bool guardedOnWriting(QByteArrayView text) {
    while (text.startsWith('\'')) text = text.sliced(1);
    if (text.isEmpty()) return false;
    const char first = text.front();
    return first == '=' || first == '+' || first == '-' || first == '@' || first == '\t' ||
           first == '\r';
}

}  // namespace

QByteArrayView withoutFormulaGuard(QByteArrayView field) {
    return field.startsWith('\'') && guardedOnWriting(field.sliced(1)) ? field.sliced(1) : field;
}

void appendCsvText(QByteArray& line, QByteArrayView text, bool alwaysQuoted) {
    const bool needsQuotes = alwaysQuoted || text.contains(',') || text.contains('"') ||
                             text.contains('\n') || text.contains('\r');
    const bool guarded = guardedOnWriting(text);
    if (!needsQuotes) {
        if (guarded) line += '\'';
        line += text;
        return;
    }
    line += '"';
    if (guarded) line += '\'';
    for (const char c : text) {
        if (c == '"') line += '"';
        line += c;
    }
    line += '"';
}

void CsvRecord::add(QByteArrayView field) {
    if (count == static_cast<int>(fields.size())) {
        malformed = true;
        return;
    }
    fields[static_cast<std::size_t>(count++)] = field;
}

void CsvRecord::addUnescaped(QByteArrayView quoted) {
    if (count == static_cast<int>(fields.size())) {
        malformed = true;
        return;
    }
    QByteArray& storage = unescaped[static_cast<std::size_t>(count)];
    storage.clear();
    for (qsizetype i = 0; i < quoted.size(); ++i) {
        storage += quoted[i];
        if (quoted[i] == '"') ++i;  // the second of a doubled quote
    }
    fields[static_cast<std::size_t>(count++)] = storage;
}

bool CsvReader::next(CsvRecord& record) {
    record.count = 0;
    record.malformed = false;
    start_ = at_;
    spansLines_ = false;
    for (;;) {
        if (at_ == end_) return false;
        if (*at_ == '"') {
            if (!readQuoted(record)) return false;
            if (at_ == end_) return false;
            if (*at_ == ',') {
                ++at_;
                continue;
            }
            if (endsLine()) return true;
            // Text after the closing quote: the rest of the line is lost.
            record.malformed = true;
            return skipLine();
        }
        const char* const fieldStart = at_;
        // No record the game writes is longer; one that is, is refused
        // without looking at the rest of it byte by byte.
        const qsizetype room = std::max<qsizetype>(0, maxRecordBytes_ - (at_ - start_));
        const char* const stop = at_ + std::min<qsizetype>(end_ - at_, room);
        while (at_ != stop && *at_ != ',' && *at_ != '\n') {
            if (*at_ == '"') record.malformed = true;
            ++at_;
        }
        if (at_ == end_) return false;
        if (at_ == stop) {
            record.malformed = true;
            return skipLine();
        }
        if (*at_ == ',') {
            record.add(QByteArrayView(fieldStart, at_ - fieldStart));
            ++at_;
            continue;
        }
        const char* fieldEnd = at_;
        if (fieldEnd != fieldStart && fieldEnd[-1] == '\r') --fieldEnd;
        record.add(QByteArrayView(fieldStart, fieldEnd - fieldStart));
        ++at_;
        return true;
    }
}

void CsvReader::resumeAfterFirstLine() {
    const char* lineEnd = static_cast<const char*>(std::memchr(start_, '\n', end_ - start_));
    at_ = lineEnd == nullptr ? end_ : lineEnd + 1;
}

// A field in quotes, from its opening quote to just past its closing one;
// false when the bytes end inside it.
bool CsvReader::readQuoted(CsvRecord& record) {
    const char* const opened = ++at_;
    bool doubled = false;
    for (;;) {
        const char* quote = static_cast<const char*>(std::memchr(at_, '"', end_ - at_));
        if (quote == nullptr) {
            spansLines_ = spansLines_ || std::memchr(at_, '\n', end_ - at_) != nullptr;
            at_ = end_;
            return false;
        }
        if (quote + 1 < end_ && quote[1] == '"') {
            doubled = true;
            at_ = quote + 2;
            continue;
        }
        const QByteArrayView field(opened, quote - opened);
        spansLines_ = spansLines_ || field.contains('\n');
        doubled ? record.addUnescaped(field) : record.add(field);
        at_ = quote + 1;
        return true;
    }
}

// At LF or CR LF after a closing quote: steps past it.
bool CsvReader::endsLine() {
    if (*at_ == '\n') {
        ++at_;
        return true;
    }
    if (*at_ == '\r' && at_ + 1 < end_ && at_[1] == '\n') {
        at_ += 2;
        return true;
    }
    return false;
}

bool CsvReader::skipLine() {
    const char* lineEnd = static_cast<const char*>(std::memchr(at_, '\n', end_ - at_));
    at_ = lineEnd == nullptr ? end_ : lineEnd + 1;
    return lineEnd != nullptr;
}
