#pragma once

#include "storage/Record.h"
#include "storage/RecordLayout.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <initializer_list>

namespace dp::search {

// One piece of a fixed-width list line.
struct LinePiece {
    enum Kind {
        Literal, // the text as it is
        Fit,     // the field trimmed, padded with blanks or cut to `width`
        Whole,   // the field trimmed, whole
        FitPair  // field and field2 trimmed, joined by one blank, padded or cut to `width`
    };
    Kind kind;
    const char* text = nullptr;
    int field = -1;
    int field2 = -1;
    int width = 0;
};

constexpr LinePiece lit(const char* text) {
    return {LinePiece::Literal, text};
}
constexpr LinePiece fit(int field, int width) {
    return {LinePiece::Fit, nullptr, field, -1, width};
}
constexpr LinePiece whole(int field) {
    return {LinePiece::Whole, nullptr, field};
}
constexpr LinePiece fitPair(int field, int field2, int width) {
    return {LinePiece::FitPair, nullptr, field, field2, width};
}

// How one record becomes one line of a list: pieces one after the other, nothing between.
// Lines are written as Windows-1252 bytes straight from the record's bytes.
class LineFormat {
  public:
    LineFormat(const RecordLayout& layout, std::initializer_list<LinePiece> pieces);

    const RecordLayout& layout() const { return m_layout; }
    // The longest line this format can give, in bytes.
    qsizetype maxBytes() const { return m_maxBytes; }
    // Appends the record's line to `out`.
    void append(const char* record, QByteArray& out) const;
    QString line(const RecordView& record) const;

  private:
    struct Piece {
        LinePiece def;
        QByteArray bytes; // a literal, already in Windows-1252
    };
    const RecordLayout& m_layout;
    QList<Piece> m_pieces;
    qsizetype m_maxBytes = 0;
};

} // namespace dp::search
