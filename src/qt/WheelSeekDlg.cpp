// The wheel seek dialog: the user step tables as eighteen fields for playing and eighteen for paused.
#include "qt/WheelSeekDlg.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "settings/WheelTableText.h"

namespace felux {
namespace {

// Compatibility forms, so full-width digits, '－' and '％' typed through an input method
// count as the plain characters the tables keep.
std::string FieldText(const QLineEdit* edit) {
    return edit->text().normalized(QString::NormalizationForm_KC).toStdString();
}

}  // namespace

int WheelSeekDlg::FieldId(int table, int side, int step) {
    if (table == 0 && side == 0) return step == 1 ? 1137 : 1172 + step;
    if (table == 0) return 1182 + step;
    return side == 0 ? 1191 + step : 1200 + step;
}

WheelSeekDlg::WheelSeekDlg(const std::string& playText, const std::string& pauseText, QWidget* parent)
    : QDialog(parent), playText_(playText), pauseText_(pauseText) {
    setWindowTitle(tr("ホイールシークの設定"));
    auto* layout = new QVBoxLayout(this);
    for (const char* line : {QT_TR_NOOP("ホイールによるシーク動作を各段階ごとに設定します。"),
                             QT_TR_NOOP("シーク間隔は数字のみ。戻しは先頭に - （マイナス）を付けてください。（単位はミリ秒）"),
                             QT_TR_NOOP("音付き変速再生は数字の末尾に % を付けてください。10% ～ 200% が指定できます。"),
                             QT_TR_NOOP("通常再生は、100% で、一時停止は 0 を指定してください。")})
        layout->addWidget(new QLabel(tr(line), this));

    auto* tables = new QHBoxLayout;
    tables->addWidget(MakeTable(tr("再生中からの操作"), playText, edits_[0], 0));
    tables->addWidget(MakeTable(tr("一時停止からの操作"), pauseText, edits_[1], 1));
    layout->addLayout(tables);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* defaults = buttons->addButton(tr("初期化"), QDialogButtonBox::ResetRole);
    defaults->setObjectName(QStringLiteral("button1002"));
    buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole)->setObjectName(QStringLiteral("buttonOk"));
    buttons->addButton(tr("キャンセル"), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("buttonCancel"));
    connect(defaults, &QPushButton::clicked, this, &WheelSeekDlg::AcceptDefaults);
    connect(buttons, &QDialogButtonBox::accepted, this, &WheelSeekDlg::AcceptEdits);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

QWidget* WheelSeekDlg::MakeTable(const QString& title, const std::string& text, TableEdits& edits, int table) {
    auto* box = new QGroupBox(title, this);
    auto* grid = new QGridLayout(box);
    const auto fields = SplitWheelFields(text);
    for (int side = 0; side < 2; ++side) {
        auto& column = side == 0 ? edits.forward : edits.backward;
        for (int step = 1; step <= 9; ++step) {
            const QString sign = side == 0 ? tr("＋") : tr("－");
            auto* edit = new QLineEdit(box);
            edit->setObjectName(QStringLiteral("edit%1").arg(FieldId(table, side, step)));
            // Fields 0 and 10 are the standing-still entries and are not shown.
            const auto field = static_cast<std::size_t>(side * 10 + step);
            edit->setText(QString::fromStdString(fields[field]));
            edit->setMaxLength(32);
            edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("-000000%")) + 12);
            const int row = step - 1;
            grid->addWidget(new QLabel(sign + QString::number(step), box), row, side * 2);
            grid->addWidget(edit, row, side * 2 + 1);
            column[static_cast<std::size_t>(step - 1)] = edit;
        }
    }
    return box;
}

std::string WheelSeekDlg::Rebuild(const TableEdits& edits) {
    WheelSideFields forward;
    WheelSideFields backward;
    for (std::size_t i = 0; i < forward.size(); ++i) {
        forward[i] = FieldText(edits.forward[i]);
        backward[i] = FieldText(edits.backward[i]);
    }
    return RebuildWheelText(forward, backward);
}

void WheelSeekDlg::AcceptEdits() {
    playText_ = Rebuild(edits_[0]);
    pauseText_ = Rebuild(edits_[1]);
    accept();
}

void WheelSeekDlg::AcceptDefaults() {
    playText_ = kDefaultWheelPlayText;
    pauseText_ = kDefaultWheelPauseText;
    accept();
}

}  // namespace felux
