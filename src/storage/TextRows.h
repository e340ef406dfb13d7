#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

namespace dp {

// The lower-cased key of a filter or find, in Windows-1252. A key holding a character that
// no stored text can hold (outside Windows-1252) matches nothing: `representable` is false.
struct ByteKey {
    QByteArray bytes;
    bool representable = true;
};
ByteKey byteKey(QStringView lowerCasedText);
// Whether `key` occurs in the bytes with their ASCII letters lower-cased; an empty key never
// occurs.
bool containsFolded(const char* text, qsizetype size, const ByteKey& key);

// The rows of a list or grid as Windows-1252 text, one or more cells a row, made when asked
// for: either kept (lines built once) or built from records on demand. A list shows cell 0
// of each row; a grid shows every cell.
class TextRows {
  public:
    virtual ~TextRows() = default;

    virtual qsizetype count() const = 0;
    virtual int columnCount() const { return 1; }
    // Appends the bytes of one cell to `out` (which it does not clear). A row that cannot be
    // read (its file failed meanwhile) gives no bytes.
    virtual void cell(qsizetype row, int column, QByteArray& out) const = 0;
    // The same for a view that paints, which must never wait for a lock: false, with nothing
    // appended, when another program holds the row's file locked now; ask again later.
    virtual bool tryCell(qsizetype row, int column, QByteArray& out) const {
        cell(row, column, out);
        return true;
    }
    // A grid's column heading and alignment; a list has none.
    virtual QString header(int column) const;
    virtual Qt::Alignment alignment(int column) const;
    // No cell of the column is longer than this many characters; -1 when unknown. Lets a
    // printed list choose its font without reading every row.
    virtual qsizetype maxLength(int column) const;
    // Whether some row could not be read since the rows were made (its cells came out
    // empty): what is written from the rows must then not be taken for the archive.
    virtual bool failed() const { return false; }
    // Whether that failure was another workstation keeping the file locked.
    virtual bool busy() const { return false; }
    // A new walk over every row (an export, a print, a find) starts clean: forgets the
    // failures of the walks before.
    virtual void forgetFailure() const {}

    // Cell `column` of the row as text; line() is cell 0.
    QString cellText(qsizetype row, int column) const;
    QString line(qsizetype row) const { return cellText(row, 0); }
    // Whether cell 0 of the row contains the key (see containsFolded). `buffer` is reused
    // from one row to the next, so that a walk over every row keeps nothing.
    virtual bool contains(qsizetype row, const ByteKey& key, QByteArray& buffer) const;
};

} // namespace dp
