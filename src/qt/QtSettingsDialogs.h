// The settings dialog port over Qt: the dialog is shown application-modal and answers when it closes.
#pragma once

#include <QPointer>
#include <functional>
#include <optional>

#include "platform/DisplayModes.h"
#include "settings/SettingsDialogs.h"

class QWidget;

namespace felux {

class SettingsDlg;

class QtSettingsDialogs : public SettingsDialogs {
public:
    using Closed = std::function<void(const std::optional<SettingsForm>&)>;

    // `owner` is the player's main window: the dialog is transient for it, so a window
    // manager keeps the dialog above the panel.
    QtSettingsDialogs(QWidget* owner, DisplayModes& modes);
    ~QtSettingsDialogs() override;
    QtSettingsDialogs(const QtSettingsDialogs&) = delete;
    QtSettingsDialogs& operator=(const QtSettingsDialogs&) = delete;

    void SetClosed(Closed closed) { closed_ = std::move(closed); }
    // Returns at once; the tick runs on while the dialog is up.
    void ShowSettings(const SettingsForm& form) override;

private:
    QWidget* owner_;
    DisplayModes& modes_;
    Closed closed_;
    QPointer<SettingsDlg> dialog_;
};

}  // namespace felux
