#include "search/LineFormat.h"

#include "storage/Win1252.h"

#include <cstring>

namespace dp::search {

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

void LineFormat::write(summaries::LineWriter& w, const char* record) const {
    for (const Piece& piece : m_pieces) {
        const LinePiece& p = piece.def;
        switch (p.kind) {
        case LinePiece::Literal:
            w.literal(piece.bytes.constData(), piece.bytes.size());
            break;
        case LinePiece::Fit:
            w.fitField(record + m_layout.offset(p.field), m_layout.width(p.field), p.width);
            break;
        case LinePiece::Whole:
            w.trimmedField(record + m_layout.offset(p.field), m_layout.width(p.field));
            break;
        case LinePiece::FitPair: {
            // The joined text is not trimmed again: an empty first field leaves a leading blank.
            const FieldBytes a =
                trimmedBytes(record + m_layout.offset(p.field), m_layout.width(p.field));
            const FieldBytes b =
                trimmedBytes(record + m_layout.offset(p.field2), m_layout.width(p.field2));
            char joined[2 * 256 + 1];
            std::memcpy(joined, a.data, size_t(a.size));
            joined[a.size] = ' ';
            std::memcpy(joined + a.size + 1, b.data, size_t(b.size));
            const int n = a.size + 1 + b.size;
            const int kept = qMin(n, p.width);
            w.literal(joined, kept);
            for (int i = kept; i < p.width; ++i)
                w.literal(" ", 1);
            break;
        }
        }
    }
    w.endLine();
}

QString LineFormat::line(const RecordView& record) const {
    summaries::ListLines one;
    {
        summaries::LineWriter w(one, 1, m_maxBytes);
        write(w, record.data());
    }
    return one.line(0);
}

} // namespace dp::search
