// The aspect preset dialog: its texts, the reset button, OK and Cancel.
#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "qt/AspectDlg.h"
#include "settings/PlayerSettings.h"

namespace felux {

class AspectDlgTest : public QObject {
    Q_OBJECT

private:
    static QLineEdit* Box(const AspectDlg& dialog, int index) {
        return dialog.findChild<QLineEdit*>(QStringLiteral("preset%1").arg(index));
    }

    // Clicks the dialog button with `text` once the modal dialog is up.
    static void ClickWhenShown(const QString& text) {
        QTimer::singleShot(0, [text] {
            auto* dialog = qobject_cast<AspectDlg*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            Box(*dialog, 9)->setText(QStringLiteral("21:9"));
            for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
                if (button->text() == text) button->click();
            }
        });
    }

private slots:
    void showsTheEntriesUnderTheirKeys() {
        AspectDlg dialog(SplitAspectPresets("a;b;c;d;e;f;g;h;i;j;"));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("アスペクト比の設定"));
        QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("hint"))->text(),
                 QStringLiteral("比率の場合は : 解像度指定の場合は * を数値の間に挟んで下さい [例]320*240"));
        QCOMPARE(Box(dialog, 0)->text(), QStringLiteral("a"));
        QCOMPARE(Box(dialog, 9)->text(), QStringLiteral("j"));
        QStringList labels;
        for (const QLabel* label : dialog.findChildren<QLabel*>()) {
            if (label->buddy()) labels << label->text();
        }
        QCOMPARE(labels, (QStringList{"[ 1 ]", "[ 2 ]", "[ 3 ]", "[ 4 ]", "[ 5 ]", "[ 6 ]", "[ 7 ]", "[ 8 ]",
                                      "[ 9 ]", "[ 0 ]"}));
        QStringList buttons;
        for (const QPushButton* button : dialog.findChildren<QPushButton*>()) buttons << button->text();
        buttons.sort();
        QCOMPARE(buttons, (QStringList{"Cancel", "OK", "初期化"}));
    }

    void resetFillsTheDefaultsWithoutClosing() {
        AspectDlg dialog(SplitAspectPresets("x;y;"));
        dialog.findChild<QPushButton*>(QStringLiteral("reset"))->click();
        QCOMPARE(QString::fromStdString(JoinAspectPresets(dialog.Presets())), QString(kDefaultAspectPresets));
        QCOMPARE(dialog.result(), 0);
    }

    void boxesRefuseTheSeparatorAndOverlongEntries() {
        AspectDlg dialog(SplitAspectPresets(kDefaultAspectPresets));
        QLineEdit* box = Box(dialog, 0);
        box->clear();
        QTest::keyClicks(box, QStringLiteral("4;3"));
        QCOMPARE(box->text(), QStringLiteral("43"));
        box->clear();
        QTest::keyClicks(box, QString(40, QLatin1Char('9')));
        QCOMPARE(box->text().size(), AspectDlg::kMaxEntryLength);
    }

    void okReturnsTheEditedListAndCancelNothing() {
        ClickWhenShown(QStringLiteral("OK"));
        QCOMPARE(AspectDlg::Edit(kDefaultAspectPresets),
                 std::optional<std::string>("off;4:3;16:9;320*240;352*240;640*480;704*480;720*480;off;21:9;"));
        ClickWhenShown(QStringLiteral("Cancel"));
        QCOMPARE(AspectDlg::Edit(kDefaultAspectPresets), std::optional<std::string>());
    }
};

}  // namespace felux

QTEST_MAIN(felux::AspectDlgTest)
#include "aspect_dlg_test.moc"
