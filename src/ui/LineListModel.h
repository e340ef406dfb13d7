#pragma once

#include <QAbstractListModel>
#include <QByteArray>
#include <QList>
#include <QSize>
#include <QStringList>

namespace dp {

// The lines of a large list, held compactly: Windows-1252 bytes back to back plus the end
// offset of each line, decoded only when a line is shown. Used with a QListView with
// uniform item sizes, so a list of a million lines stays light and quick.
class LineListModel final : public QAbstractListModel {
    Q_OBJECT
  public:
    explicit LineListModel(QObject* parent = nullptr);

    // ends[i] is the offset just past line i in text.
    void setLines(QByteArray text, QList<qsizetype> ends);
    void setLines(const QStringList& lines);
    void clear();

    // The size of every item (the width gives the horizontal scroll range).
    void setItemSize(const QSize& size);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    QString line(int row) const;
    QStringList lines() const;
    // Whether the line, its ASCII letters lower-cased, contains `lowerKey1252` (a key already
    // lower-cased and in Windows-1252). An empty key is never contained.
    bool lineContains(int row, const QByteArray& lowerKey1252) const;

  private:
    qsizetype begin(int row) const { return row == 0 ? 0 : m_ends[row - 1]; }

    QByteArray m_text;
    QList<qsizetype> m_ends;
    QSize m_itemSize;
};

} // namespace dp
