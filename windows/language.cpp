// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/language.h"

#include "announcer/playcallsound.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>

namespace language {

QString choose(const QStringList& uiLanguages)
{
    for (QString wanted : uiLanguages) {
        wanted.replace(QLatin1Char('-'), QLatin1Char('_'));
        const QString base = wanted.section(QLatin1Char('_'), 0, 0).toLower();
        if (base == QLatin1String("en") || base == QLatin1String("c") || base == QLatin1String("posix"))
            return {};
        if (base == QLatin1String("pt"))
            return QStringLiteral("pt_BR");
        if (Available.contains(base))
            return base;
    }
    return {};
}

bool use(const QString& language, const QString& folder)
{
    // One translation of the game's and one of Qt's at a time; all in one language or all English.
    static QPointer<QTranslator> game, qt;
    delete game;
    delete qt;
    setVoiceLanguage({});
    if (language.isEmpty())
        return true;
    game = new QTranslator(qApp);
    if (!game->load(QStringLiteral("tolva-bingo_") + language,
                    folder.isEmpty() ? programFolder() + QStringLiteral("/translations") : folder)) {
        delete game;
        return false;
    }
    QCoreApplication::installTranslator(game);
    qt = new QTranslator(qApp);
    if (qt->load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    setVoiceLanguage(language);
    return true;
}

void useSystemLanguage()
{
    use(choose(QLocale::system().uiLanguages()));
}

}  // namespace language
