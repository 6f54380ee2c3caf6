<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Bingo</name>
    <message>
        <source>Tolva Bingo</source>
        <translation>Tolva Bingo</translation>
    </message>
    <message>
        <source>Your name could not be saved in the hall of fame. The hall of fame is unchanged; check that the folder can be written to and try again.</source>
        <translation>No se ha podido guardar tu nombre en el Salón de la Fama. El Salón de la Fama no ha cambiado; comprueba que se puede escribir en la carpeta y vuelve a intentarlo.</translation>
    </message>
    <message>
        <source>Another game is writing the hall of fame just now, so your name is not in it yet. Press Enter Me again in a moment.</source>
        <translation>Otra partida está escribiendo en el Salón de la Fama en este momento, así que tu nombre todavía no está. Pulsa Apúntame otra vez dentro de un momento.</translation>
    </message>
    <message>
        <source>The hall of fame could not be read. bingolst.dat is left as it is.</source>
        <translation>No se ha podido leer el Salón de la Fama. bingolst.dat se queda como está.</translation>
    </message>
    <message>
        <source>The hall of fame is read-only: bingolst.dat is left as it is, and no name can be added to it.</source>
        <translation>El Salón de la Fama es de solo lectura: bingolst.dat se queda como está y no se le puede añadir ningún nombre.</translation>
    </message>
    <message>
        <source>bingolst.dat is too large to be a hall of fame: it is left as it is, and no name can be added to it.</source>
        <translation>bingolst.dat es demasiado grande para ser un Salón de la Fama: se queda como está y no se le puede añadir ningún nombre.</translation>
    </message>
    <message>
        <source>bingolst.dat is not a file but a folder, a pipe or a device: it is left as it is, and no name can be added to it.</source>
        <translation>bingolst.dat no es un archivo, sino una carpeta, una tubería o un dispositivo: se queda como está y no se le puede añadir ningún nombre.</translation>
    </message>
    <message>
        <source>bingolst.dat is a link that another user made: the game does not follow it, and no name can be added to the hall of fame.</source>
        <translation>bingolst.dat es un enlace creado por otro usuario: el juego no lo sigue y no se puede añadir ningún nombre al Salón de la Fama.</translation>
    </message>
    <message>
        <source>The hall of fame&apos;s lock file, bingolst.dat.lock, is held by another user, %1: ask them to remove it.</source>
        <extracomment>%1 is the user&apos;s name.</extracomment>
        <translation>El archivo de bloqueo del Salón de la Fama, bingolst.dat.lock, es de otro usuario, %1: pídele que lo borre.</translation>
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
        <translation>Partida</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nueva partida</translation>
    </message>
    <message>
        <source>New Cards</source>
        <translation>Nuevos cartones</translation>
    </message>
    <message>
        <source>Hall of Fame</source>
        <translation>Salón de la Fama</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>Ventanas</translation>
    </message>
    <message>
        <source>Reopen Info Window</source>
        <translation>Reabrir la ventana Info</translation>
    </message>
    <message>
        <source>Reopen Cards Table Window</source>
        <translation>Reabrir la ventana de cartones</translation>
    </message>
    <message>
        <source>Tolva BINGO</source>
        <translation>Tolva BINGO</translation>
    </message>
    <message>
        <source>called</source>
        <translation>cantado</translation>
    </message>
    <message>
        <source>not called</source>
        <translation>sin cantar</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>UnPause</source>
        <translation>Seguir</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Empezar</translation>
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
        <translation>Hay una partida en curso. ¿Seguro que quieres salir?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
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
        <translation>Tolva BINGO: cartones</translation>
    </message>
    <message>
        <source>Card %1, </source>
        <translation>Cartón %1, </translation>
    </message>
    <message>
        <source>chip</source>
        <translation>ficha</translation>
    </message>
    <message>
        <source>no chip</source>
        <translation>sin ficha</translation>
    </message>
    <message>
        <source>B I N G O</source>
        <translation>B I N G O</translation>
    </message>
    <message>
        <source>B I N G O, claim card %1</source>
        <translation>B I N G O, cantar bingo con el cartón %1</translation>
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
        <translation>Bola</translation>
    </message>
    <message>
        <source>Calls:</source>
        <translation>Bolas:</translation>
    </message>
    <message>
        <source>Credits:</source>
        <translation>Saldo:</translation>
    </message>
    <message>
        <source>The latest call</source>
        <translation>La última bola</translation>
    </message>
    <message>
        <source>Calls made in this game</source>
        <translation>Bolas cantadas en esta partida</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Game Not Running</source>
        <translation>Partida parada</translation>
    </message>
    <message>
        <source>Enter Your Name in the Hall of Fame...</source>
        <translation>Apuntar tu nombre en el Salón de la Fama...</translation>
    </message>
    <message>
        <source>Got a bingo? Right-click in this window to enter your name in the Hall of Fame before you claim it.</source>
        <translation>¿Tienes bingo? Haz clic con el botón derecho en esta ventana para apuntar tu nombre en el Salón de la Fama antes de cantarlo.</translation>
    </message>
</context>
<context>
    <name>Form5</name>
    <message>
        <source>Hall Of Fame</source>
        <translation>Salón de la Fama</translation>
    </message>
    <message>
        <source>Tolva Bingo</source>
        <translation>Tolva Bingo</translation>
    </message>
    <message>
        <source>Tolva Bingo Hall of Fame</source>
        <translation>Salón de la Fama</translation>
    </message>
    <message>
        <source>Names and their number of calls</source>
        <translation>Nombres y sus bolas cantadas</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source># of Calls</source>
        <translation>Bolas</translation>
    </message>
    <message>
        <source>Tolva Bingo 1.0</source>
        <translation>Tolva Bingo 1.0</translation>
    </message>
    <message>
        <source>Written for players who love a good call</source>
        <translation>Para quien disfruta de una buena partida</translation>
    </message>
    <message>
        <source>Voices by espeak-ng</source>
        <translation>Voces de espeak-ng</translation>
    </message>
    <message>
        <source>Return to Tolva Bingo</source>
        <translation>Volver a Tolva Bingo</translation>
    </message>
</context>
<context>
    <name>Form6</name>
    <message>
        <source>Hall of Fame</source>
        <translation>Salón de la Fama</translation>
    </message>
    <message>
        <source>Please enter your name to be recognized on the hall of fame.</source>
        <translation>Escribe tu nombre para entrar en el Salón de la Fama.</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Tu nombre</translation>
    </message>
    <message>
        <source>Enter Me</source>
        <translation>Apúntame</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>Game In Progress</source>
        <translation>Partida en curso</translation>
    </message>
    <message>
        <source>Game Not Running</source>
        <translation>Partida parada</translation>
    </message>
    <message>
        <source>Sorry but this can only be done BEFORE starting a new game!  To use this feature start a new game.</source>
        <translation>Lo siento, esto solo se puede hacer ANTES de empezar la partida.  Para usarlo, empieza una partida nueva.</translation>
    </message>
    <message>
        <source>Sorry that window is open already</source>
        <translation>Lo siento, esa ventana ya está abierta</translation>
    </message>
    <message>
        <source>Congradulations you got a BINGO!</source>
        <translation>¡Enhorabuena, has cantado BINGO!</translation>
    </message>
</context>
</TS>
