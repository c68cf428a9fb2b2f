// The editor's in-place edit of a segment entry's title (F2): the core keeps and shows the title.
#pragma once

#include <QStyledItemDelegate>

namespace felux {

class Player;

class TitleEditDelegate : public QStyledItemDelegate {
public:
    TitleEditDelegate(Player& player, QObject* parent) : QStyledItemDelegate(parent), player_(player) {}

    // None for an entry without an editable title: the line stays as it is.
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    // The title goes to the core, which shows the line anew; the line's text is never the edit's.
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

private:
    Player& player_;
};

}  // namespace felux
