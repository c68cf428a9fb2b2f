// The list save options: how "保存" writes the paths of a list file.
#include "qt/ListSaveOptionsDlg.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace felux {

ListSaveOptionsDlg::ListSaveOptionsDlg(int mode, QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("ﾀﾞｲｱﾛｸﾞ"));
    auto* group = new QGroupBox(tr("リストファイルの保存設定"));
    auto* column = new QVBoxLayout(group);
    // Check boxes that behave as one choice: a click checks one and unchecks the others.
    auto* exclusive = new QButtonGroup(this);
    exclusive->setExclusive(true);
    const std::array<QString, 3> captions = {tr("対象ファイルを絶対パスで保存（デフォルト）"),
                                             tr("対象ファイルをドライブ指定無しで保存"),
                                             tr("対象ファイルを相対パスで保存")};
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        boxes_[i] = new QCheckBox(captions[i]);
        boxes_[i]->setObjectName(QStringLiteral("mode%1").arg(i));
        exclusive->addButton(boxes_[i], static_cast<int>(i));
        column->addWidget(boxes_[i]);
    }
    boxes_[static_cast<std::size_t>(std::clamp(mode, 0, 2))]->setChecked(true);

    auto* buttons = new QDialogButtonBox;
    buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(tr("ｷｬﾝｾﾙ"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

int ListSaveOptionsDlg::Mode() const {
    for (std::size_t i = 0; i < boxes_.size(); ++i)
        if (boxes_[i]->isChecked()) return static_cast<int>(i);
    return 0;
}

std::optional<int> ListSaveOptionsDlg::Ask(int mode, QWidget* parent) {
    ListSaveOptionsDlg dialog(mode, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.Mode();
}

}  // namespace felux
