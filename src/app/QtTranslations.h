#pragma once

#include <QString>
#include <memory>

class QTranslator;

namespace morva::app {

// Qt's own texts (print and file dialogs, standard buttons, key names such as
// "Strg+P") in the console's language, from Qt's translation catalogues.
// Without the catalogues Qt stays English and the console works as before.
class QtTranslations
{
public:
    // `directory` empty: Qt's installed translations, else a "translations"
    // folder beside the executable.
    explicit QtTranslations(QString directory = {});
    ~QtTranslations();
    QtTranslations(const QtTranslations&) = delete;
    QtTranslations& operator=(const QtTranslations&) = delete;

    // Installs the catalogue of LanguageIndex `languageIndex` in place of the
    // previous one (English: none). False when the language has a catalogue
    // name but none could be loaded.
    bool apply(int languageIndex);
    // The catalogue's locale name of a language ("de"); empty for English.
    static QString localeName(int languageIndex);

private:
    QString m_directory;
    std::unique_ptr<QTranslator> m_translator;
    int m_language = 0;
};

} // namespace morva::app
