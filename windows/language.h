// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The player's language: the game's texts, Qt's own (the standard buttons) and the caller's
// voice. English is the game's own language and needs no translation.

#include <QString>
#include <QStringList>

namespace language {

// The languages the game is translated into, as its translation files name them.
inline const QStringList Available = {QStringLiteral("es"), QStringLiteral("pt_BR"), QStringLiteral("fr"),
                                      QStringLiteral("de"), QStringLiteral("it")};

// The first of the player's languages, in their order of preference ("de-DE", "pt-PT", ...,
// as QLocale::uiLanguages() gives them from LANGUAGE, LC_ALL, LC_MESSAGES and LANG), that the
// game has; every Portuguese gets the Brazilian one. Empty for English: an English entry, or
// none that the game has.
QString choose(const QStringList& uiLanguages);

// Puts the texts and the voice into a language (empty: English), the game's translation read
// from FOLDER (by default translations/ beside the program). False when it was not found
// there; the texts then stay English.
bool use(const QString& language, const QString& folder = {});

// The program's start-up: the language of the player's desktop.
void useSystemLanguage();

}  // namespace language
