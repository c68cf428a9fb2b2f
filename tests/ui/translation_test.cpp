// The English translation on every window: no Japanese text left, and every caption shown whole.
#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTranslator>
#include <QtTest>

#include "FakeDisplayModes.h"
#include "PlayerHarness.h"
#include "i18n/UiText.h"
#include "qt/AspectDlg.h"
#include "qt/FontChooserDlg.h"
#include "qt/ListSaveOptionsDlg.h"
#include "playlist/PopupMenuItems.h"
#include "qt/PlaylistEditorWindow.h"
#include "qt/QtPlaylistDialogs.h"
#include "qt/SettingsDlg.h"
#include "qt/SpecialSettingsDlg.h"
#include "qt/WheelSeekDlg.h"
#include "settings/DialogInt.h"
#include "settings/SpecialSettingsForm.h"

namespace felux {

class TranslationTest : public QObject {
    Q_OBJECT

private:
    // Kana, kanji, Japanese punctuation and the half-width kana: a text the translation missed.
    static bool HasJapanese(const QString& text) {
        for (const QChar c : text) {
            const char16_t u = c.unicode();
            if ((u >= 0x3000 && u <= 0x30FF) || (u >= 0x4E00 && u <= 0x9FFF) || (u >= 0xFF61 && u <= 0xFF9F))
                return true;
        }
        return false;
    }

    // Every text the window shows as its own, not the user's data: titles, captions, items, tips.
    static QStringList Captions(const QWidget* window) {
        QStringList texts{window->windowTitle()};
        QList<const QWidget*> widgets{window};
        for (const QWidget* w : window->findChildren<QWidget*>()) widgets << w;
        for (const QWidget* w : widgets) {
            texts << w->toolTip() << w->whatsThis();
            if (auto* label = qobject_cast<const QLabel*>(w)) texts << label->text();
            if (auto* button = qobject_cast<const QAbstractButton*>(w)) texts << button->text();
            if (auto* box = qobject_cast<const QGroupBox*>(w)) texts << box->title();
            // The font list holds the system's font names.
            if (auto* combo = qobject_cast<const QComboBox*>(w); combo && combo->objectName() != "comboFace")
                for (int i = 0; i < combo->count(); ++i) texts << combo->itemText(i);
            for (const QAction* action : w->actions()) texts << action->text();
        }
        texts.removeAll(QString());
        return texts;
    }

    static void ExpectEnglish(const QWidget* window) {
        for (const QString& text : Captions(window))
            if (HasJapanese(text)) QFAIL(qPrintable(window->metaObject()->className() + QStringLiteral(": ") + text));
    }

    // A caption cut short by its place: the text is wider than what the widget has for it.
    static void ExpectWhole(QWidget* window) {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        for (const QWidget* w : window->findChildren<QWidget*>()) {
            if (!w->isVisible()) continue;
            QString text;
            int room = w->width();
            if (auto* button = qobject_cast<const QAbstractButton*>(w)) {
                text = button->text();
                // A check box's text starts after its box.
                if (!qobject_cast<const QPushButton*>(w)) room -= w->style()->pixelMetric(QStyle::PM_IndicatorWidth) + 4;
            } else if (auto* label = qobject_cast<const QLabel*>(w); label && !label->wordWrap()) {
                text = label->text();
            }
            if (text.isEmpty()) continue;
            const int needed = w->fontMetrics().horizontalAdvance(QString(text).remove(QLatin1Char('&')));
            if (needed > room)
                QFAIL(qPrintable(QStringLiteral("%1 \"%2\" needs %3 px, has %4").arg(
                    window->metaObject()->className(), text).arg(needed).arg(room)));
        }
    }

    test::FakeDisplayModes modes_;
    QTranslator translator_;

private slots:
    void initTestCase() {
        QVERIFY(translator_.load(QStringLiteral(":/i18n/felux_en.qm")));
        QCoreApplication::installTranslator(&translator_);
        InstallTextCatalogue([](const char* context, const char* source) {
            return QCoreApplication::translate(context, source).toStdString();
        });
    }

    void cleanupTestCase() { InstallTextCatalogue({}); }

    void settingsAndItsSubDialogsSpeakEnglishInFull() {
        SettingsDlg settings(OpenSettingsForm(PlayerSettings{}, 62), modes_);
        QCOMPARE(settings.windowTitle(), QStringLiteral("Settings"));
        ExpectEnglish(&settings);
        ExpectWhole(&settings);

        SpecialSettingsDlg special(OpenSpecialForm(PlayerSettings{}, modes_), modes_);
        QCOMPARE(special.windowTitle(), QStringLiteral("Special functions"));
        ExpectEnglish(&special);
        ExpectWhole(&special);

        WheelSeekDlg wheel("100 200", "-100 100", nullptr);
        ExpectEnglish(&wheel);
        ExpectWhole(&wheel);
        FontChooserDlg font(FontChoice{}, 96);
        ExpectEnglish(&font);
        ExpectWhole(&font);
        AspectDlg aspect(AspectPresetList{});
        ExpectEnglish(&aspect);
        ExpectWhole(&aspect);
    }

    void editorAndItsMenusSpeakEnglishInFull() {
        test::PlayerHarness h;
        PlaylistEditorWindow editor(h.Start({"/m/a.mpg", "/m/b.mpg"}), nullptr);
        h.player->editor.Open(editor, 1);
        editor.PlaceControls(PlaylistEditor::EditorLayout(editor.width(), editor.height()));
        ExpectEnglish(&editor);
        ExpectWhole(&editor);
        QCOMPARE(editor.findChild<QPushButton*>(QStringLiteral("random"))->text(), QStringLiteral("Shuffle"));
        ListSaveOptionsDlg options(0);
        ExpectEnglish(&options);
        ExpectWhole(&options);

        QWidget owner;
        QtPlaylistDialogs dialogs([&owner] { return &owner; });
        dialogs.OpenPopupMenu({10, 10}, kFileInfoMenuCaption, {"Title    : x"}, false);
        auto* menu = owner.findChild<QMenu*>();
        QVERIFY(menu);
        ExpectEnglish(menu);
        menu->close();
    }

    // Texts the core writes reach the user through the same catalogue, numbers filled in after.
    void coreTextsAreTranslatedWithTheirNumbers() {
        QCOMPARE(CheckDialogInt("x", 0, 30000).value_or(""), "Enter a whole number from 0 to 30000.");
        QCOMPARE(CheckDialogInt("1.5").value_or(""), "Enter a whole number.");
        QCOMPARE(FillText(UiText("DropFiles", "読込中 %1"), {"1200"}), "Loading 1200");
    }
};

}  // namespace felux

QTEST_MAIN(felux::TranslationTest)
#include "translation_test.moc"
