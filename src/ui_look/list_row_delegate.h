#pragma once
// Draws the rows of a list as the style does, with room above and below
// each row's text so the rows read apart.

#include <QStyledItemDelegate>

class ListRowDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
};
