// The translation of the program's Japanese texts, compiled into the program.
#include "qt/Translation.h"

#include <QCoreApplication>
#include <QTranslator>
#include <cstdlib>

#include "i18n/UiText.h"

namespace felux {

UiLanguage InstallTranslation() {
    const UiLanguage language = ChooseUiLanguage([](const char* name) { return std::getenv(name); });
    if (language == UiLanguage::Japanese) return language;
    auto* translator = new QTranslator(QCoreApplication::instance());
    // Built with the program; a missing one would leave the Japanese texts, still usable.
    if (!translator->load(QStringLiteral(":/i18n/felux_en.qm"))) return UiLanguage::Japanese;
    QCoreApplication::installTranslator(translator);
    InstallTextCatalogue([](const char* context, const char* source) {
        return QCoreApplication::translate(context, source).toStdString();
    });
    return language;
}

}  // namespace felux
