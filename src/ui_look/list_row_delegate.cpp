#include "ui_look/list_row_delegate.h"

namespace {
constexpr int kRowPadding = 3; // pixels above and below the text
}

QSize ListRowDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    return QStyledItemDelegate::sizeHint(option, index) + QSize(0, 2 * kRowPadding);
}
