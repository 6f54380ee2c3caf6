<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Bingo</name>
    <message>
        <source>Tolva Bingo</source>
        <translation>Tolva Bingo</translation>
    </message>
    <message>
        <source>Your name could not be saved in the hall of fame. The hall of fame is unchanged; check that the folder can be written to and try again.</source>
        <translation>Votre nom n&apos;a pas pu être inscrit au tableau d&apos;honneur. Le tableau d&apos;honneur est inchangé&#xa0;; vérifiez que le dossier est accessible en écriture et réessayez.</translation>
    </message>
    <message>
        <source>Another game is writing the hall of fame just now, so your name is not in it yet. Press Enter Me again in a moment.</source>
        <translation>Une autre partie écrit au tableau d&apos;honneur en ce moment, votre nom n&apos;y est donc pas encore. Appuyez de nouveau sur M&apos;inscrire dans un instant.</translation>
    </message>
    <message>
        <source>The hall of fame could not be read. bingolst.dat is left as it is.</source>
        <translation>Le tableau d&apos;honneur n&apos;a pas pu être lu. bingolst.dat est laissé tel quel.</translation>
    </message>
    <message>
        <source>The hall of fame is read-only: bingolst.dat is left as it is, and no name can be added to it.</source>
        <translation>Le tableau d&apos;honneur est en lecture seule&#xa0;: bingolst.dat est laissé tel quel et aucun nom ne peut y être ajouté.</translation>
    </message>
    <message>
        <source>bingolst.dat is too large to be a hall of fame: it is left as it is, and no name can be added to it.</source>
        <translation>bingolst.dat est trop volumineux pour être un tableau d&apos;honneur&#xa0;: il est laissé tel quel et aucun nom ne peut y être ajouté.</translation>
    </message>
    <message>
        <source>bingolst.dat is not a file but a folder, a pipe or a device: it is left as it is, and no name can be added to it.</source>
        <translation>bingolst.dat n&apos;est pas un fichier mais un dossier, un tube ou un périphérique&#xa0;: il est laissé tel quel et aucun nom ne peut y être ajouté.</translation>
    </message>
    <message>
        <source>bingolst.dat is a link that another user made: the game does not follow it, and no name can be added to the hall of fame.</source>
        <translation>bingolst.dat est un lien créé par un autre utilisateur&#xa0;: le jeu ne le suit pas et aucun nom ne peut être ajouté au tableau d&apos;honneur.</translation>
    </message>
    <message>
        <source>The hall of fame&apos;s lock file, bingolst.dat.lock, is held by another user, %1: ask them to remove it.</source>
        <extracomment>%1 is the user&apos;s name.</extracomment>
        <translation>Le fichier de verrou du tableau d&apos;honneur, bingolst.dat.lock, appartient à un autre utilisateur, %1&#xa0;: demandez-lui de le supprimer.</translation>
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
        <translation>Partie</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>New Cards</source>
        <translation>Nouveaux cartons</translation>
    </message>
    <message>
        <source>Hall of Fame</source>
        <translation>Tableau d&apos;honneur</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>Fenêtres</translation>
    </message>
    <message>
        <source>Reopen Info Window</source>
        <translation>Rouvrir la fenêtre Info</translation>
    </message>
    <message>
        <source>Reopen Cards Table Window</source>
        <translation>Rouvrir la fenêtre des cartons</translation>
    </message>
    <message>
        <source>Tolva BINGO</source>
        <translation>Tolva BINGO</translation>
    </message>
    <message>
        <source>called</source>
        <translation>tiré</translation>
    </message>
    <message>
        <source>not called</source>
        <translation>pas tiré</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>UnPause</source>
        <translation>Reprendre</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
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
        <translation>Une partie est en cours. Voulez-vous vraiment quitter&#xa0;?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Tolva BINGO Cards Table</source>
        <translation>Tolva BINGO&#xa0;: cartons</translation>
    </message>
    <message>
        <source>Card %1, </source>
        <translation>Carton %1, </translation>
    </message>
    <message>
        <source>chip</source>
        <translation>jeton</translation>
    </message>
    <message>
        <source>no chip</source>
        <translation>sans jeton</translation>
    </message>
    <message>
        <source>B I N G O</source>
        <translation>B I N G O</translation>
    </message>
    <message>
        <source>B I N G O, claim card %1</source>
        <translation>B I N G O, crier bingo sur le carton %1</translation>
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
        <translation>Numéro</translation>
    </message>
    <message>
        <source>Calls:</source>
        <translation>Tirés&#xa0;:</translation>
    </message>
    <message>
        <source>Credits:</source>
        <translation>Crédits&#xa0;:</translation>
    </message>
    <message>
        <source>The latest call</source>
        <translation>Le dernier numéro tiré</translation>
    </message>
    <message>
        <source>Calls made in this game</source>
        <translation>Numéros tirés dans cette partie</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Crédits</translation>
    </message>
    <message>
        <source>Game Not Running</source>
        <translation>Partie arrêtée</translation>
    </message>
    <message>
        <source>Enter Your Name in the Hall of Fame...</source>
        <translation>Inscrire votre nom au tableau d&apos;honneur...</translation>
    </message>
    <message>
        <source>Got a bingo? Right-click in this window to enter your name in the Hall of Fame before you claim it.</source>
        <translation>Un bingo&#xa0;? Cliquez avec le bouton droit dans cette fenêtre pour inscrire votre nom au tableau d&apos;honneur avant de l&apos;annoncer.</translation>
    </message>
</context>
<context>
    <name>Form5</name>
    <message>
        <source>Hall Of Fame</source>
        <translation>Tableau d&apos;honneur</translation>
    </message>
    <message>
        <source>Tolva Bingo</source>
        <translation>Tolva Bingo</translation>
    </message>
    <message>
        <source>Tolva Bingo Hall of Fame</source>
        <translation>Tableau d&apos;honneur</translation>
    </message>
    <message>
        <source>Names and their number of calls</source>
        <translation>Les noms et leur nombre de numéros tirés</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source># of Calls</source>
        <translation>Tirés</translation>
    </message>
    <message>
        <source>Tolva Bingo 1.0</source>
        <translation>Tolva Bingo 1.0</translation>
    </message>
    <message>
        <source>Written for players who love a good call</source>
        <translation>Pour les joueurs qui aiment le bingo</translation>
    </message>
    <message>
        <source>Voices by espeak-ng</source>
        <translation>Voix d&apos;espeak-ng</translation>
    </message>
    <message>
        <source>Return to Tolva Bingo</source>
        <translation>Retour à Tolva Bingo</translation>
    </message>
</context>
<context>
    <name>Form6</name>
    <message>
        <source>Hall of Fame</source>
        <translation>Tableau d&apos;honneur</translation>
    </message>
    <message>
        <source>Please enter your name to be recognized on the hall of fame.</source>
        <translation>Entrez votre nom pour figurer au tableau d&apos;honneur.</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Votre nom</translation>
    </message>
    <message>
        <source>Enter Me</source>
        <translation>M&apos;inscrire</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>Game In Progress</source>
        <translation>Partie en cours</translation>
    </message>
    <message>
        <source>Game Not Running</source>
        <translation>Partie arrêtée</translation>
    </message>
    <message>
        <source>Sorry but this can only be done BEFORE starting a new game!  To use this feature start a new game.</source>
        <translation>Désolé, cela n&apos;est possible qu&apos;AVANT de commencer la partie&#xa0;!  Pour l&apos;utiliser, commencez une nouvelle partie.</translation>
    </message>
    <message>
        <source>Sorry that window is open already</source>
        <translation>Désolé, cette fenêtre est déjà ouverte</translation>
    </message>
    <message>
        <source>Congradulations you got a BINGO!</source>
        <translation>Félicitations, vous avez un BINGO&#xa0;!</translation>
    </message>
</context>
</TS>
