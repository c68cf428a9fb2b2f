// The settings dialog port over Qt: the dialog is shown application-modal and answers when it closes.
#include "qt/QtSettingsDialogs.h"

#include "qt/SettingsDlg.h"

namespace felux {

QtSettingsDialogs::QtSettingsDialogs(QWidget* owner, DisplayModes& modes) : owner_(owner), modes_(modes) {}

QtSettingsDialogs::~QtSettingsDialogs() {
    // Closed with the program: nobody is left to take the answer.
    if (dialog_) {
        dialog_->disconnect();
        delete dialog_;
    }
}

void QtSettingsDialogs::ShowSettings(const SettingsForm& form) {
    if (dialog_) return;
    auto* dialog = new SettingsDlg(form, modes_, owner_);
    dialog_ = dialog;
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::ApplicationModal);
    QObject::connect(dialog, &QDialog::finished, dialog, [this, dialog](int result) {
        // Gone as far as the player is concerned, even before Qt deletes it.
        dialog_.clear();
        const std::optional<SettingsForm> answer =
            result == QDialog::Accepted ? std::optional<SettingsForm>(dialog->Form()) : std::nullopt;
        if (closed_) closed_(answer);
    });
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

}  // namespace felux
