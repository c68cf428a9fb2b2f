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
    dialog_ = new SettingsDlg(form, modes_, owner_);
    dialog_->setAttribute(Qt::WA_DeleteOnClose);
    dialog_->setWindowModality(Qt::ApplicationModal);
    QObject::connect(dialog_, &QDialog::finished, dialog_, [this](int result) {
        const std::optional<SettingsForm> answer =
            result == QDialog::Accepted ? std::optional<SettingsForm>(dialog_->Form()) : std::nullopt;
        if (closed_) closed_(answer);
    });
    dialog_->show();
    dialog_->raise();
    dialog_->activateWindow();
}

}  // namespace felux
