// The installed text catalogue and the argument filling the translated texts use.
#include "i18n/UiText.h"

#include <utility>
#include <vector>

namespace felux {
namespace {

TextCatalogue& Catalogue() {
    static TextCatalogue catalogue;
    return catalogue;
}

}  // namespace

void InstallTextCatalogue(TextCatalogue catalogue) { Catalogue() = std::move(catalogue); }

std::string UiText(const char* context, const char* source) {
    return Catalogue() ? Catalogue()(context, source) : std::string(source);
}

std::string FillText(std::string text, std::initializer_list<std::string> arguments) {
    const std::vector<std::string> args(arguments);
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        // One digit only: nine arguments are plenty, and "%10" stays unambiguous.
        if (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9') {
            const auto n = static_cast<std::size_t>(text[i + 1] - '1');
            if (n < args.size()) {
                out += args[n];
                ++i;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

}  // namespace felux
