#include "search/LineFormat.h"

#include "storage/Win1252.h"
#include "summaries/ListLines.h"

namespace dp::search {

using summaries::appendFitted;
using summaries::appendTrimmed;
using summaries::FieldBytes;
using summaries::trimmedBytes;

LineFormat::LineFormat(const RecordLayout& layout, std::initializer_list<LinePiece> pieces)
    : m_layout(layout) {
    for (const LinePiece& p : pieces) {
        Piece piece{p, {}};
        switch (p.kind) {
        case LinePiece::Literal:
            piece.bytes = win1252::encode(QString::fromUtf8(p.text));
            m_maxBytes += piece.bytes.size();
            break;
        case LinePiece::Fit:
        case LinePiece::FitPair:
            m_maxBytes += p.width;
            break;
        case LinePiece::Whole:
            m_maxBytes += layout.width(p.field);
            break;
        }
        m_pieces.append(piece);
    }
}

void LineFormat::append(const char* record, QByteArray& out) const {
    for (const Piece& piece : m_pieces) {
        const LinePiece& p = piece.def;
        switch (p.kind) {
        case LinePiece::Literal:
            out.append(piece.bytes);
            break;
        case LinePiece::Fit:
            appendFitted(out, record + m_layout.offset(p.field), m_layout.width(p.field), p.width);
            break;
        case LinePiece::Whole:
            appendTrimmed(out, record + m_layout.offset(p.field), m_layout.width(p.field));
            break;
        case LinePiece::FitPair: {
            // The joined text is not trimmed again: an empty first field leaves a leading blank.
            const FieldBytes a =
                trimmedBytes(record + m_layout.offset(p.field), m_layout.width(p.field));
            const FieldBytes b =
                trimmedBytes(record + m_layout.offset(p.field2), m_layout.width(p.field2));
            const qsizetype start = out.size();
            out.append(a.data, a.size).append(' ').append(b.data, b.size);
            const qsizetype n = out.size() - start;
            if (n > p.width)
                out.truncate(start + p.width);
            else
                out.append(p.width - n, ' ');
            break;
        }
        }
    }
}

QString LineFormat::line(const RecordView& record) const {
    QByteArray bytes;
    append(record.data(), bytes);
    return win1252::decode(bytes.constData(), bytes.size());
}

} // namespace dp::search
