// The list save options: how "保存" writes the paths of a list file.
#pragma once

#include <QDialog>
#include <array>
#include <optional>

class QCheckBox;

namespace felux {

class ListSaveOptionsDlg : public QDialog {
    Q_OBJECT
public:
    // mode 0 absolute paths, 1 without a drive, 2 relative; out-of-range values check the nearest.
    explicit ListSaveOptionsDlg(int mode, QWidget* parent = nullptr);
    int Mode() const;
    // The chosen mode after OK, nothing after Cancel.
    static std::optional<int> Ask(int mode, QWidget* parent = nullptr);

private:
    std::array<QCheckBox*, 3> boxes_{};
};

}  // namespace felux
