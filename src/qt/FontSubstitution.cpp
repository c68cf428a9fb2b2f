// Windows font names in the settings resolve to the IPA fonts, for this program only.
#include "qt/FontSubstitution.h"

#include <fontconfig/fontconfig.h>

namespace felux {
namespace {

// Proportional names go to the proportional IPA faces; the others to the fixed-pitch ones.
// Mincho falls back to Gothic where the Mincho fonts are not installed.
constexpr const char kRules[] = R"(<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <alias binding="strong"><family>ＭＳ Ｐゴシック</family><prefer><family>IPAPGothic</family></prefer></alias>
  <alias binding="strong"><family>MS PGothic</family><prefer><family>IPAPGothic</family></prefer></alias>
  <alias binding="strong"><family>MS UI Gothic</family><prefer><family>IPAPGothic</family></prefer></alias>
  <alias binding="strong"><family>メイリオ</family><prefer><family>IPAPGothic</family></prefer></alias>
  <alias binding="strong"><family>Meiryo</family><prefer><family>IPAPGothic</family></prefer></alias>
  <alias binding="strong"><family>ＭＳ ゴシック</family><prefer><family>IPAGothic</family></prefer></alias>
  <alias binding="strong"><family>MS Gothic</family><prefer><family>IPAGothic</family></prefer></alias>
  <alias binding="strong"><family>ＭＳ Ｐ明朝</family><prefer><family>IPAPMincho</family><family>IPAPGothic</family></prefer></alias>
  <alias binding="strong"><family>MS PMincho</family><prefer><family>IPAPMincho</family><family>IPAPGothic</family></prefer></alias>
  <alias binding="strong"><family>ＭＳ 明朝</family><prefer><family>IPAMincho</family><family>IPAGothic</family></prefer></alias>
  <alias binding="strong"><family>MS Mincho</family><prefer><family>IPAMincho</family><family>IPAGothic</family></prefer></alias>
</fontconfig>
)";

}  // namespace

void SubstituteWindowsFonts() {
    FcConfig* config = FcInitLoadConfigAndFonts();
    if (!config) return;
    if (FcConfigParseAndLoadFromMemory(config, reinterpret_cast<const FcChar8*>(kRules), FcFalse))
        FcConfigSetCurrent(config);
    FcConfigDestroy(config);  // the current configuration keeps its own reference
}

}  // namespace felux
