// The playlist editor window "Torvel": the display lines, the folder field and the buttons; edits go to the core.
#pragma once

#include <QDialog>
#include <QPointer>
#include <map>

#include "platform/EditorPorts.h"
#include "playlist/Playlist.h"

class QLineEdit;
class QListWidget;
class QPushButton;

namespace felux {

class Player;

class PlaylistEditorWindow : public QDialog, public PlaylistView {
    Q_OBJECT
public:
    PlaylistEditorWindow(Player& player, QWidget* parent);

    void InsertLine(std::size_t index, const std::string& line) override;
    void DeleteLine(std::size_t index) override;
    void ReplaceLine(std::size_t index, const std::string& line) override;
    void RenumberLine(std::size_t index, std::size_t number) override;
    std::vector<std::size_t> SelectedLines() const override;
    void SelectLine(std::size_t index, bool selected) override;
    void ShowFolder(const std::string& folder) override;

    void PlaceControls(const std::vector<ControlPlace>& places);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    // Enter and Escape: both close, as "戻る" does.
    void accept() override { SendClose(); }
    void reject() override { SendClose(); }

private:
    QPushButton* AddButton(EditorControl control, const char* name, const QString& caption);
    void SendClose();

    Player& player_;
    QListWidget* list_;
    QLineEdit* folder_;
    std::map<EditorControl, QWidget*> controls_;
};

// The editor window port: creates the window on demand and lets it go when it closes.
class QtEditorWindow : public EditorWindow {
public:
    void SetPlayer(Player* player, QWidget* owner) {
        player_ = player;
        owner_ = owner;
    }
    PlaylistView& Create(Rect rect) override;
    void Destroy() override;
    void PlaceControls(const std::vector<ControlPlace>& places) override;
    // The open window, or null.
    QWidget* Widget() const { return dialog_; }

private:
    Player* player_ = nullptr;
    QWidget* owner_ = nullptr;
    QPointer<PlaylistEditorWindow> dialog_;
};

}  // namespace felux
