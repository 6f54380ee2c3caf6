// SPDX-License-Identifier: GPL-3.0-or-later
// The game in the player's language: every text translated, every text fitting its control,
// every call spoken in the language, and the language the desktop asks for.
#include "helpers.h"

#include "announcer/playcallsound.h"
#include "announcer/wavefile.h"
#include "halloffame/fame.h"
#include "windows/language.h"
#include "windows/look.h"

#include <QAccessible>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// The text of a label, button or frame, with the width it needs; a null text for other widgets.
std::pair<QString, int> textOf(QWidget* widget)
{
    const QFontMetrics metrics(widget->font());
    if (auto* label = qobject_cast<QLabel*>(widget))
        return {label->text(), metrics.horizontalAdvance(label->text()) + std::max(label->indent(), 0)};
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        return {button->text(), metrics.horizontalAdvance(button->text()) + 8};
    if (auto* frame = qobject_cast<QGroupBox*>(widget))
        return {frame->title(), metrics.horizontalAdvance(frame->title()) + 16};
    return {};
}

// Every text of the windows shown: captions, labels, buttons, frames, menus, tooltips, and
// the names and descriptions a screen reader is told.
QStringList shownTexts()
{
    QStringList texts;
    for (QWidget* window : QApplication::topLevelWidgets())
        for (QWidget* widget : window->isVisible() ? window->findChildren<QWidget*>() << window : QWidgetList()) {
            for (QAction* action : widget->actions())  // menus too, shown or not
                texts << action->text();
            QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(widget);
            if (widget->isVisibleTo(window))
                texts << widget->toolTip() << reader->text(QAccessible::Name) << reader->text(QAccessible::Description) << textOf(widget).first;
        }
    return texts;
}

// What does not fit a window: a text wider than its control or, where it wraps, taller; a
// control reaching out of the window or over another; a menu bar too narrow for its menus.
QStringList misfits(QWidget* window)
{
    QStringList found;
    QWidgetList controls;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        const auto [text, width] = textOf(widget);
        const QRect place = widget->geometry();
        auto* label = qobject_cast<QLabel*>(widget);
        if (!widget->isVisibleTo(window) || text.isNull() || qobject_cast<Tile*>(widget->parentWidget()))
            continue;
        if ((label && label->wordWrap() ? label->heightForWidth(place.width()) > place.height() : width > place.width())
            || QFontMetrics(widget->font()).height() > place.height() + 3 || !widget->parentWidget()->rect().contains(place))
            found << QStringLiteral("\"%1\" does not fit in %2x%3").arg(text).arg(place.width()).arg(place.height());
        for (QWidget* other : controls)
            if (other->parentWidget() == widget->parentWidget() && other->geometry().intersects(place))
                found << QStringLiteral("\"%1\" lies over \"%2\"").arg(text, textOf(other).first);
        controls << widget;
    }
    if (auto* bar = window->findChild<QMenuBar*>(); bar && bar->sizeHint().width() > window->width())
        found << QStringLiteral("the menu bar wraps");
    return found;
}

// Starts a game, then opens the windows that are not open yet.
void openEveryWindow(Bingo& bingo)
{
    bingo.mainWindow()->Command3->click();
    bingo.show(Window::ExitDialog);
    bingo.showNameEntry();
    bingo.mnuHallofFame_Click();
    bingo.showGameWindows();
}

}  // namespace

class LanguagesTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_folder;  // for bingolst.dat
private slots:
    void initTestCase() { FontsAhead::read(), QDir::setCurrent(m_folder.path()); }
    void cleanup() { language::use({}); }

    // A pseudo-language made at build time from the translations marks every text it has:
    // a text the game shows without asking for its translation shows up unmarked.
    void everyTextGoesThroughTranslation()
    {
        QVERIFY(language::use(QStringLiteral("pseudo"), QCoreApplication::applicationDirPath() + "/pseudo"));
        QCOMPARE(voiceFile(7), programFolder() + "/audio/b7.wav");  // no voice of its own: the English one
        QDir().mkdir(FameFileName);  // a hall of fame that is not a file
        MessageAnswerer answerer;
        Bingo bingo;
        bingo.start();
        QStringList texts = shownTexts();
        openEveryWindow(bingo);
        texts << shownTexts();
        bingo.mnuHallofFame_Click();
        texts << shownTexts() << texts::FameBusy() << texts::FameWriteFailed() << texts::FameUnreadable() << texts::FameReadOnly()
              << texts::FameTooLarge() << texts::FameForeignLink() << texts::FameLockHeld("nobody");
        bingo.mainWindow()->mnurinfo->trigger();
        bingo.mainWindow()->mnuNewCards->trigger();
        bingo.controller().BingoWon();
        QDir().rmdir(FameFileName);
        QCOMPARE(answerer.texts.size(), 5);
        // What is left once the translated parts are taken out: calls, numbers, the version.
        static const QRegularExpression translated(QStringLiteral("\\[[^]]*\\]")), untranslated(QStringLiteral("[^BINGO0-9 ,.v|]"));
        for (const QString& text : texts + answerer.texts + answerer.looks)
            QVERIFY2(!QString(text).remove(translated).contains(untranslated), qPrintable(text));
    }

    void everyTextFitsAndEveryCallIsSpoken_data()
    {
        QTest::addColumn<QString>("language");
        for (const QString& language : QStringList{QString()} + language::Available)
            QTest::newRow(language.isEmpty() ? "en" : qPrintable(language)) << language;
    }
    void everyTextFitsAndEveryCallIsSpoken()
    {
        QFETCH(QString, language);
        QVERIFY(language::use(language));
        for (int n = 1; n <= 75 && !language.isEmpty(); ++n)
            QVERIFY2(voiceFile(n).startsWith(programFolder() + "/audio/" + language + "/") && isPlayableWaveFile(voiceFile(n)),
                     qPrintable(voiceFile(n)));
        Bingo bingo;
        bingo.start();
        QStringList found = misfits(bingo.info());  // the game not running
        openEveryWindow(bingo);
        for (QWidget* window : QApplication::topLevelWidgets())
            found << (window->isVisible() ? misfits(window) : QStringList());
        bingo.mnuHallofFame_Click();
        QVERIFY2((found << misfits(bingo.hallOfFame())).isEmpty(), qPrintable(found.join('\n')));
        // Qt's own buttons speak the language too.
        QVERIFY(language.isEmpty() || QCoreApplication::translate("QPlatformTheme", "&Yes") != "&Yes");
    }

    void theLanguageIsThePlayersFirstThatTheGameHas()
    {
        const std::pair<QStringList, QString> cases[] = {
            {{"de-DE", "en-US"}, "de"}, {{"pt-PT"}, "pt_BR"}, {{"pt"}, "pt_BR"}, {{"pt-BR"}, "pt_BR"}, {{"es-MX"}, "es"},
            {{"ja-JP", "it-IT"}, "it"}, {{"fr-CA", "de"}, "fr"}, {{"en-GB", "de"}, ""}, {{"C"}, ""}, {{"ja"}, ""}, {{}, ""}};
        for (const auto& [wanted, chosen] : cases)
            QCOMPARE(language::choose(wanted), chosen);
    }
};

QTEST_MAIN(LanguagesTest)
#include "test_languages.moc"
