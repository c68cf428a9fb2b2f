// The program's options (--help, --version) and the files its command line names.
#include "app/CommandLineOptions.h"

#include "playlist/StreamUrl.h"

namespace felux {
namespace {

constexpr std::string_view kFileScheme = "file://";

bool StartsWithFileScheme(std::string_view s) {
    if (s.size() < kFileScheme.size()) return false;
    for (std::size_t i = 0; i < kFileScheme.size(); ++i) {
        char c = s[i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != kFileScheme[i]) return false;
    }
    return true;
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

std::optional<std::string> FileUrlToPath(std::string_view url) {
    if (!StartsWithFileScheme(url)) return std::nullopt;
    std::string_view rest = url.substr(kFileScheme.size());
    const std::size_t slash = rest.find('/');
    if (slash == std::string_view::npos) return std::nullopt;
    const std::string_view host = rest.substr(0, slash);
    if (!host.empty() && host != "localhost") return std::nullopt;
    rest = rest.substr(slash);
    std::string path;
    path.reserve(rest.size());
    for (std::size_t i = 0; i < rest.size(); ++i) {
        const char c = rest[i];
        if (c == '?' || c == '#') break;
        // A NUL, written or escaped, would cut the name short where the system reads it.
        if (c == '\0') return std::nullopt;
        if (c != '%') {
            path += c;
            continue;
        }
        const int hi = i + 2 < rest.size() ? HexValue(rest[i + 1]) : -1;
        const int lo = i + 2 < rest.size() ? HexValue(rest[i + 2]) : -1;
        if (hi < 0 || lo < 0) {
            path += c;  // a lone "%" is taken as it stands
            continue;
        }
        const char decoded = static_cast<char>(hi * 16 + lo);
        if (decoded == '\0') return std::nullopt;
        path += decoded;
        i += 2;
    }
    return path;
}

std::optional<std::string> UriToEntry(std::string_view uri) {
    if (IsStreamUrl(uri)) return std::string(uri);
    return FileUrlToPath(uri);
}

CommandLineRequest ParseCommandLine(const std::vector<std::string>& args) {
    CommandLineRequest out;
    std::size_t first = 0;
    for (; first < args.size(); ++first) {
        const std::string& a = args[first];
        if (a == "--") {
            ++first;
            break;
        }
        if (a.size() < 2 || a[0] != '-') break;
        if (a == "--help" || a == "-h") {
            out.action = CommandLineRequest::Action::Help;
        } else if (a == "--version" || a == "-v") {
            if (out.action == CommandLineRequest::Action::Run) out.action = CommandLineRequest::Action::Version;
        } else {
            out.action = CommandLineRequest::Action::Error;
            out.error = "felux: unknown option '" + a + "'\nTry 'felux --help' for more information.";
            return out;
        }
    }
    const std::vector<std::string> files(args.begin() + static_cast<std::ptrdiff_t>(first), args.end());
    if (files.empty()) return out;
    const auto leaveOut = [&out](const std::string& url) {
        out.notes.push_back("felux: cannot play '" + url +
                            "': only http://, https:// and local file:// addresses are played; left out");
    };
    if (UrlScheme(files.front()).empty()) {
        for (const std::string& f : files) {
            if (KindOfEntry(f) != EntryKind::OtherUrl)
                out.plainArgs.push_back(f);
            else if (const std::optional<std::string> path = FileUrlToPath(f))
                out.plainArgs.push_back(*path);
            else
                leaveOut(f);
        }
        return out;
    }
    // File managers and browsers pass one URL an argument; blanks inside are escaped. A plain
    // name among them is a file name of its own.
    for (const std::string& url : files) {
        const std::optional<std::string> path = UrlScheme(url).empty() ? url : UriToEntry(url);
        if (!path && !StartsWithFileScheme(url)) {
            leaveOut(url);
            continue;
        }
        if (!path) {
            out.action = CommandLineRequest::Action::Error;
            out.error = "felux: cannot open '" + url + "': only local file:// addresses name files";
            return out;
        }
        if (out.path.empty())
            out.path = *path;
        else
            out.morePaths.push_back(*path);
    }
    return out;
}

std::string UsageText(std::string_view dataFolder) {
    std::string text =
        "Usage: felux [OPTION]... [FILE... | LIST... | URL...]\n"
        "Plays video and audio files, or .m3u or .tob lists, in the FELUX panel.\n"
        "Several files become several list entries; a path with blanks may be given\n"
        "unquoted when its words are not each a file; file:// URLs name local files,\n"
        "http:// and https:// URLs are played as streams; a folder adds its media files.\n"
        "Without a file the player resumes its current list.\n"
        "\n"
        "  -h, --help     show this help and exit\n"
        "  -v, --version  show the version and exit\n"
        "  --             end of options: what follows is a file name\n"
        "\n"
        "Data folder in use: ";
    text += dataFolder;
    text +=
        "\n"
        "\n"
        "Environment:\n"
        "  FELUX_HOME         the data folder (settings, lists, history, volume log)\n"
        "  FELUX_VO           mpv video output to use (for example null)\n"
        "  FELUX_AO           mpv audio output to use (for example null)\n"
        "  FELUX_AO_PCM_FILE  the file written by the pcm audio output (FELUX_AO=pcm)\n"
        "  FELUX_MPV_SCRIPT   an mpv script for the engine to run (for example to read its counters)\n"
        "  QT_QPA_PLATFORM    the Qt platform; FELUX chooses xcb (X11) when it is unset\n";
    return text;
}

std::string VersionText(std::string_view version) {
    return "felux " + std::string(version) + "\n";
}

}  // namespace felux
