// The panel's pop-up menus on Qt: names are shown as they are, never as shortcut keys.
#include <QAction>
#include <QMenu>
#include <QWidget>
#include <QtTest>

#include "qt/QtPlaylistDialogs.h"

namespace felux {

class PopupMenuTest : public QObject {
    Q_OBJECT

private slots:
    void namesAreShownLiterallyAndChooseOnlyByPosition() {
        QWidget window;
        QtPlaylistDialogs dialogs([&window] { return &window; });
        int chosen = -1;
        dialogs.SetReceivers([&chosen](int id) { chosen = id; }, {});

        // "&J" would make J choose the entry and show "Tom J̲erry"; a tab would start a shortcut column.
        dialogs.OpenPopupMenu({10, 10}, "A & B", {"  0001 Tom &Jerry.mpg", ">>0002 a\tb & c.mpg"}, true);
        auto* menu = window.findChild<QMenu*>();
        QVERIFY(menu);
        QStringList shown;
        for (const QAction* action : menu->actions()) shown << QKeySequence::mnemonic(action->text()).toString();
        QCOMPARE(shown, (QStringList{"", "", ""}));
        QCOMPARE(menu->actions().at(2)->text(), QStringLiteral(">>0002 a b && c.mpg"));
        QTest::keyClick(menu, Qt::Key_J);
        QTest::keyClick(menu, Qt::Key_Escape);
        QTRY_COMPARE(chosen, 0);

        dialogs.OpenPopupMenu({10, 10}, "History", {"/v/Tom & Jerry.mpg"}, true);
        menu = window.findChild<QMenu*>();
        QVERIFY(menu);
        QTest::keyClick(menu, Qt::Key_Down);
        QTest::keyClick(menu, Qt::Key_Return);
        QTRY_COMPARE(chosen, 1);
    }

    // A section without a title is no sub-menu: its item stands in the menu, numbered on.
    void anUntitledSectionsItemsStandInTheMenuItself() {
        QWidget window;
        QtPlaylistDialogs dialogs([&window] { return &window; });
        int chosen = -1;
        dialogs.SetReceivers([&chosen](int id) { chosen = id; }, {});
        dialogs.OpenSectionMenu({10, 10}, {{"字幕", {"なし", "1"}, 0}, {"チャプター", {}, std::nullopt},
                                           {"", {"この行をリピート"}, 0}});
        auto* menu = window.findChild<QMenu*>();
        QVERIFY(menu);
        const QList<QAction*> actions = menu->actions();
        QCOMPARE(actions.size(), 4);  // two sub-menus, the separator, the item
        QVERIFY(actions.at(0)->menu() && actions.at(0)->isEnabled());
        QVERIFY(!actions.at(1)->isEnabled());
        QVERIFY(actions.at(2)->isSeparator());
        QCOMPARE(actions.at(3)->text(), QStringLiteral("この行をリピート"));
        QVERIFY(actions.at(3)->isChecked());
        actions.at(3)->trigger();
        menu->hide();
        QTRY_COMPARE(chosen, 3);
    }
};

}  // namespace felux

QTEST_MAIN(felux::PopupMenuTest)
#include "popup_menu_test.moc"
