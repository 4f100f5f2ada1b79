// The program's own texts (messages, dialog titles and filters, status lines)
// are marked for translation where they are written, in the core as in the
// windows, and shown in the language the user chose. The core stays free of
// Qt: a text is its context and source (with %1-style places for its
// arguments), and is turned into words by the translator in force. The desktop
// program installs one that reads Qt's translation files; without one (the
// command line) the source text is shown as it is.
//
//     return Failure{tx("Power", "the overall ratio of gear %1 is 0").arg(gear)};
//
// lupdate finds tx("Context", "source") and txNoop(...) as it finds
// QT_TRANSLATE_NOOP (the translations target passes it those aliases); both
// arguments must be literals.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vornax {

class Text {
public:
    Text(const char* context, const char* source) : context_(context), source_(source) {}

    // The argument for the next place: %1 takes the first given, %2 the next,
    // up to %9. A place without an argument stays as written.
    Text& arg(std::string_view value) &;
    Text&& arg(std::string_view value) &&;

    // The text in the language in force, its places filled.
    std::string str() const;
    operator std::string() const { return str(); }

    const char* context() const { return context_; }
    const char* source() const { return source_; }

private:
    const char* context_;
    const char* source_;
    std::vector<std::string> args_;
};

// A text marked for translation (see above).
inline Text tx(const char* context, const char* source) { return Text(context, source); }

// Marks a literal for translation where it is kept as data (a list's
// entries) and translated where it is shown; gives the source unchanged.
constexpr const char* txNoop(const char* /*context*/, const char* source) { return source; }

// Turns a context and source into the words of the language in force; an
// empty function (the default) gives the source.
using Translator = std::function<std::string(const char* context, const char* source)>;
void setTranslator(Translator translator);

// The reason of a failed system call (an errno value) in the language in
// force: the usual ones in the program's words, any other as the system
// words it.
std::string systemErrorText(int code);

// Fills %1..%9 of `pattern` with `args` (a '%' before anything else stays).
std::string fillPlaces(std::string_view pattern, const std::vector<std::string>& args);

}  // namespace vornax
