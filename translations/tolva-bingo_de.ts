<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Bingo</name>
    <message>
        <source>Tolva Bingo</source>
        <translation>Tolva Bingo</translation>
    </message>
    <message>
        <source>Your name could not be saved in the hall of fame. The hall of fame is unchanged; check that the folder can be written to and try again.</source>
        <translation>Ihr Name konnte nicht in der Ruhmeshalle gespeichert werden. Die Ruhmeshalle ist unverändert; prüfen Sie, ob der Ordner beschreibbar ist, und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Another game is writing the hall of fame just now, so your name is not in it yet. Press Enter Me again in a moment.</source>
        <translation>Ein anderes Spiel schreibt gerade in die Ruhmeshalle, daher steht Ihr Name noch nicht darin. Klicken Sie gleich noch einmal auf Eintragen.</translation>
    </message>
    <message>
        <source>The hall of fame could not be read. bingolst.dat is left as it is.</source>
        <translation>Die Ruhmeshalle konnte nicht gelesen werden. bingolst.dat bleibt, wie es ist.</translation>
    </message>
    <message>
        <source>The hall of fame is read-only: bingolst.dat is left as it is, and no name can be added to it.</source>
        <translation>Die Ruhmeshalle ist schreibgeschützt: bingolst.dat bleibt, wie es ist, und es kann kein Name hinzugefügt werden.</translation>
    </message>
    <message>
        <source>bingolst.dat is too large to be a hall of fame: it is left as it is, and no name can be added to it.</source>
        <translation>bingolst.dat ist zu groß für eine Ruhmeshalle: Die Datei bleibt, wie sie ist, und es kann kein Name hinzugefügt werden.</translation>
    </message>
    <message>
        <source>bingolst.dat is not a file but a folder, a pipe or a device: it is left as it is, and no name can be added to it.</source>
        <translation>bingolst.dat ist keine Datei, sondern ein Ordner, eine Pipe oder ein Gerät: Es bleibt, wie es ist, und es kann kein Name hinzugefügt werden.</translation>
    </message>
    <message>
        <source>bingolst.dat is a link that another user made: the game does not follow it, and no name can be added to the hall of fame.</source>
        <translation>bingolst.dat ist ein Link, den ein anderer Benutzer angelegt hat: Das Spiel folgt ihm nicht, und es kann kein Name in die Ruhmeshalle eingetragen werden.</translation>
    </message>
    <message>
        <source>The hall of fame&apos;s lock file, bingolst.dat.lock, is held by another user, %1: ask them to remove it.</source>
        <extracomment>%1 is the user&apos;s name.</extracomment>
        <translation>Die Sperrdatei der Ruhmeshalle, bingolst.dat.lock, gehört einem anderen Benutzer, %1: Bitten Sie ihn, sie zu entfernen.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Tolva Bingo</source>
        <translation>Tolva Bingo</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>New Cards</source>
        <translation>Neue Karten</translation>
    </message>
    <message>
        <source>Hall of Fame</source>
        <translation>Ruhmeshalle</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>Fenster</translation>
    </message>
    <message>
        <source>Reopen Info Window</source>
        <translation>Info-Fenster wieder öffnen</translation>
    </message>
    <message>
        <source>Reopen Cards Table Window</source>
        <translation>Kartenfenster wieder öffnen</translation>
    </message>
    <message>
        <source>Tolva BINGO</source>
        <translation>Tolva BINGO</translation>
    </message>
    <message>
        <source>called</source>
        <translation>gezogen</translation>
    </message>
    <message>
        <source>not called</source>
        <translation>nicht gezogen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>UnPause</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Tolva BINGO</source>
        <translation>Tolva BINGO</translation>
    </message>
    <message>
        <source>There is a game in progress are you sure you want to exit?</source>
        <translation>Ein Spiel läuft gerade. Möchten Sie wirklich beenden?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Tolva BINGO Cards Table</source>
        <translation>Tolva BINGO: Karten</translation>
    </message>
    <message>
        <source>Card %1, </source>
        <translation>Karte %1, </translation>
    </message>
    <message>
        <source>chip</source>
        <translation>Chip</translation>
    </message>
    <message>
        <source>no chip</source>
        <translation>kein Chip</translation>
    </message>
    <message>
        <source>B I N G O</source>
        <translation>B I N G O</translation>
    </message>
    <message>
        <source>B I N G O, claim card %1</source>
        <translation>B I N G O, Bingo mit Karte %1 rufen</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Called #</source>
        <translation>Gezogen</translation>
    </message>
    <message>
        <source>Calls:</source>
        <translation>Zahlen:</translation>
    </message>
    <message>
        <source>Credits:</source>
        <translation>Credits:</translation>
    </message>
    <message>
        <source>The latest call</source>
        <translation>Die zuletzt gezogene Zahl</translation>
    </message>
    <message>
        <source>Calls made in this game</source>
        <translation>Gezogene Zahlen in diesem Spiel</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Credits</translation>
    </message>
    <message>
        <source>Game Not Running</source>
        <translation>Spiel angehalten</translation>
    </message>
    <message>
        <source>Enter Your Name in the Hall of Fame...</source>
        <translation>Ihren Namen in die Ruhmeshalle eintragen...</translation>
    </message>
    <message>
        <source>Got a bingo? Right-click in this window to enter your name in the Hall of Fame before you claim it.</source>
        <translation>Bingo? Klicken Sie mit der rechten Maustaste in dieses Fenster, um Ihren Namen in die Ruhmeshalle einzutragen, bevor Sie Bingo rufen.</translation>
    </message>
</context>
<context>
    <name>Form5</name>
    <message>
        <source>Hall Of Fame</source>
        <translation>Ruhmeshalle</translation>
    </message>
    <message>
        <source>Tolva Bingo</source>
        <translation>Tolva Bingo</translation>
    </message>
    <message>
        <source>Tolva Bingo Hall of Fame</source>
        <translation>Ruhmeshalle</translation>
    </message>
    <message>
        <source>Names and their number of calls</source>
        <translation>Namen und die Zahl ihrer Ziehungen</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source># of Calls</source>
        <translation>Zahlen</translation>
    </message>
    <message>
        <source>Tolva Bingo 1.0</source>
        <translation>Tolva Bingo 1.0</translation>
    </message>
    <message>
        <source>Written for players who love a good call</source>
        <translation>Für alle, die Bingo lieben</translation>
    </message>
    <message>
        <source>Voices by espeak-ng</source>
        <translation>Stimmen von espeak-ng</translation>
    </message>
    <message>
        <source>Return to Tolva Bingo</source>
        <translation>Zurück zu Tolva Bingo</translation>
    </message>
</context>
<context>
    <name>Form6</name>
    <message>
        <source>Hall of Fame</source>
        <translation>Ruhmeshalle</translation>
    </message>
    <message>
        <source>Please enter your name to be recognized on the hall of fame.</source>
        <translation>Bitte geben Sie Ihren Namen für die Ruhmeshalle ein.</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Ihr Name</translation>
    </message>
    <message>
        <source>Enter Me</source>
        <translation>Eintragen</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>Game In Progress</source>
        <translation>Spiel läuft</translation>
    </message>
    <message>
        <source>Game Not Running</source>
        <translation>Spiel angehalten</translation>
    </message>
    <message>
        <source>Sorry but this can only be done BEFORE starting a new game!  To use this feature start a new game.</source>
        <translation>Das geht leider nur VOR dem Start des Spiels!  Beginnen Sie dazu ein neues Spiel.</translation>
    </message>
    <message>
        <source>Sorry that window is open already</source>
        <translation>Dieses Fenster ist leider schon offen</translation>
    </message>
    <message>
        <source>Congradulations you got a BINGO!</source>
        <translation>Glückwunsch, Sie haben BINGO!</translation>
    </message>
</context>
</TS>
