// The player's file choosers, list save options and pop-up menus on Qt.
#include "qt/QtPlaylistDialogs.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QTimer>
#include <cstdio>
#include <memory>

#include "qt/ListSaveOptionsDlg.h"

namespace felux {
namespace {

std::optional<std::string> Chosen(const QFileDialog& dialog, int result) {
    if (result != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    // The file system's own bytes, so that names in any encoding survive.
    return QFile::encodeName(dialog.selectedFiles().front()).toStdString();
}

// A menu text shown as it is: "&" would mark a shortcut letter, a tab would start a shortcut column.
QString Literal(const std::string& text) {
    QString shown = QString::fromStdString(text);
    return shown.replace(QLatin1Char('&'), QLatin1String("&&")).replace(QLatin1Char('\t'), QLatin1Char(' '));
}

std::optional<std::string> Run(QFileDialog& dialog) { return Chosen(dialog, dialog.exec()); }

void SetUpOpenChooser(QFileDialog& dialog) {
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setDefaultSuffix(QStringLiteral("tob"));
}

}  // namespace

std::optional<std::string> QtPlaylistDialogs::ChooseOpenFile(const std::string& folder) {
    QFileDialog dialog(parent_(), QString(), QFile::decodeName(folder.c_str()), QStringLiteral("Filename (*)"));
    SetUpOpenChooser(dialog);
    return Run(dialog);
}

void QtPlaylistDialogs::OpenFileChooser(const std::string& folder) {
    auto* dialog =
        new QFileDialog(parent_(), QString(), QFile::decodeName(folder.c_str()), QStringLiteral("Filename (*)"));
    SetUpOpenChooser(*dialog);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::ApplicationModal);
    QObject::connect(dialog, &QFileDialog::finished, dialog, [this, dialog](int result) {
        if (fileChosen_) fileChosen_(Chosen(*dialog, result));
    });
    dialog->show();
}

std::optional<std::string> QtPlaylistDialogs::ChooseSaveList(const std::string& folder) {
    QFileDialog dialog(parent_(), QString(), QFile::decodeName(folder.c_str()),
                       QStringLiteral("Select List File (*.tob *.m3u)"));
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("tob"));
    return Run(dialog);
}

void QtPlaylistDialogs::TellListNotSaved(const std::string& path) {
    std::fprintf(stderr, "FELUX: could not save the list %s\n", path.c_str());
    QMessageBox::warning(parent_(), QCoreApplication::translate("felux::PlaylistEditorWindow", "Torvel"),
                         QCoreApplication::translate("QtPlaylistDialogs", "リストを保存できませんでした：\n%1").arg(QFile::decodeName(path.c_str())));
}

std::optional<int> QtPlaylistDialogs::AskListSaveOptions(int mode) { return ListSaveOptionsDlg::Ask(mode, parent_()); }

void QtPlaylistDialogs::OpenPopupMenu(Point at, const std::string& caption, const std::vector<std::string>& items,
                                      bool choosable) {
    auto* menu = new QMenu(parent_());
    menu->addAction(Literal(caption))->setEnabled(false);
    for (std::size_t i = 0; i < items.size(); ++i) {
        QAction* action = menu->addAction(Literal(items[i]));
        action->setData(static_cast<int>(i + 1));
        action->setEnabled(choosable);
    }
    Track(menu, at);
}

void QtPlaylistDialogs::OpenSectionMenu(Point at, const std::vector<MenuSection>& sections) {
    auto* menu = new QMenu(parent_());
    int number = 0;
    for (const MenuSection& section : sections) {
        QMenu* sub = menu;
        if (section.title.empty()) {
            menu->addSeparator();
        } else {
            sub = menu->addMenu(Literal(section.title));
            sub->setEnabled(!section.items.empty());
        }
        for (std::size_t i = 0; i < section.items.size(); ++i) {
            QAction* action = sub->addAction(Literal(section.items[i]));
            action->setData(++number);
            action->setCheckable(true);
            action->setChecked(section.checked == i);
        }
    }
    Track(menu, at);
}

void QtPlaylistDialogs::Track(QMenu* menu, Point at) {
    auto chosen = std::make_shared<int>(0);
    QObject::connect(menu, &QMenu::triggered, menu, [chosen](QAction* action) {
        if (action->data().isValid()) *chosen = action->data().toInt();
    });
    // The menu hides before it reports the chosen item: answer once both have happened.
    QObject::connect(menu, &QMenu::aboutToHide, menu, [this, menu, chosen] {
        QTimer::singleShot(0, menu, [this, menu, chosen] {
            if (menuChosen_) menuChosen_(*chosen);
            menu->deleteLater();
        });
    });
    menu->popup(QPoint(at.x, at.y));
}

}  // namespace felux
