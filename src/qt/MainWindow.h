// The borderless 407 x 50 main window with the panel laid over it.
#pragma once

#include <QWidget>

#include <optional>

#include "model/MouseButton.h"
#include "qt/MouseRecord.h"

namespace felux {

class Player;

// The panel surface: shows the frames the player composes from the skin.
class PanelWidget : public QWidget {
    Q_OBJECT
public:
    explicit PanelWidget(QWidget* parent);
    void SetPlayer(Player* player) { player_ = player; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    Player* player_ = nullptr;
    WindowDrag drag_;
};

class MainWindow : public QWidget {
    Q_OBJECT
public:
    MainWindow();
    PanelWidget* Panel() const { return panel_; }
    void SetPlayer(Player* player);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    PanelWidget* panel_;
    bool shownOnce_ = false;
    Player* player_ = nullptr;
    std::optional<MouseButton> dragButton_;  // the button seen while the drag moved: it is up by the drop
};

}  // namespace felux
