#include "paint/ProgramLanguage.h"

#include "common/AppFolder.h"
#include "common/Translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace vornax {
namespace fs = std::filesystem;
namespace {

struct Installed {
    std::unique_ptr<QTranslator> program;
    std::unique_ptr<QTranslator> qt;
    std::string code = "fr";
};

Installed& installed()
{
    static Installed state;
    return state;
}

std::unique_ptr<QTranslator> load(const QString& file, const QString& folder)
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(file, folder))
        return nullptr;
    return translator;
}

}  // namespace

fs::path translationsFolder()
{
    const fs::path exe = executableFolder();
    std::error_code ec;
    std::vector<fs::path> candidates;
    if (const fs::path shipped = shippedLanguageFolder(); !shipped.empty())
        candidates.push_back(shipped.parent_path() / "translations");
    // The tests run one folder below the build tree's programs.
    for (const fs::path& p :
         {exe / "translations", exe / ".." / "translations", fs::path(VORNAX_INSTALLED_TRANSLATIONS_DIR),
          exe / ".." / "share" / "vornax-meter" / "translations"})
        candidates.push_back(p);
    for (const fs::path& candidate : candidates)
        if (fs::is_regular_file(candidate / "vornax_en.qm", ec))
            return fs::weakly_canonical(candidate, ec);
    return {};
}

void removeProgramLanguage()
{
    Installed& state = installed();
    for (auto* translator : {state.program.get(), state.qt.get()})
        if (translator)
            QCoreApplication::removeTranslator(translator);
    state.program.reset();
    state.qt.reset();
    state.code = "fr";
    setTranslator({});
}

std::string useProgramLanguage(const std::string& code)
{
    Installed& state = installed();
    removeProgramLanguage();

    const QString folder = QString::fromStdString(translationsFolder().string());
    std::string loaded = code;
    state.program = load(QString::fromStdString("vornax_" + code), folder);
    if (!state.program) {
        loaded = "en";
        state.program = load("vornax_en", folder);
    }
    // Qt's own dialogs (the file dialog's buttons, the text fields' menus).
    if (loaded != "en")
        state.qt = load(QString::fromStdString("qtbase_" + loaded), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    // The code and the core's translator first: a window that hears of the
    // change at once already writes its lines in the new language.
    state.code = loaded;
    setTranslator([](const char* context, const char* source) {
        return QCoreApplication::translate(context, source).toStdString();
    });
    for (auto* translator : {state.qt.get(), state.program.get()})
        if (translator)
            QCoreApplication::installTranslator(translator);
    // Nothing to install still tells the windows: the language file changed.
    if (!state.program && !state.qt) {
        QEvent change(QEvent::LanguageChange);
        QCoreApplication::sendEvent(QCoreApplication::instance(), &change);
    }
    return loaded;
}

const std::string& programLanguage() { return installed().code; }

}  // namespace vornax
