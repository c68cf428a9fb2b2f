// The playlist editor window "Torvel": the display lines, the folder field and the buttons; edits go to the core.
#include "qt/PlaylistEditorWindow.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QMouseEvent>
#include <QResizeEvent>
#include <QPushButton>
#include <QSignalBlocker>
#include <algorithm>

#include "player/Player.h"
#include "qt/AppIcon.h"
#include "qt/DropPaths.h"
#include "qt/TitleEditDelegate.h"
#include "qt/X11Desktop.h"

namespace felux {
namespace {

// Lines are bytes; names that are not UTF-8 show with replacement marks but stay intact in the list.
QString LineText(const std::string& line) { return QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size())); }

}  // namespace

PlaylistEditorWindow::PlaylistEditorWindow(Player& player, QWidget* parent)
    : QDialog(parent), player_(player), list_(new QListWidget(this)), folder_(new QLineEdit(this)) {
    setWindowTitle(tr("Torvel"));
    setWindowIcon(AppIcon());
    setObjectName(QStringLiteral("Torvel"));
    setModal(false);
    setSizeGripEnabled(true);
    setAcceptDrops(true);

    auto* caption = new QLabel(QStringLiteral("PlayList"), this);
    caption->move(5, 1);
    list_->setObjectName(QStringLiteral("list"));
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list_->setUniformItemSizes(true);
    // F2 edits a segment entry's title in place; a double click still plays the line.
    list_->setEditTriggers(QAbstractItemView::EditKeyPressed);
    list_->setItemDelegate(new TitleEditDelegate(player_, list_));
    controls_[EditorControl::List] = list_;
    folder_->setObjectName(QStringLiteral("folder"));
    folder_->setReadOnly(true);
    controls_[EditorControl::Folder] = folder_;

    Player* sink = &player_;
    connect(AddButton(EditorControl::Load, "load", tr("読込")), &QPushButton::clicked, this,
            [sink] { sink->Command(EditorCommand{EditorAction::Load}); });
    connect(AddButton(EditorControl::Save, "save", tr("保存")), &QPushButton::clicked, this,
            [sink] { sink->Command(EditorCommand{EditorAction::Save}); });
    connect(AddButton(EditorControl::New, "new", tr("新規")), &QPushButton::clicked, this,
            [sink] { sink->Command(EditorCommand{EditorAction::New}); });
    connect(AddButton(EditorControl::Sort, "sort", tr("ソート")), &QPushButton::clicked, this,
            [sink] { sink->Command(EditorCommand{EditorAction::Sort}); });
    connect(AddButton(EditorControl::Random, "random", tr("ランダム")), &QPushButton::clicked, this,
            [sink] { sink->Command(EditorCommand{EditorAction::Random}); });
    connect(AddButton(EditorControl::Up, "up", tr("上へ")), &QPushButton::clicked, this,
            [sink] { sink->Command(EditorCommand{EditorAction::MoveUp}); });
    connect(AddButton(EditorControl::Down, "down", tr("下へ")), &QPushButton::clicked, this,
            [sink] { sink->Command(EditorCommand{EditorAction::MoveDown}); });
    connect(AddButton(EditorControl::Delete, "delete", tr("削除")), &QPushButton::clicked, this,
            [sink] { sink->Command(EditorCommand{EditorAction::Delete}); });
    connect(AddButton(EditorControl::Options, "options", tr("設定")), &QPushButton::clicked, this,
            [sink] { sink->Command(EditorCommand{EditorAction::Options}); });
    connect(AddButton(EditorControl::Close, "close", tr("戻る")), &QPushButton::clicked, this,
            [this] { SendClose(); });
    // The hidden default button: Enter closes the window.
    auto* run = new QPushButton(tr("実行"), this);
    run->setObjectName(QStringLiteral("run"));
    run->setDefault(true);
    run->hide();
    connect(run, &QPushButton::clicked, this, [this] { SendClose(); });

    connect(list_, &QListWidget::itemDoubleClicked, this, [sink] { sink->Command(EditorCommand{EditorAction::PlayLine}); });
    connect(list_, &QListWidget::itemSelectionChanged, this, [sink] { sink->Command(EditorCommand{EditorAction::SelectionChanged}); });
}

QPushButton* PlaylistEditorWindow::AddButton(EditorControl control, const char* name, const QString& caption) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    controls_[control] = button;
    return button;
}

// Changes made by the core are not the user's selection changes: with the list's signals
// blocked, deleting many selected lines does not re-read the selection once per line.
void PlaylistEditorWindow::InsertLine(std::size_t index, const std::string& line) {
    const QSignalBlocker quiet(list_);
    auto* item = new QListWidgetItem(LineText(line));
    item->setFlags(item->flags() | Qt::ItemIsEditable);
    list_->insertItem(static_cast<int>(index), item);
}

void PlaylistEditorWindow::DeleteLine(std::size_t index) {
    const QSignalBlocker quiet(list_);
    delete list_->takeItem(static_cast<int>(index));
}

void PlaylistEditorWindow::ReplaceLine(std::size_t index, const std::string& line) {
    const QSignalBlocker quiet(list_);
    if (QListWidgetItem* item = list_->item(static_cast<int>(index))) item->setText(LineText(line));
}

void PlaylistEditorWindow::RenumberLine(std::size_t index, std::size_t number) {
    QListWidgetItem* item = list_->item(static_cast<int>(index));
    if (!item) return;
    std::string line = item->text().toStdString();
    RenumberDisplayLine(line, number);
    const QSignalBlocker quiet(list_);
    item->setText(LineText(line));
}

std::vector<std::size_t> PlaylistEditorWindow::SelectedLines() const {
    std::vector<std::size_t> lines;
    for (const QModelIndex& index : list_->selectionModel()->selectedIndexes())
        lines.push_back(static_cast<std::size_t>(index.row()));
    std::sort(lines.begin(), lines.end());
    return lines;
}

void PlaylistEditorWindow::SelectLine(std::size_t index, bool selected) {
    const QSignalBlocker quiet(list_);
    if (QListWidgetItem* item = list_->item(static_cast<int>(index))) item->setSelected(selected);
}

void PlaylistEditorWindow::ShowFolder(const std::string& folder) { folder_->setText(LineText(folder)); }

void PlaylistEditorWindow::PlaceControls(const std::vector<ControlPlace>& places) {
    for (const ControlPlace& p : places) {
        const auto found = controls_.find(p.control);
        if (found != controls_.end()) found->second->setGeometry(p.rect.x, p.rect.y, p.rect.width, p.rect.height);
    }
}

void PlaylistEditorWindow::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    player_.Command(EditorResized{width(), height()});
}

void PlaylistEditorWindow::moveEvent(QMoveEvent* event) {
    QDialog::moveEvent(event);
    player_.Command(EditorCommand{EditorAction::Moved});
}

void PlaylistEditorWindow::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        SendClose();
        return;
    }
    QDialog::mousePressEvent(event);
}

void PlaylistEditorWindow::closeEvent(QCloseEvent* event) {
    // The player takes the window away itself, so that it can save and clamp first.
    event->ignore();
    SendClose();
}

void PlaylistEditorWindow::keyPressEvent(QKeyEvent* event) {
    // A hidden default button is passed over by the dialog's own Enter handling: press it here.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        findChild<QPushButton*>(QStringLiteral("run"))->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void PlaylistEditorWindow::SendClose() { player_.OnEditorClosed(); }

void PlaylistEditorWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void PlaylistEditorWindow::dragMoveEvent(QDragMoveEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void PlaylistEditorWindow::dropEvent(QDropEvent* event) {
    std::vector<std::string> paths = DropPaths(event->mimeData());
    if (paths.empty()) return;
    event->acceptProposedAction();
    player_.OnDrop(std::move(paths), DropTarget::Editor, std::nullopt);
}

PlaylistView& QtEditorWindow::Create(Rect rect) {
    Destroy();
    dialog_ = new PlaylistEditorWindow(*player_, owner_);
    dialog_->setAttribute(Qt::WA_DeleteOnClose, false);
    dialog_->PlaceControls(PlaylistEditor::EditorLayout(rect.width, rect.height));
    dialog_->setGeometry(rect.x, rect.y, rect.width, rect.height);
    dialog_->show();
    dialog_->raise();
    return *dialog_;
}

void QtEditorWindow::Destroy() {
    if (!dialog_) return;
    // A bare X server gives the keyboard to nobody when the focused window goes: back to the panel.
    if (dialog_->isActiveWindow() && owner_ && !x11::WindowManagerRunning()) owner_->activateWindow();
    // Later: the close may come from one of the window's own handlers.
    dialog_->hide();
    dialog_->deleteLater();
    dialog_ = nullptr;
}

void QtEditorWindow::PlaceControls(const std::vector<ControlPlace>& places) {
    if (dialog_) dialog_->PlaceControls(places);
}

}  // namespace felux
