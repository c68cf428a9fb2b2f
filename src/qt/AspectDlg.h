// The dialog that edits the ten aspect presets.
#pragma once

#include <QDialog>
#include <array>
#include <optional>
#include <string>

#include "video/PictureSize.h"

class QLineEdit;

namespace felux {

class AspectDlg : public QDialog {
    Q_OBJECT
public:
    // Longest entry a box takes: ten of them and their ';' stay within the 255 characters
    // the settings keep of the list.
    static constexpr int kMaxEntryLength = 24;

    explicit AspectDlg(const AspectPresetList& presets, QWidget* parent = nullptr);

    // The texts of the ten boxes, in the order "[ 1 ]" .. "[ 0 ]".
    AspectPresetList Presets() const;

    // Runs the dialog modally on a preset list; the edited list after OK, nullopt after Cancel.
    static std::optional<std::string> Edit(const std::string& list, QWidget* parent = nullptr);

private:
    void ResetToDefaults();

    std::array<QLineEdit*, kAspectPresetCount> boxes_{};
};

}  // namespace felux
