// The borderless 407 x 50 main window with the panel laid over it.
#pragma once

#include <QWidget>

namespace felux {

class MainPlayerDlg;

// The panel surface: shows the frames the player composes from the skin.
class PanelWidget : public QWidget {
    Q_OBJECT
public:
    explicit PanelWidget(QWidget* parent);
    void SetPlayer(MainPlayerDlg* player) { player_ = player; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    MainPlayerDlg* player_ = nullptr;
};

class MainWindow : public QWidget {
    Q_OBJECT
public:
    MainWindow();
    PanelWidget* Panel() const { return panel_; }
    void SetPlayer(MainPlayerDlg* player);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    PanelWidget* panel_;
    MainPlayerDlg* player_ = nullptr;
};

}  // namespace felux
