// The settings and special functions dialogs on screen: linked checks, refusals, sub-dialogs, OK and Cancel.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <QtTest>
#include <functional>
#include <set>

#include "FakeDisplayModes.h"
#include "qt/QtSettingsDialogs.h"
#include "qt/SettingsDlg.h"
#include "qt/SpecialSettingsDlg.h"

namespace felux {

class SettingsDlgTest : public QObject {
    Q_OBJECT

private:
    template <typename T>
    static T* Child(const QWidget* parent, const QString& name) {
        T* child = parent->findChild<T*>(name);
        if (!child) qWarning() << "no child" << name;
        return child;
    }
    static void Click(const QWidget* parent, const QString& name) {
        QTest::mouseClick(Child<QAbstractButton>(parent, name), Qt::LeftButton);
    }

    // Runs `act` on the modal dialog that opens next, once it is up.
    static void WhenModal(std::function<void(QWidget*)> act) {
        QTimer::singleShot(0, [act = std::move(act)] {
            QWidget* modal = QApplication::activeModalWidget();
            QVERIFY(modal);
            act(modal);
        });
    }

    // The form a dialog sees after `configure`, as the player would open it.
    static SettingsForm Form(const std::function<void(PlayerSettings&)>& configure = {}) {
        PlayerSettings s;
        if (configure) configure(s);
        return OpenSettingsForm(s, 62);
    }

    test::FakeDisplayModes modes_;

private slots:
    void linkedChecksFollowOnScreen() {
        SettingsDlg dialog(Form([](PlayerSettings& s) {
            s.topmostMode = 2;
            s.hideCursorInFullScreen = 0;
            s.mouseVolume = 0;
        }), modes_);
        auto* all = Child<QCheckBox>(&dialog, "check1094");
        auto* panel = Child<QCheckBox>(&dialog, "check1093");
        QVERIFY(panel->isChecked());
        all->click();
        QVERIFY(all->isChecked());
        QVERIFY(!panel->isChecked());

        auto* mouse = Child<QCheckBox>(&dialog, "check1102");
        auto* cursor = Child<QCheckBox>(&dialog, "check1078");
        mouse->click();
        QVERIFY(cursor->isChecked());
        cursor->click();
        QVERIFY(!mouse->isChecked());
        QVERIFY(!dialog.Form().Checked(FormCheck::MouseVolume));
        // Clearing one of an exclusive pair leaves the other alone.
        Child<QCheckBox>(&dialog, "check1098")->click();
        QVERIFY(!Child<QCheckBox>(&dialog, "check1147")->isChecked());
        Child<QCheckBox>(&dialog, "check1098")->click();
        QVERIFY(!Child<QCheckBox>(&dialog, "check1147")->isChecked());
    }

    void aRefusedValueKeepsTheDialogOpenWithTheFocusOnIt() {
        SettingsDlg dialog(Form(), modes_);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        auto* logMax = Child<QLineEdit>(&dialog, "edit1034");
        auto* wait = Child<QLineEdit>(&dialog, "edit1037");
        logMax->setText(QStringLiteral("10001"));
        wait->setText(QStringLiteral("0"));
        QString message;
        WhenModal([&message](QWidget* box) {
            message = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))->text();
            box->close();
        });
        QTest::keyClick(wait, Qt::Key_Return);
        QCOMPARE(message, QStringLiteral("0 から 10000 までの整数を入力してください。"));
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.focusWidget(), logMax);
        QCOMPARE(logMax->selectedText(), QStringLiteral("10001"));

        // Full-width digits from an input method count as digits.
        logMax->setText(QStringLiteral("１００００"));
        wait->setText(QStringLiteral("50"));
        QTest::keyClick(logMax, Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.Form().values.volumeLogMax, 10000);
        QCOMPARE(dialog.Form().values.searchWait, 50);
        dialog.grab().save(QStringLiteral("settings-dialog.png"));
    }

    // Escape discards everything, OK keeps the sub-dialogs' results; Enter is OK.
    void subDialogResultsLiveAndDieWithTheDialog() {
        QWidget owner;
        QtSettingsDialogs dialogs(&owner, modes_);
        std::vector<std::optional<SettingsForm>> answers;
        dialogs.SetClosed([&answers](const std::optional<SettingsForm>& a) { answers.push_back(a); });
        const SettingsForm form = Form([](PlayerSettings& s) {
            s.aspectPresetIndex = 2;
            s.syncSearchPath1 = "";
        });

        // Changes a folder, the first aspect preset and a wheel step in the sub-dialogs, each with OK.
        auto editSubDialogs = [](SettingsDlg*& dialog) {
            dialog = qobject_cast<SettingsDlg*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            WhenModal([](QWidget* special) {
                Child<QLineEdit>(special, "edit1066")->setText(QStringLiteral("/sound"));
                Click(special, "buttonOk");
            });
            Click(dialog, "button1041");
            WhenModal([](QWidget* aspect) {
                Child<QLineEdit>(aspect, "preset0")->setText(QStringLiteral("21:9"));
                QTest::keyClick(aspect, Qt::Key_Return);
            });
            Click(dialog, "button1092");
            WhenModal([](QWidget* wheel) {
                Child<QLineEdit>(wheel, "edit1137")->setText(QStringLiteral("999"));
                Click(wheel, "buttonOk");
            });
            Click(dialog, "button1140");
            auto* combo = Child<QComboBox>(dialog, "combo1035");
            QCOMPARE(combo->currentIndex(), 0);
            QCOMPARE(combo->currentText(), QStringLiteral("21:9"));
        };

        dialogs.ShowSettings(form);
        QTRY_VERIFY(qobject_cast<SettingsDlg*>(QApplication::activeModalWidget()));
        SettingsDlg* first = nullptr;
        editSubDialogs(first);
        QVERIFY(first);
        QTest::keyClick(first, Qt::Key_Escape);
        QTRY_COMPARE(answers.size(), std::size_t{1});
        QVERIFY(!answers[0]);

        dialogs.ShowSettings(form);
        QTRY_VERIFY(qobject_cast<SettingsDlg*>(QApplication::activeModalWidget()));
        SettingsDlg* second = nullptr;
        editSubDialogs(second);
        QVERIFY(second);
        QTest::keyClick(second, Qt::Key_Return);
        QTRY_COMPARE(answers.size(), std::size_t{2});
        QVERIFY(answers[1]);
        QCOMPARE(QString::fromStdString(answers[1]->values.syncSearchPath1), QStringLiteral("/sound/"));
        QVERIFY(answers[1]->values.aspectPresets.starts_with("21:9;4:3;"));
        QCOMPARE(answers[1]->values.aspectPresetIndex, 2);
        QVERIFY(answers[1]->wheelPlayText.starts_with("0,999,"));
    }

    // OK without a change gives back the stored font, even a name that only resolves through a
    // substitution and a weight the face has no style for; only 5 to 11 points are offered.
    void fontChooserChangesOnlyWhatTheUserChanged() {
        SettingsDlg dialog(Form([](PlayerSettings& s) {
            s.fontFace = "ＭＳ Ｐゴシック";
            s.fontWeight = 700;
            s.fontHeight = -14;
            s.fontItalic = 255;
        }), modes_);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QStringList sizes;
        WhenModal([&sizes](QWidget* chooser) {
            auto* size = Child<QComboBox>(chooser, "comboSize");
            for (int i = 0; i < size->count(); ++i) sizes << size->itemText(i);
            QCOMPARE(Child<QComboBox>(chooser, "comboFace")->currentText(), QStringLiteral("ＭＳ Ｐゴシック"));
            QVERIFY(Child<QCheckBox>(chooser, "checkBold")->isChecked());
            chooser->grab().save(QStringLiteral("font-chooser.png"));
            Click(chooser, "buttonOk");
        });
        Click(&dialog, "button1112");
        QCOMPARE(sizes, QStringList({"5", "6", "7", "8", "9", "10", "11"}));
        const PlayerSettings& v = dialog.Form().values;
        QCOMPARE(QString::fromStdString(v.fontFace), QStringLiteral("ＭＳ Ｐゴシック"));
        QCOMPARE(v.fontWeight, 700);
        QCOMPARE(v.fontHeight, -14);
        QCOMPARE(v.fontItalic, 255);

        WhenModal([](QWidget* chooser) {
            Child<QComboBox>(chooser, "comboSize")->setCurrentIndex(4);  // 9 points
            Child<QCheckBox>(chooser, "checkBold")->click();
            Click(chooser, "buttonOk");
        });
        Click(&dialog, "button1112");
        QCOMPARE(QString::fromStdString(dialog.Form().values.fontFace), QStringLiteral("ＭＳ Ｐゴシック"));
        QCOMPARE(dialog.Form().values.fontHeight, -qRound(9 * dialog.logicalDpiY() / 72.0));
        QCOMPARE(dialog.Form().values.fontWeight, 400);
        QCOMPARE(dialog.Form().values.fontItalic, 255);
        // The stored name stays; the font it draws in shows beside it.
        QCOMPARE(Child<QLineEdit>(&dialog, "edit1109")->text(), QStringLiteral("ＭＳ Ｐゴシック (IPAPGothic)"));

        WhenModal([](QWidget* chooser) {
            Child<QComboBox>(chooser, "comboFace")->setCurrentText(QStringLiteral("IPAGothic"));
            Click(chooser, "buttonOk");
        });
        Click(&dialog, "button1112");
        QCOMPARE(QString::fromStdString(dialog.Form().values.fontFace), QStringLiteral("IPAGothic"));
        QCOMPARE(Child<QLineEdit>(&dialog, "edit1109")->text(), QStringLiteral("IPAGothic"));
    }

    void everyControlIsReachedWithTab() {
        SettingsDlg dialog(Form(), modes_);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        std::set<QWidget*> reached;
        for (int i = 0; i < 200; ++i) {
            reached.insert(QApplication::focusWidget());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        for (QWidget* w : dialog.findChildren<QWidget*>()) {
            const bool control = qobject_cast<QAbstractButton*>(w) || qobject_cast<QComboBox*>(w) ||
                                 (qobject_cast<QLineEdit*>(w) && w->focusPolicy() != Qt::NoFocus);
            if (control && w->isVisible()) QVERIFY2(reached.count(w), qPrintable(w->objectName()));
        }
    }

    void specialDialogListsModesOnceAndReadsFlagsAndSpeeds() {
        modes_.modes = {{1920, 1080, 24}, {1920, 1080, 24}, {1280, 1024, 24}, {800, 600, 24}};
        PlayerSettings s;
        s.fullScreenModeNumber = 1;  // a repeat: no item of its own
        s.syncFlags = "0100111";
        SpecialSettingsDlg dialog(OpenSpecialForm(s, modes_), modes_);
        auto* combo = Child<QComboBox>(&dialog, "combo1051");
        QCOMPARE(combo->count(), 3);
        QCOMPARE(combo->currentIndex(), -1);
        QString checked;
        for (int control : {1062, 1063, 1064, 1065, 1068, 1069, 1072})
            checked += Child<QCheckBox>(&dialog, QStringLiteral("check%1").arg(control))->isChecked() ? '1' : '0';
        QCOMPARE(checked, QStringLiteral("0100111"));

        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        combo->setFocus();
        QTest::keyClick(combo, Qt::Key_Down);
        QTest::keyClick(combo, Qt::Key_Down);
        QCOMPARE(combo->currentIndex(), 1);
        Child<QCheckBox>(&dialog, "check1062")->click();
        auto* pauseRew = Child<QLineEdit>(&dialog, "edit1045");
        pauseRew->setText(QStringLiteral("30001"));
        Child<QLineEdit>(&dialog, "edit1042")->setText(QStringLiteral("-1"));
        WhenModal([](QWidget* box) { box->close(); });
        Click(&dialog, "buttonOk");
        QCOMPARE(dialog.focusWidget(), pauseRew);
        dialog.grab().save(QStringLiteral("special-settings-dialog.png"));
        pauseRew->setText(QStringLiteral("30000"));
        Child<QLineEdit>(&dialog, "edit1042")->setText(QStringLiteral("0"));
        Click(&dialog, "buttonOk");
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.Form().modeNumber, 2);
        QCOMPARE(dialog.Form().mode.width, 1280);
        QCOMPARE(QString::fromStdString(dialog.Form().flags), QStringLiteral("1100111"));
        QCOMPARE(dialog.Form().searchSpeedPauseRew, 30000);
    }
};

}  // namespace felux

QTEST_MAIN(felux::SettingsDlgTest)
#include "settings_dlg_test.moc"
