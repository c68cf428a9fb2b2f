// The dialog that edits the ten aspect presets.
#include "qt/AspectDlg.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "settings/PlayerSettings.h"

namespace felux {
namespace {

constexpr int kBoxesPerRow = 5;
constexpr int kBoxWidth = 80;

QString BoxLabel(int index) {
    // The boxes follow the number keys: 1 .. 9, then 0.
    return QStringLiteral("[ %1 ]").arg((index + 1) % kAspectPresetCount);
}

}  // namespace

AspectDlg::AspectDlg(const AspectPresetList& presets, QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("アスペクト比の設定"));

    auto* hint = new QLabel(tr("比率の場合は : 解像度指定の場合は * を数値の間に挟んで下さい [例]320*240"));
    hint->setObjectName(QStringLiteral("hint"));

    // ';' ends an entry in the stored list, so a box must not take one.
    auto* validator = new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[^;]*")), this);
    auto* grid = new QGridLayout;
    for (int i = 0; i < kAspectPresetCount; ++i) {
        auto* box = new QLineEdit(QString::fromStdString(presets[static_cast<std::size_t>(i)]));
        box->setObjectName(QStringLiteral("preset%1").arg(i));
        box->setMaxLength(kMaxEntryLength);
        box->setValidator(validator);
        box->setFixedWidth(kBoxWidth);
        auto* label = new QLabel(BoxLabel(i));
        label->setBuddy(box);
        const int row = i / kBoxesPerRow;
        const int column = (i % kBoxesPerRow) * 2;
        grid->addWidget(label, row, column, Qt::AlignRight);
        grid->addWidget(box, row, column + 1);
        boxes_[static_cast<std::size_t>(i)] = box;
    }

    auto* reset = new QPushButton(tr("初期化"));
    reset->setObjectName(QStringLiteral("reset"));
    reset->setAutoDefault(false);
    connect(reset, &QPushButton::clicked, this, &AspectDlg::ResetToDefaults);

    auto* buttons = new QDialogButtonBox;
    QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(reset);
    bottom->addStretch();
    bottom->addWidget(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(hint);
    layout->addLayout(grid);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

AspectPresetList AspectDlg::Presets() const {
    AspectPresetList out;
    for (std::size_t i = 0; i < boxes_.size(); ++i) out[i] = boxes_[i]->text().toStdString();
    return out;
}

// Fills the boxes only; nothing is kept unless the dialog ends with OK.
void AspectDlg::ResetToDefaults() {
    const AspectPresetList defaults = SplitAspectPresets(kDefaultAspectPresets);
    for (std::size_t i = 0; i < boxes_.size(); ++i) boxes_[i]->setText(QString::fromStdString(defaults[i]));
}

std::optional<std::string> AspectDlg::Edit(const std::string& list, QWidget* parent) {
    AspectDlg dialog(SplitAspectPresets(list), parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return JoinAspectPresets(dialog.Presets());
}

}  // namespace felux
