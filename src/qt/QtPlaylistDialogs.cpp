// The player's file choosers, list save options and pop-up menus on Qt.
#include "qt/QtPlaylistDialogs.h"

#include <QFile>
#include <QFileDialog>
#include <QMenu>

#include "qt/ListSaveOptionsDlg.h"

namespace felux {
namespace {

std::optional<std::string> Run(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    // The file system's own bytes, so that names in any encoding survive.
    return QFile::encodeName(dialog.selectedFiles().front()).toStdString();
}

}  // namespace

std::optional<std::string> QtPlaylistDialogs::ChooseOpenFile(const std::string& folder) {
    QFileDialog dialog(parent_(), QString(), QFile::decodeName(folder.c_str()), QStringLiteral("Filename (*)"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setDefaultSuffix(QStringLiteral("tob"));
    return Run(dialog);
}

std::optional<std::string> QtPlaylistDialogs::ChooseSaveList(const std::string& folder) {
    QFileDialog dialog(parent_(), QString(), QFile::decodeName(folder.c_str()),
                       QStringLiteral("Select List File (*.tob *.m3u)"));
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("tob"));
    return Run(dialog);
}

std::optional<int> QtPlaylistDialogs::AskListSaveOptions(int mode) { return ListSaveOptionsDlg::Ask(mode, parent_()); }

int QtPlaylistDialogs::TrackPopupMenu(Point at, const std::string& caption, const std::vector<std::string>& items,
                                      bool choosable) {
    QMenu menu(parent_());
    menu.addAction(QString::fromStdString(caption))->setEnabled(false);
    for (std::size_t i = 0; i < items.size(); ++i) {
        QAction* action = menu.addAction(QString::fromStdString(items[i]));
        action->setData(static_cast<int>(i + 1));
        action->setEnabled(choosable);
    }
    const QAction* chosen = menu.exec(QPoint(at.x, at.y));
    return chosen && chosen->data().isValid() ? chosen->data().toInt() : 0;
}

}  // namespace felux
