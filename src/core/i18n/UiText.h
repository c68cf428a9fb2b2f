// Texts the core writes for the user: marked for the translation tools, looked up in the
// catalogue the program installs at start.
#pragma once

#include <functional>
#include <string>

namespace felux {

// Marks a text in a table for the translation tools; the text is looked up where it is shown.
#define FELUX_TEXT_NOOP(context, source) source

// The catalogue: the text for `source` (UTF-8) in the user's language, or `source` itself.
using TextCatalogue = std::function<std::string(const char* context, const char* source)>;

// Set once at start, before any window; without one every text is its source.
void InstallTextCatalogue(TextCatalogue catalogue);

std::string UiText(const char* context, const char* source);

// `text` with each "%1", "%2", ... replaced by the matching argument; other "%" stay.
std::string FillText(std::string text, std::initializer_list<std::string> arguments);

}  // namespace felux
