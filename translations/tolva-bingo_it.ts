<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>Bingo</name>
    <message>
        <source>Tolva Bingo</source>
        <translation>Tolva Bingo</translation>
    </message>
    <message>
        <source>Your name could not be saved in the hall of fame. The hall of fame is unchanged; check that the folder can be written to and try again.</source>
        <translation>Non è stato possibile salvare il tuo nome nell&apos;albo d&apos;oro. L&apos;albo d&apos;oro non è cambiato; controlla che nella cartella si possa scrivere e riprova.</translation>
    </message>
    <message>
        <source>Another game is writing the hall of fame just now, so your name is not in it yet. Press Enter Me again in a moment.</source>
        <translation>Un&apos;altra partita sta scrivendo nell&apos;albo d&apos;oro proprio ora, quindi il tuo nome non c&apos;è ancora. Premi di nuovo Iscrivimi tra un momento.</translation>
    </message>
    <message>
        <source>The hall of fame could not be read. bingolst.dat is left as it is.</source>
        <translation>Non è stato possibile leggere l&apos;albo d&apos;oro. bingolst.dat resta com&apos;è.</translation>
    </message>
    <message>
        <source>The hall of fame is read-only: bingolst.dat is left as it is, and no name can be added to it.</source>
        <translation>L&apos;albo d&apos;oro è di sola lettura: bingolst.dat resta com&apos;è e non vi si può aggiungere alcun nome.</translation>
    </message>
    <message>
        <source>bingolst.dat is too large to be a hall of fame: it is left as it is, and no name can be added to it.</source>
        <translation>bingolst.dat è troppo grande per essere un albo d&apos;oro: resta com&apos;è e non vi si può aggiungere alcun nome.</translation>
    </message>
    <message>
        <source>bingolst.dat is not a file but a folder, a pipe or a device: it is left as it is, and no name can be added to it.</source>
        <translation>bingolst.dat non è un file ma una cartella, una pipe o un dispositivo: resta com&apos;è e non vi si può aggiungere alcun nome.</translation>
    </message>
    <message>
        <source>bingolst.dat is a link that another user made: the game does not follow it, and no name can be added to the hall of fame.</source>
        <translation>bingolst.dat è un collegamento creato da un altro utente: il gioco non lo segue e non si può aggiungere alcun nome all&apos;albo d&apos;oro.</translation>
    </message>
    <message>
        <source>The hall of fame&apos;s lock file, bingolst.dat.lock, is held by another user, %1: ask them to remove it.</source>
        <extracomment>%1 is the user&apos;s name.</extracomment>
        <translation>Il file di blocco dell&apos;albo d&apos;oro, bingolst.dat.lock, appartiene a un altro utente, %1: chiedigli di rimuoverlo.</translation>
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
        <translation>Partita</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nuova partita</translation>
    </message>
    <message>
        <source>New Cards</source>
        <translation>Nuove cartelle</translation>
    </message>
    <message>
        <source>Hall of Fame</source>
        <translation>Albo d&apos;oro</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>Finestre</translation>
    </message>
    <message>
        <source>Reopen Info Window</source>
        <translation>Riapri la finestra Info</translation>
    </message>
    <message>
        <source>Reopen Cards Table Window</source>
        <translation>Riapri la finestra delle cartelle</translation>
    </message>
    <message>
        <source>Tolva BINGO</source>
        <translation>Tolva BINGO</translation>
    </message>
    <message>
        <source>called</source>
        <translation>estratto</translation>
    </message>
    <message>
        <source>not called</source>
        <translation>non estratto</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>UnPause</source>
        <translation>Riprendi</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inizia</translation>
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
        <translation>C&apos;è una partita in corso. Vuoi davvero uscire?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Tolva BINGO Cards Table</source>
        <translation>Tolva BINGO: cartelle</translation>
    </message>
    <message>
        <source>Card %1, </source>
        <translation>Cartella %1, </translation>
    </message>
    <message>
        <source>chip</source>
        <translation>gettone</translation>
    </message>
    <message>
        <source>no chip</source>
        <translation>senza gettone</translation>
    </message>
    <message>
        <source>B I N G O</source>
        <translation>B I N G O</translation>
    </message>
    <message>
        <source>B I N G O, claim card %1</source>
        <translation>B I N G O, chiama bingo con la cartella %1</translation>
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
        <translation>Estratto</translation>
    </message>
    <message>
        <source>Calls:</source>
        <translation>Estratti:</translation>
    </message>
    <message>
        <source>Credits:</source>
        <translation>Crediti:</translation>
    </message>
    <message>
        <source>The latest call</source>
        <translation>L&apos;ultimo numero estratto</translation>
    </message>
    <message>
        <source>Calls made in this game</source>
        <translation>Numeri estratti in questa partita</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Crediti</translation>
    </message>
    <message>
        <source>Game Not Running</source>
        <translation>Partita ferma</translation>
    </message>
    <message>
        <source>Enter Your Name in the Hall of Fame...</source>
        <translation>Registra il tuo nome nell&apos;albo d&apos;oro...</translation>
    </message>
    <message>
        <source>Got a bingo? Right-click in this window to enter your name in the Hall of Fame before you claim it.</source>
        <translation>Hai fatto bingo? Fai clic con il tasto destro in questa finestra per registrare il tuo nome nell&apos;albo d&apos;oro prima di chiamarlo.</translation>
    </message>
</context>
<context>
    <name>Form5</name>
    <message>
        <source>Hall Of Fame</source>
        <translation>Albo d&apos;oro</translation>
    </message>
    <message>
        <source>Tolva Bingo</source>
        <translation>Tolva Bingo</translation>
    </message>
    <message>
        <source>Tolva Bingo Hall of Fame</source>
        <translation>Albo d&apos;oro</translation>
    </message>
    <message>
        <source>Names and their number of calls</source>
        <translation>Nomi e numeri estratti di ciascuno</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source># of Calls</source>
        <translation>Estratti</translation>
    </message>
    <message>
        <source>Tolva Bingo 1.0</source>
        <translation>Tolva Bingo 1.0</translation>
    </message>
    <message>
        <source>Written for players who love a good call</source>
        <translation>Per chi ama una bella tombolata</translation>
    </message>
    <message>
        <source>Voices by espeak-ng</source>
        <translation>Voci di espeak-ng</translation>
    </message>
    <message>
        <source>Return to Tolva Bingo</source>
        <translation>Torna a Tolva Bingo</translation>
    </message>
</context>
<context>
    <name>Form6</name>
    <message>
        <source>Hall of Fame</source>
        <translation>Albo d&apos;oro</translation>
    </message>
    <message>
        <source>Please enter your name to be recognized on the hall of fame.</source>
        <translation>Scrivi il tuo nome per entrare nell&apos;albo d&apos;oro.</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Il tuo nome</translation>
    </message>
    <message>
        <source>Enter Me</source>
        <translation>Iscrivimi</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>Game In Progress</source>
        <translation>Partita in corso</translation>
    </message>
    <message>
        <source>Game Not Running</source>
        <translation>Partita ferma</translation>
    </message>
    <message>
        <source>Sorry but this can only be done BEFORE starting a new game!  To use this feature start a new game.</source>
        <translation>Spiacente, si può fare solo PRIMA di iniziare la partita!  Per usare questa funzione, inizia una nuova partita.</translation>
    </message>
    <message>
        <source>Sorry that window is open already</source>
        <translation>Spiacente, quella finestra è già aperta</translation>
    </message>
    <message>
        <source>Congradulations you got a BINGO!</source>
        <translation>Complimenti, hai fatto BINGO!</translation>
    </message>
</context>
</TS>
