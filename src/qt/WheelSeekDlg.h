// The wheel seek dialog: the user step tables as eighteen fields for playing and eighteen for paused.
#pragma once

#include <QDialog>
#include <array>
#include <string>

class QLineEdit;
class QWidget;

namespace felux {

class WheelSeekDlg : public QDialog {
    Q_OBJECT
public:
    // The two tables in their text form, as the settings dialog holds them.
    WheelSeekDlg(const std::string& playText, const std::string& pauseText, QWidget* parent = nullptr);

    // After OK or "初期化", the edited texts; after Cancel, the texts it was given.
    const std::string& PlayText() const { return playText_; }
    const std::string& PauseText() const { return pauseText_; }

    // Control numbers of the fields, by table (0 playing, 1 paused), side (0 forward, 1 back) and step 1..9.
    static int FieldId(int table, int side, int step);

private:
    struct TableEdits {
        std::array<QLineEdit*, 9> forward{};
        std::array<QLineEdit*, 9> backward{};
    };
    QWidget* MakeTable(const QString& title, const std::string& text, TableEdits& edits, int table);
    static std::string Rebuild(const TableEdits& edits);
    void AcceptEdits();
    void AcceptDefaults();

    std::array<TableEdits, 2> edits_;
    std::string playText_;
    std::string pauseText_;
};

}  // namespace felux
