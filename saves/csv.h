// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <vector>

// Comma-separated values as the game's files hold them (the history and the
// hall of fame): fields separated by commas, records ended by LF or CR LF; a
// field in quotes may hold commas, quotes (doubled) and line ends. The
// writer and the reader are one pair, so whatever one writes the other
// reads.

// Appends the UTF-8 text as one field: in quotes when it holds a comma, a
// quote or a line end, or always when asked. A text a spreadsheet opening
// the file would take for a formula (one that starts with =, +, -, @, a tab
// or a carriage return: "=cmd|' /C calc'!A0" as a player's name) is
// written after an apostrophe, which spreadsheets show as text.
void appendCsvText(QByteArray& line, QByteArrayView text, bool alwaysQuoted = false);

// A text field as read, without the apostrophe the writer put before a
// formula. A text that itself starts with an apostrophe before one of
// those gains one more when written, so every text reads back as it was.
QByteArrayView withoutFormulaGuard(QByteArrayView field);

// One record split into its fields, quotes taken off. A field that held
// doubled quotes is kept unescaped in storage of its own.
class CsvRecord {
  public:
    // A record of the file's columns; one of more is malformed.
    explicit CsvRecord(int columns)
        : fields(static_cast<std::size_t>(columns)), unescaped(fields.size()) {}

    std::vector<QByteArrayView> fields;
    int count = 0;
    // Too many fields, or a quote where CSV allows none.
    bool malformed = false;

    void add(QByteArrayView field);
    void addUnescaped(QByteArrayView quoted);

  private:
    std::vector<QByteArray> unescaped;
};

// Reads records from the bytes, each at most the bound long outside quotes:
// a longer one is refused without looking at the rest of it byte by byte.
class CsvReader {
  public:
    CsvReader(QByteArrayView bytes, qsizetype maxRecordBytes)
        : at_(bytes.data()), end_(bytes.data() + bytes.size()), maxRecordBytes_(maxRecordBytes) {}

    bool atEnd() const { return at_ == end_; }
    // Where reading stands, and where the last record began: the bytes of a
    // record cut off by the end are those from its start.
    const char* position() const { return at_; }
    const char* recordStart() const { return start_; }

    // The next record; false when the bytes end before its line end (a
    // record being appended when the game stopped).
    bool next(CsvRecord& record);

    // The last record ran over more than one line, inside quotes.
    bool spansLines() const { return spansLines_; }

    // Takes up reading again after the first line of the last record: a
    // quote that opened a field by mistake then costs that line alone, not
    // every line up to the next quote.
    void resumeAfterFirstLine();

  private:
    bool readQuoted(CsvRecord& record);
    bool endsLine();
    bool skipLine();

    const char* at_;
    const char* end_;
    qsizetype maxRecordBytes_;
    const char* start_ = nullptr;
    bool spansLines_ = false;
};
