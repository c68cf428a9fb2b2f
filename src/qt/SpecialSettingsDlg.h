// The special functions dialog: search speeds, the full-screen display mode, synchronised playback.
#pragma once

#include <QDialog>
#include <array>
#include <vector>

#include "platform/DisplayModes.h"
#include "settings/SpecialSettingsForm.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace felux {

class SpecialSettingsDlg : public QDialog {
    Q_OBJECT
public:
    SpecialSettingsDlg(const SpecialSettingsForm& form, DisplayModes& modes, QWidget* parent = nullptr);

    // The members; after OK they hold what the user chose.
    const SpecialSettingsForm& Form() const { return form_; }

    // Reads the speeds and paths; a speed out of range keeps the dialog open on that field.
    void accept() override;

private:
    QWidget* SpeedGroup();
    QWidget* ModeGroup();
    QWidget* SyncGroup();
    QCheckBox* FlagCheck(int index, int control, const QString& caption);
    void ModeChosen(int item);

    SpecialSettingsForm form_;
    DisplayModes& modes_;
    std::vector<DisplayModeItem> modeItems_;
    std::array<QLineEdit*, 4> speeds_{};  // in SpeedEdit order
    QLineEdit* path1_ = nullptr;
    QLineEdit* path2_ = nullptr;
};

}  // namespace felux
