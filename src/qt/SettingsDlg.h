// The settings dialog "設定": every option of the settings file, with its sub-dialogs.
#pragma once

#include <QDialog>
#include <array>

#include "platform/DisplayModes.h"
#include "settings/SettingsForm.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;

namespace felux {

class SettingsDlg : public QDialog {
    Q_OBJECT
public:
    SettingsDlg(const SettingsForm& form, DisplayModes& modes, QWidget* parent = nullptr);

    // The members; after OK they hold what the user chose, sub-dialog results included.
    const SettingsForm& Form() const { return form_; }

    // Reads the typed edits in order; a refused one keeps the dialog open with the focus on it.
    void accept() override;

private:
    QGroupBox* VolumeLogGroup();
    QGroupBox* ScanLineGroup();
    QGroupBox* LineMaskGroup();
    QGroupBox* AspectGroup();
    QGroupBox* OverscanGroup();
    QGroupBox* FontGroup();
    QGroupBox* MonitorGroup();
    QWidget* CheckColumn();
    QCheckBox* Check(FormCheck check, QWidget* parent);
    // A combo whose selection goes straight into `member`.
    QComboBox* Combo(int control, const QStringList& items, int& member, QWidget* parent);
    void ShowChecks();
    void FillAspectCombo();
    void EditAspect();
    void EditWheel();
    void EditSpecial();
    void ChooseFont();

    SettingsForm form_;
    DisplayModes& modes_;
    std::array<QCheckBox*, kFormCheckCount> checks_{};
    QLineEdit* logMax_ = nullptr;
    QLineEdit* searchWait_ = nullptr;
    QLineEdit* fontFace_ = nullptr;
    QLineEdit* fontPosition_ = nullptr;
    QLineEdit* monitorFix_ = nullptr;
    QComboBox* aspect_ = nullptr;
};

}  // namespace felux
