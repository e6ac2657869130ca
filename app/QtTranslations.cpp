#include "app/QtTranslations.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace tarvela {

bool installCzechQtTexts(QApplication& application)
{
    auto* translator = new QTranslator(&application);
    if (!translator->load(QStringLiteral("qtbase_cs"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

} // namespace tarvela
