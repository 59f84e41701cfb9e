#include "app/QtTranslations.h"

#include "resources/Texts.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

namespace morva::app {

QtTranslations::QtTranslations(QString directory) : m_directory(std::move(directory)) {}

QtTranslations::~QtTranslations()
{
    if (m_translator)
        QCoreApplication::removeTranslator(m_translator.get());
}

QString QtTranslations::localeName(int languageIndex)
{
    switch (languageIndex) {
    case German:
        return QStringLiteral("de");
    case French:
        return QStringLiteral("fr");
    case Italian:
        return QStringLiteral("it");
    case Spanish:
        return QStringLiteral("es");
    default:
        return {};
    }
}

bool QtTranslations::apply(int languageIndex)
{
    if (m_translator && languageIndex == m_language)
        return true;
    if (m_translator) {
        QCoreApplication::removeTranslator(m_translator.get());
        m_translator.reset();
    }
    m_language = languageIndex;
    const QString locale = localeName(languageIndex);
    if (locale.isEmpty())
        return true;

    QStringList directories;
    if (!m_directory.isEmpty()) {
        directories << m_directory;
    } else {
        directories << QLibraryInfo::path(QLibraryInfo::TranslationsPath);
        if (QCoreApplication::instance())
            directories << QDir(QCoreApplication::applicationDirPath())
                               .filePath(QStringLiteral("translations"));
    }
    auto translator = std::make_unique<QTranslator>();
    for (const QString& directory : directories) {
        // "qt_xx" pulls in the module catalogues (qtbase_xx) it names.
        if (translator->load(QStringLiteral("qt_") + locale, directory) ||
            translator->load(QStringLiteral("qtbase_") + locale, directory)) {
            QCoreApplication::installTranslator(translator.get());
            m_translator = std::move(translator);
            return true;
        }
    }
    return false;
}

} // namespace morva::app
