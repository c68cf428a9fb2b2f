// The editor's in-place edit of a segment entry's title (F2): the core keeps and shows the title.
#include "qt/TitleEditDelegate.h"

#include <QLineEdit>
#include <optional>
#include <string>

#include "player/Player.h"

namespace felux {

QWidget* TitleEditDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const {
    if (index.row() < 0 || !player_.View().Editor().EditableTitle(static_cast<std::size_t>(index.row()))) return nullptr;
    return new QLineEdit(parent);
}

void TitleEditDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    const std::optional<std::string> title = player_.View().Editor().EditableTitle(static_cast<std::size_t>(index.row()));
    if (auto* field = qobject_cast<QLineEdit*>(editor); field && title)
        field->setText(QString::fromUtf8(title->data(), static_cast<qsizetype>(title->size())));
}

void TitleEditDelegate::setModelData(QWidget* editor, QAbstractItemModel*, const QModelIndex& index) const {
    auto* field = qobject_cast<QLineEdit*>(editor);
    if (!field || index.row() < 0) return;
    const QByteArray text = field->text().toUtf8();
    player_.Command(EditTitle{static_cast<std::size_t>(index.row()),
                              std::string(text.constData(), static_cast<std::size_t>(text.size()))});
}

}  // namespace felux
