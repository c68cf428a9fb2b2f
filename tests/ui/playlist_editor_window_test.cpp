// The editor window and the list save options on Qt: captions, closing ways, lines from the core, dropped URLs.
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QtTest>

#include "PlayerHarness.h"
#include "qt/DropPaths.h"
#include "qt/ListSaveOptionsDlg.h"
#include "qt/PlaylistEditorWindow.h"

namespace felux {

class PlaylistEditorWindowTest : public QObject {
    Q_OBJECT

private:
    // A player with three entries and the editor core opened on a real window.
    struct Opened {
        Opened() : window(Start(h), nullptr) {
            h.player->editor.Open(window, 1);
            h.player->editor.MarkCurrent(1);
        }
        static test::TestPlayer& Start(test::PlayerHarness& harness) {
            return harness.Start({"/m/a.mpg", "/m/b.mpg", "/m/c.mpg"});
        }
        test::PlayerHarness h;
        PlaylistEditorWindow window;
    };

private slots:
    void optionsAreOneChoiceOfThree() {
        for (const auto& [mode, checked] : {std::pair{-3, 0}, std::pair{1, 1}, std::pair{2, 2}, std::pair{9, 2}}) {
            ListSaveOptionsDlg dialog(mode);
            QCOMPARE(dialog.Mode(), checked);
        }
        ListSaveOptionsDlg dialog(0);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("ﾀﾞｲｱﾛｸﾞ"));
        QCOMPARE(dialog.findChild<QGroupBox*>()->title(), QStringLiteral("リストファイルの保存設定"));
        auto* relative = dialog.findChild<QCheckBox*>(QStringLiteral("mode2"));
        QCOMPARE(relative->text(), QStringLiteral("対象ファイルを相対パスで保存"));
        QCOMPARE(dialog.findChild<QCheckBox*>(QStringLiteral("mode0"))->text(),
                 QStringLiteral("対象ファイルを絶対パスで保存（デフォルト）"));
        relative->click();
        QCOMPARE(dialog.Mode(), 2);
        QVERIFY(!dialog.findChild<QCheckBox*>(QStringLiteral("mode0"))->isChecked());
        // A click on the checked box leaves it checked: there is always exactly one.
        relative->click();
        QVERIFY(relative->isChecked());
    }

    void windowShowsTheCoreLinesAndEveryCaption() {
        Opened o;
        QCOMPARE(o.window.windowTitle(), QStringLiteral("Torvel"));
        auto* list = o.window.findChild<QListWidget*>(QStringLiteral("list"));
        QCOMPARE(list->count(), 3);
        QCOMPARE(list->item(1)->text(), QStringLiteral(">0002 b.mpg"));
        QStringList captions;
        for (const char* name : {"load", "save", "new", "sort", "random", "up", "down", "delete", "options", "close"})
            captions << o.window.findChild<QPushButton*>(QString::fromLatin1(name))->text();
        QCOMPARE(captions, (QStringList{QStringLiteral("読込"), QStringLiteral("保存"), QStringLiteral("新規"),
                                        QStringLiteral("ソート"), QStringLiteral("ランダム"), QStringLiteral("上へ"),
                                        QStringLiteral("下へ"), QStringLiteral("削除"), QStringLiteral("設定"),
                                        QStringLiteral("戻る")}));
        auto* run = o.window.findChild<QPushButton*>(QStringLiteral("run"));
        QVERIFY(run->isDefault());
        QVERIFY(run->isHidden());

        // A selection shows its folder; the buttons edit through the core.
        list->item(2)->setSelected(true);
        QCOMPARE(o.window.findChild<QLineEdit*>(QStringLiteral("folder"))->text(), QStringLiteral("/m/"));
        o.window.findChild<QPushButton*>(QStringLiteral("up"))->click();
        QCOMPARE(list->item(1)->text(), QStringLiteral(" 0002 c.mpg"));
        QVERIFY(list->item(1)->isSelected());
        QVERIFY(!list->item(2)->isSelected());
        QCOMPARE(list->item(2)->text(), QStringLiteral(">0003 b.mpg"));
    }

    void escapeEnterCloseButtonAndRightPressAllClose() {
        for (int way = 0; way < 4; ++way) {
            Opened o;
            o.window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&o.window));
            if (way == 0) QTest::keyClick(&o.window, Qt::Key_Escape);
            if (way == 1) QTest::keyClick(&o.window, Qt::Key_Return);
            if (way == 2) o.window.findChild<QPushButton*>(QStringLiteral("close"))->click();
            if (way == 3) QTest::mouseClick(&o.window, Qt::RightButton, {}, QPoint(2, 2));
            QVERIFY2(!o.h.player->editor.IsOpen(), qPrintable(QStringLiteral("way %1").arg(way)));
        }
    }

    // F2 edits a segment entry's title in place; a whole file's line has no edit.
    void f2EditsASegmentTitleInPlace() {
        Opened o;
        o.h.player->playlist.AppendPath("/m/a.mpg<<0:00:01:000-0:00:02:500>>");
        o.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&o.window));
        auto* list = o.window.findChild<QListWidget*>(QStringLiteral("list"));
        list->setFocus();
        list->setCurrentRow(0);
        QTest::keyClick(list, Qt::Key_F2);
        QVERIFY(!list->findChild<QLineEdit*>());
        list->setCurrentRow(3);
        QTest::keyClick(list, Qt::Key_F2);
        auto* field = list->findChild<QLineEdit*>();
        QVERIFY(field);
        field->insert(QStringLiteral("サビ"));
        QTest::keyClick(field, Qt::Key_Return);
        QTRY_COMPARE(o.h.player->playlist.TitleAt(3), std::string("*サビ"));  // committed after the key
        QCOMPARE(list->item(3)->text(), QStringLiteral(" 0004 a.mpg  0:01.00\u20130:02.50  サビ"));
        QVERIFY(o.h.player->editor.IsOpen());
    }

    void droppedUrlsKeepTheirBytes() {
        QMimeData data;
        data.setData(QStringLiteral("text/uri-list"),
                     "file:///tmp/caf%E9.mpg\r\nhttp://example.org/x.mpg\r\nfile:///tmp/a%00/junk\r\n"
                     "file://server/tmp/y.mpg\r\nfile:///tmp/a%20b/\r\n");
        const std::vector<std::string> paths = DropPaths(&data);
        QCOMPARE(paths.size(), std::size_t{2});
        QCOMPARE(paths[0], std::string("/tmp/caf\xE9.mpg"));
        QCOMPARE(paths[1], std::string("/tmp/a b/"));
        QVERIFY(DragButton(Qt::LeftButton | Qt::RightButton) == MouseButton::Right);
        QVERIFY(DragButton(Qt::LeftButton) == MouseButton::Left);
        QVERIFY(!DragButton(Qt::NoButton));
    }
};

}  // namespace felux

QTEST_MAIN(felux::PlaylistEditorWindowTest)
#include "playlist_editor_window_test.moc"
