// The special functions dialog: search speeds, the full-screen display mode, synchronised playback.
#include "qt/SpecialSettingsDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "qt/DialogFields.h"

namespace felux {

SpecialSettingsDlg::SpecialSettingsDlg(const SpecialSettingsForm& form, DisplayModes& modes, QWidget* parent)
    : QDialog(parent), form_(form), modes_(modes) {
    setWindowTitle(tr("特殊機能の設定"));
    UseJapaneseFont(this);
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    top->addWidget(SpeedGroup());
    top->addWidget(ModeGroup(), 1);
    layout->addLayout(top);
    layout->addWidget(SyncGroup());
    layout->addWidget(MakeOkCancel(this));
    layout->setSizeConstraint(QLayout::SetMinimumSize);
}

QWidget* SpecialSettingsDlg::SpeedGroup() {
    auto* box = new QGroupBox(tr("サーチ速度の設定(mms)"), this);
    auto* grid = new QGridLayout(box);
    grid->addWidget(new QLabel(QStringLiteral("REW"), box), 0, 1, Qt::AlignCenter);
    grid->addWidget(new QLabel(QStringLiteral("FF"), box), 0, 2, Qt::AlignCenter);
    grid->addWidget(new QLabel(QStringLiteral("PLAY"), box), 1, 0);
    grid->addWidget(new QLabel(QStringLiteral("PAUSE"), box), 2, 0);
    // Created row by row so that Tab runs PLAY REW, PLAY FF, PAUSE REW, PAUSE FF.
    const struct {
        SpeedEdit edit;
        int control;
        int value;
        int row;
        int column;
    } fields[] = {
        {SpeedEdit::PlayRew, 1043, form_.searchSpeedPlayRew, 1, 1},
        {SpeedEdit::PlayFF, 1042, form_.searchSpeedPlayFF, 1, 2},
        {SpeedEdit::PauseRew, 1045, form_.searchSpeedPauseRew, 2, 1},
        {SpeedEdit::PauseFF, 1044, form_.searchSpeedPauseFF, 2, 2},
    };
    for (const auto& f : fields) {
        QLineEdit* edit = MakeNumberEdit(f.control, f.value, box);
        grid->addWidget(edit, f.row, f.column);
        speeds_[static_cast<std::size_t>(f.edit)] = edit;
    }
    return box;
}

QWidget* SpecialSettingsDlg::ModeGroup() {
    auto* box = new QGroupBox(tr("フルスクリーン時の画面解像度"), this);
    auto* layout = new QVBoxLayout(box);
    auto* on = new QCheckBox(tr("有効"), box);
    on->setObjectName(QStringLiteral("check1050"));
    on->setChecked(form_.fullScreenModeOn);
    connect(on, &QCheckBox::toggled, this, [this](bool checked) { form_.fullScreenModeOn = checked; });
    layout->addWidget(on);

    auto* combo = new QComboBox(box);
    combo->setObjectName(QStringLiteral("combo1051"));
    modeItems_ = ListDisplayModes(modes_);
    int selected = -1;
    for (std::size_t i = 0; i < modeItems_.size(); ++i) {
        combo->addItem(QString::fromStdString(modeItems_[i].text));
        if (modeItems_[i].number == form_.modeNumber) selected = static_cast<int>(i);
    }
    combo->setCurrentIndex(selected);
    connect(combo, &QComboBox::activated, this, &SpecialSettingsDlg::ModeChosen);
    layout->addWidget(combo);
    layout->addStretch();
    return box;
}

QWidget* SpecialSettingsDlg::SyncGroup() {
    auto* box = new QGroupBox(tr("同期再生の設定"), this);
    auto* layout = new QVBoxLayout(box);
    auto* switches = new QHBoxLayout;
    switches->addWidget(FlagCheck(0, 1062, tr("有効")));
    switches->addWidget(FlagCheck(1, 1063, tr("同一パスの検索")));
    switches->addStretch();
    layout->addLayout(switches);

    auto pathGroup = [&](const QString& title, int flag, int checkControl, int editControl, const std::string& path) {
        auto* group = new QGroupBox(title, box);
        auto* row = new QHBoxLayout(group);
        QCheckBox* use = FlagCheck(flag, checkControl, QString());
        use->setAccessibleName(title);
        row->addWidget(use);
        auto* edit = new QLineEdit(QString::fromStdString(path), group);
        edit->setObjectName(QStringLiteral("edit%1").arg(editControl));
        edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 40);
        row->addWidget(edit, 1);
        layout->addWidget(group);
        return edit;
    };
    path1_ = pathGroup(tr("検索パスの指定1"), 2, 1064, 1066, form_.path1);
    path2_ = pathGroup(tr("検索パスの指定２"), 3, 1065, 1067, form_.path2);

    auto* extensions = new QGroupBox(tr("検索拡張子"), box);
    auto* row = new QHBoxLayout(extensions);
    row->addWidget(FlagCheck(4, 1068, QStringLiteral(".WAV")));
    row->addWidget(FlagCheck(5, 1069, QStringLiteral(".MP2")));
    row->addWidget(FlagCheck(6, 1072, QStringLiteral(".MP3")));
    row->addStretch();
    layout->addWidget(extensions);
    return box;
}

QCheckBox* SpecialSettingsDlg::FlagCheck(int index, int control, const QString& caption) {
    auto* check = new QCheckBox(caption, this);
    check->setObjectName(QStringLiteral("check%1").arg(control));
    check->setChecked(form_.Flag(index));
    connect(check, &QCheckBox::toggled, this, [this, index](bool on) { SetSyncFlag(form_, index, on); });
    return check;
}

void SpecialSettingsDlg::ModeChosen(int item) {
    if (item < 0 || item >= static_cast<int>(modeItems_.size())) return;
    SelectDisplayMode(form_, modeItems_[static_cast<std::size_t>(item)].number, modes_);
}

void SpecialSettingsDlg::accept() {
    std::array<std::string, 4> texts;
    for (std::size_t i = 0; i < texts.size(); ++i) texts[i] = EditText(speeds_[i]);
    SpecialSettingsForm read = form_;
    if (const auto fault = ReadSpeedEdits(read, texts)) {
        RefuseField(this, speeds_[static_cast<std::size_t>(fault->field)], fault->message);
        return;
    }
    read.path1 = path1_->text().toStdString();
    read.path2 = path2_->text().toStdString();
    form_ = read;
    QDialog::accept();
}

}  // namespace felux
