// XRandR display modes on a private X server: the one-mode case and real switches.
#include <QtTest>

#include "XrandrTestModes.h"
#include "qt/XRandrDisplayModes.h"
#include "settings/SpecialSettingsForm.h"

namespace felux {

using ScreenSize = std::optional<std::pair<int, int>>;

class XRandrDisplayModesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        if (qEnvironmentVariableIsEmpty("DISPLAY")) QSKIP("needs an X server");
    }

    // Runs first, before any mode is added: Xvfb starts with its one size.
    void oneModeIsSafe() {
        XRandrDisplayModes modes;
        const ScreenSize before = test::CurrentScreenSize();
        QVERIFY(before);
        const std::optional<DisplayMode> first = modes.Enumerate(0);
        QVERIFY(first);
        QCOMPARE(std::pair(first->width, first->height), *before);
        QVERIFY(first->bits > 0);
        QVERIFY(!modes.Enumerate(1));
        QVERIFY(!modes.Enumerate(-1));
        modes.Restore();
        QVERIFY(!modes.Switch(1));
        QVERIFY(!modes.Switch(-1));
        QVERIFY(modes.Switch(0));
        modes.Restore();
        QCOMPARE(test::CurrentScreenSize(), before);
    }

    void switchesAndRestoresTheDesktopMode() {
        const ScreenSize desktop = test::CurrentScreenSize();
        if (!test::AddScreenModes({{640, 480}, {800, 600}})) QSKIP("the server cannot take extra modes");
            QCOMPARE(test::CurrentScreenSize(), desktop);
        {
            XRandrDisplayModes modes;
            QCOMPARE(modes.Enumerate(1)->width, 800);
            QCOMPARE(modes.Enumerate(2)->height, 480);
            QVERIFY(!modes.Enumerate(3));
            // The special functions dialog's list switches with the adapter's own numbers.
            for (const DisplayModeItem& item : ListDisplayModes(modes)) {
                QVERIFY(modes.Switch(item.number));
                const auto size = test::CurrentScreenSize();
                QVERIFY(size);
                QCOMPARE(item.text, FormatDisplayMode({size->first, size->second, modes.Enumerate(0)->bits}));
            }

            QVERIFY(modes.Switch(2));
            QCOMPARE(test::CurrentScreenSize(), ScreenSize(std::pair(640, 480)));
            QVERIFY(modes.Switch(1));
            QCOMPARE(test::CurrentScreenSize(), ScreenSize(std::pair(800, 600)));
            QVERIFY(!modes.Switch(7));
            QCOMPARE(test::CurrentScreenSize(), ScreenSize(std::pair(800, 600)));
            modes.Restore();
            // Back to the mode before the first switch, not the one before the last.
            QCOMPARE(test::CurrentScreenSize(), desktop);
            modes.Restore();
            QCOMPARE(test::CurrentScreenSize(), desktop);
            QVERIFY(modes.Switch(2));
        }
        // Ending the adapter gives the desktop its mode back.
        QCOMPARE(test::CurrentScreenSize(), desktop);
    }
};

}  // namespace felux

QTEST_MAIN(felux::XRandrDisplayModesTest)
#include "xrandr_display_modes_test.moc"
