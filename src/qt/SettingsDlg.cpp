// The settings dialog "設定": every option of the settings file, with its sub-dialogs.
#include "qt/SettingsDlg.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "qt/AspectDlg.h"
#include "qt/DialogFields.h"
#include "qt/FontChooserDlg.h"
#include "qt/QtTextPainter.h"
#include "qt/SpecialSettingsDlg.h"
#include "qt/WheelSeekDlg.h"
#include "video/PictureSize.h"

namespace felux {
namespace {

QPushButton* Button(int control, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QStringLiteral("button%1").arg(control));
    // Enter stays OK whichever button has the focus.
    button->setAutoDefault(false);
    return button;
}

QStringList NumberItems(int count, const char* format) {
    QStringList items;
    for (int i = 0; i < count; ++i) items << QString::asprintf(format, i);
    return items;
}

QLabel* Caption(const QString& text, QWidget* parent) { return new QLabel(text, parent); }

// The stored face, and beside it the font the text is really drawn in when that is another one:
// a Windows name such as "ＭＳ Ｐゴシック" draws in an IPA font here.
QString FaceText(const std::string& stored) {
    const QString face = QString::fromStdString(stored);
    if (face.isEmpty()) return face;
    const QString drawn = QFontInfo(QtTextPainter::ToQFont({.face = stored})).family();
    if (drawn.isEmpty() || drawn.compare(face, Qt::CaseInsensitive) == 0) return face;
    return QStringLiteral("%1 (%2)").arg(face, drawn);
}

}  // namespace

SettingsDlg::SettingsDlg(const SettingsForm& form, DisplayModes& modes, QWidget* parent)
    : QDialog(parent), form_(form), modes_(modes) {
    setWindowTitle(tr("設定"));
    UseJapaneseFont(this);

    // Created column by column, top to bottom: that is also the Tab order.
    auto* first = new QVBoxLayout;
    first->addWidget(VolumeLogGroup());
    first->addWidget(ScanLineGroup());
    first->addWidget(LineMaskGroup());
    first->addWidget(AspectGroup());
    auto* wait = new QHBoxLayout;
    wait->addWidget(Caption(QStringLiteral("SearchWait"), this));
    searchWait_ = MakeNumberEdit(1037, form_.values.searchWait, this);
    wait->addWidget(searchWait_);
    wait->addStretch();
    first->addLayout(wait);
    first->addStretch();

    auto* second = new QVBoxLayout;
    second->addWidget(OverscanGroup());
    second->addWidget(FontGroup());
    second->addWidget(MonitorGroup());
    second->addStretch();

    auto* columns = new QHBoxLayout;
    columns->addLayout(first);
    columns->addLayout(second);
    columns->addWidget(CheckColumn());

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(MakeOkCancel(this));
    layout->setSizeConstraint(QLayout::SetMinimumSize);
    ShowChecks();
}

QCheckBox* SettingsDlg::Check(FormCheck check, QWidget* parent) {
    const FormCheckInfo& info = FormChecks()[static_cast<std::size_t>(check)];
    auto* box = new QCheckBox(QCoreApplication::translate("SettingsForm", info.caption), parent);
    box->setObjectName(QStringLiteral("check%1").arg(info.control));
    connect(box, &QCheckBox::toggled, this, [this, check](bool on) {
        SetCheck(form_, check, on);
        ShowChecks();
    });
    checks_[static_cast<std::size_t>(check)] = box;
    return box;
}

void SettingsDlg::ShowChecks() {
    for (std::size_t i = 0; i < checks_.size(); ++i) {
        if (!checks_[i]) continue;
        const QSignalBlocker quiet(checks_[i]);
        checks_[i]->setChecked(form_.checks[i]);
    }
}

QComboBox* SettingsDlg::Combo(int control, const QStringList& items, int& member, QWidget* parent) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QStringLiteral("combo%1").arg(control));
    combo->addItems(items);
    // A stored value outside the list shows no item and stays as it is unless one is chosen.
    combo->setCurrentIndex(member >= 0 && member < items.size() ? member : -1);
    connect(combo, &QComboBox::activated, this, [&member](int index) { member = index; });
    return combo;
}

QGroupBox* SettingsDlg::VolumeLogGroup() {
    auto* box = new QGroupBox(tr("音量ログの設定"), this);
    auto* grid = new QGridLayout(box);
    grid->addWidget(Check(FormCheck::LogEnabled, box), 0, 0);
    grid->addWidget(Check(FormCheck::LogAutoUpdate, box), 0, 1);
    grid->addWidget(Caption(tr("ログの最大値"), box), 1, 0);
    logMax_ = MakeNumberEdit(1034, form_.values.volumeLogMax, box);
    grid->addWidget(logMax_, 1, 1);
    auto* buttons = new QHBoxLayout;
    const struct {
        int control;
        const char* caption;
        VolumeLogButton command;
    } commands[] = {{1031, QT_TR_NOOP("追加"), VolumeLogButton::Add},
                    {1032, QT_TR_NOOP("削除"), VolumeLogButton::Remove},
                    {1033, QT_TR_NOOP("初期化"), VolumeLogButton::Reset}};
    for (const auto& c : commands) {
        QPushButton* button = Button(c.control, tr(c.caption), box);
        connect(button, &QPushButton::clicked, this, [this, command = c.command] { PressVolumeLogButton(form_, command); });
        buttons->addWidget(button);
    }
    grid->addLayout(buttons, 2, 0, 1, 2);
    return box;
}

QGroupBox* SettingsDlg::ScanLineGroup() {
    auto* box = new QGroupBox(QStringLiteral("ScanLine"), this);
    auto* row = new QHBoxLayout(box);
    row->addWidget(Combo(1024, {"Off", "Auto", "Mode1", "Mode2", "Mode3"}, form_.values.scanLinePattern, box));
    row->addStretch();
    return box;
}

QGroupBox* SettingsDlg::LineMaskGroup() {
    auto* box = new QGroupBox(QStringLiteral("LineMask"), this);
    auto* grid = new QGridLayout(box);
    const QStringList amounts = NumberItems(26, "%2d");
    const struct {
        const char* caption;
        int control;
        int PlayerSettings::*member;
        FormCheck percent;
    } rows[] = {
        {QT_TR_NOOP("上"), 1022, &PlayerSettings::lineMaskTop, FormCheck::MaskTopPercent},
        {QT_TR_NOOP("下"), 1023, &PlayerSettings::lineMaskBottom, FormCheck::MaskBottomPercent},
        {QT_TR_NOOP("左"), 1114, &PlayerSettings::lineMaskLeft, FormCheck::MaskLeftPercent},
        {QT_TR_NOOP("右"), 1113, &PlayerSettings::lineMaskRight, FormCheck::MaskRightPercent},
    };
    int line = 0;
    for (const auto& r : rows) {
        QComboBox* combo = Combo(r.control, amounts, form_.values.*r.member, box);
        QLabel* label = Caption(tr(r.caption), box);
        label->setBuddy(combo);
        grid->addWidget(label, line, 0);
        grid->addWidget(combo, line, 1);
        grid->addWidget(Check(r.percent, box), line, 2);
        ++line;
    }
    grid->setColumnStretch(3, 1);
    return box;
}

QGroupBox* SettingsDlg::AspectGroup() {
    auto* box = new QGroupBox(QStringLiteral("Aspect"), this);
    auto* row = new QHBoxLayout(box);
    aspect_ = new QComboBox(box);
    aspect_->setObjectName(QStringLiteral("combo1035"));
    aspect_->setMinimumContentsLength(10);
    FillAspectCombo();
    aspect_->setCurrentIndex(form_.values.aspectPresetIndex >= 0 && form_.values.aspectPresetIndex < kAspectPresetCount
                                 ? form_.values.aspectPresetIndex
                                 : -1);
    connect(aspect_, &QComboBox::activated, this, [this](int index) { form_.values.aspectPresetIndex = index; });
    row->addWidget(aspect_, 1);
    QPushButton* edit = Button(1092, tr("設定", "edits the aspect presets"), box);
    connect(edit, &QPushButton::clicked, this, &SettingsDlg::EditAspect);
    row->addWidget(edit);
    return box;
}

void SettingsDlg::FillAspectCombo() {
    aspect_->clear();
    for (const std::string& item : SplitAspectPresets(form_.values.aspectPresets))
        aspect_->addItem(QString::fromStdString(item));
}

QGroupBox* SettingsDlg::OverscanGroup() {
    auto* box = new QGroupBox(tr("オーバースキャン"), this);
    auto* grid = new QGridLayout(box);
    grid->addWidget(Caption(tr("キーボードの（ＳＨＩＦＴ＋１～５）で指定できます"), box), 0, 0, 1, 4);
    grid->addWidget(Caption(tr("[1]  X =  リセット  Y =  リセット"), box), 1, 0, 1, 4);
    const QStringList percents = NumberItems(51, "1%02d");
    int PlayerSettings::*xs[] = {&PlayerSettings::overscanX2, &PlayerSettings::overscanX3, &PlayerSettings::overscanX4,
                                 &PlayerSettings::overscanX5};
    int PlayerSettings::*ys[] = {&PlayerSettings::overscanY2, &PlayerSettings::overscanY3, &PlayerSettings::overscanY4,
                                 &PlayerSettings::overscanY5};
    for (int i = 0; i < 4; ++i) {
        const int row = i + 2;
        grid->addWidget(Caption(QStringLiteral("[%1]  X =").arg(i + 2), box), row, 0);
        grid->addWidget(Combo(1124 + i, percents, form_.values.*xs[i], box), row, 1);
        grid->addWidget(Caption(QStringLiteral("Y ="), box), row, 2);
        grid->addWidget(Combo(1128 + i, percents, form_.values.*ys[i], box), row, 3);
    }
    grid->addWidget(Caption(tr("現在の値"), box), 6, 0);
    auto* current = new QLineEdit(QString::fromStdString(form_.overscanText), box);
    current->setObjectName(QStringLiteral("edit1133"));
    current->setReadOnly(true);
    current->setFocusPolicy(Qt::NoFocus);
    grid->addWidget(current, 6, 1, 1, 3);
    return box;
}

QGroupBox* SettingsDlg::FontGroup() {
    auto* box = new QGroupBox(tr("フォントの設定"), this);
    auto* grid = new QGridLayout(box);
    fontFace_ = new QLineEdit(FaceText(form_.values.fontFace), box);
    fontFace_->setObjectName(QStringLiteral("edit1109"));
    fontFace_->setReadOnly(true);
    grid->addWidget(fontFace_, 0, 0, 1, 2);
    QPushButton* choose = Button(1112, tr("フォント指定"), box);
    connect(choose, &QPushButton::clicked, this, &SettingsDlg::ChooseFont);
    grid->addWidget(choose, 0, 2);
    QLabel* label = Caption(tr("位置"), box);
    fontPosition_ = MakeNumberEdit(1111, form_.values.fontPosition, box);
    label->setBuddy(fontPosition_);
    grid->addWidget(label, 1, 0);
    grid->addWidget(fontPosition_, 1, 1);
    return box;
}

QGroupBox* SettingsDlg::MonitorGroup() {
    auto* box = new QGroupBox(tr("セカンダリモニタ対策のテスト"), this);
    auto* grid = new QGridLayout(box);
    monitorFix_ = MakeNumberEdit(1143, form_.values.secondaryMonitorFix, box);
    grid->addWidget(monitorFix_, 0, 0);
    grid->addWidget(Caption(tr("1～10程度の値を入力してください"), box), 0, 1);
    grid->addWidget(Caption(tr("0 はOFF"), box), 1, 1);
    grid->addWidget(Caption(tr("デバック用ですので通常は変更しないで下さい"), box), 2, 0, 1, 2);
    return box;
}

QWidget* SettingsDlg::CheckColumn() {
    auto* column = new QWidget(this);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    for (const FormCheckInfo& info : FormChecks()) {
        if (checks_[static_cast<std::size_t>(info.check)]) continue;  // already in a group
        layout->addWidget(Check(info.check, column));
    }
    layout->addSpacing(8);
    QPushButton* wheel = Button(1140, tr("ホイルシークの設定"), column);
    connect(wheel, &QPushButton::clicked, this, &SettingsDlg::EditWheel);
    layout->addWidget(wheel);
    QPushButton* special = Button(1041, tr("特殊機能の設定"), column);
    connect(special, &QPushButton::clicked, this, &SettingsDlg::EditSpecial);
    layout->addWidget(special);
    layout->addStretch();
    return column;
}

// The combo then shows the first preset; which preset is in use does not change.
void SettingsDlg::EditAspect() {
    const std::optional<std::string> edited = AspectDlg::Edit(form_.values.aspectPresets, this);
    if (!edited) return;
    form_.values.aspectPresets = *edited;
    FillAspectCombo();
    aspect_->setCurrentIndex(0);
}

void SettingsDlg::EditWheel() {
    WheelSeekDlg dialog(form_.wheelPlayText, form_.wheelPauseText, this);
    if (dialog.exec() != QDialog::Accepted) return;
    form_.wheelPlayText = dialog.PlayText();
    form_.wheelPauseText = dialog.PauseText();
}

void SettingsDlg::EditSpecial() {
    SpecialSettingsDlg dialog(OpenSpecialForm(form_.values, modes_), modes_, this);
    if (dialog.exec() != QDialog::Accepted) return;
    CloseSpecialForm(dialog.Form(), form_.values);
}

void SettingsDlg::ChooseFont() {
    PlayerSettings& v = form_.values;
    FontChooserDlg dialog({v.fontFace, v.fontHeight, v.fontWeight, v.fontItalic}, logicalDpiY(), this);
    if (dialog.exec() != QDialog::Accepted) return;
    const FontChoice chosen = dialog.Chosen();
    if (!chosen.face.empty()) {
        v.fontFace = chosen.face;
        fontFace_->setText(FaceText(chosen.face));
    }
    v.fontHeight = chosen.height;
    v.fontItalic = chosen.italic;
    v.fontWeight = chosen.weight;
}

void SettingsDlg::accept() {
    const FormEditTexts texts{EditText(logMax_), EditText(searchWait_), EditText(fontPosition_), EditText(monitorFix_)};
    SettingsForm read = form_;
    if (const auto fault = ReadFormEdits(read, texts)) {
        QLineEdit* fields[] = {logMax_, searchWait_, fontPosition_, monitorFix_};
        RefuseField(this, fields[static_cast<int>(fault->field)], fault->message);
        return;
    }
    form_ = read;
    QDialog::accept();
}

}  // namespace felux
