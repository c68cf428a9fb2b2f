// The language the windows speak, from the environment as gettext reads it, and the filling of texts.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "i18n/UiLanguage.h"
#include "i18n/UiText.h"

namespace felux {
namespace {

UiLanguage With(const std::map<std::string, std::string>& env) {
    return ChooseUiLanguage([&env](const char* name) -> const char* {
        const auto found = env.find(name);
        return found == env.end() ? nullptr : found->second.c_str();
    });
}

TEST(UiLanguageTest, LocaleVariablesInGettextOrder) {
    EXPECT_EQ(With({}), UiLanguage::Japanese);
    EXPECT_EQ(With({{"LANG", "C"}}), UiLanguage::Japanese);
    EXPECT_EQ(With({{"LANG", "POSIX"}}), UiLanguage::Japanese);
    EXPECT_EQ(With({{"LANG", "C.UTF-8"}}), UiLanguage::Japanese);
    EXPECT_EQ(With({{"LANG", "ja_JP.UTF-8"}}), UiLanguage::Japanese);
    EXPECT_EQ(With({{"LANG", "ja"}}), UiLanguage::Japanese);
    EXPECT_EQ(With({{"LANG", "en_US.UTF-8"}}), UiLanguage::English);
    EXPECT_EQ(With({{"LANG", "de_DE.UTF-8"}}), UiLanguage::English);
    // "jam" is not Japanese: the language part ends at _ . @ or the end.
    EXPECT_EQ(With({{"LANG", "jam_JM"}}), UiLanguage::English);
    // LC_ALL over LC_MESSAGES over LANG; an empty one counts as unset.
    EXPECT_EQ(With({{"LANG", "ja_JP.UTF-8"}, {"LC_MESSAGES", "en_GB.UTF-8"}}), UiLanguage::English);
    EXPECT_EQ(With({{"LC_ALL", "ja_JP.UTF-8"}, {"LC_MESSAGES", "en_GB.UTF-8"}}), UiLanguage::Japanese);
    EXPECT_EQ(With({{"LC_ALL", ""}, {"LANG", "fr_FR.UTF-8"}}), UiLanguage::English);
    EXPECT_EQ(With({{"LC_ALL", "C"}, {"LANG", "fr_FR.UTF-8"}}), UiLanguage::Japanese);
}

TEST(UiLanguageTest, LanguageListRefinesAChosenLocaleOnly) {
    EXPECT_EQ(With({{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "fr:ja:en"}}), UiLanguage::Japanese);
    EXPECT_EQ(With({{"LANG", "ja_JP.UTF-8"}, {"LANGUAGE", "en_GB:ja"}}), UiLanguage::English);
    // Nothing known in the list: the locale decides.
    EXPECT_EQ(With({{"LANG", "ja_JP.UTF-8"}, {"LANGUAGE", "fr::de"}}), UiLanguage::Japanese);
    // As in gettext, the C locale ignores LANGUAGE.
    EXPECT_EQ(With({{"LANG", "C"}, {"LANGUAGE", "en"}}), UiLanguage::Japanese);
    EXPECT_EQ(With({{"LANGUAGE", "en"}}), UiLanguage::Japanese);
}

TEST(UiTextTest, ArgumentsFillTheirPlacesAndOtherPercentsStay) {
    EXPECT_EQ(FillText("%2 to %1", {"a", "b"}), "b to a");
    EXPECT_EQ(FillText("10% ～ %1%", {"200"}), "10% ～ 200%");
    // A place with no argument, and one at the very end, stay as written.
    EXPECT_EQ(FillText("%3 %1%", {"x"}), "%3 x%");
    EXPECT_EQ(FillText("%", {"x"}), "%");
    // An argument is not filled again.
    EXPECT_EQ(FillText("%1 %2", {"%2", "y"}), "%2 y");
    // No catalogue: the source itself.
    EXPECT_EQ(UiText("DialogInt", "整数を入力してください。"), "整数を入力してください。");
}

}  // namespace
}  // namespace felux
