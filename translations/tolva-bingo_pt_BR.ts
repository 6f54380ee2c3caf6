<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Bingo</name>
    <message>
        <source>Tolva Bingo</source>
        <translation>Tolva Bingo</translation>
    </message>
    <message>
        <source>Your name could not be saved in the hall of fame. The hall of fame is unchanged; check that the folder can be written to and try again.</source>
        <translation>Não foi possível salvar seu nome no Hall da Fama. O Hall da Fama não foi alterado; verifique se é possível gravar na pasta e tente de novo.</translation>
    </message>
    <message>
        <source>Another game is writing the hall of fame just now, so your name is not in it yet. Press Enter Me again in a moment.</source>
        <translation>Outro jogo está gravando o Hall da Fama agora mesmo, por isso seu nome ainda não está nele. Clique em Registrar de novo daqui a pouco.</translation>
    </message>
    <message>
        <source>The hall of fame could not be read. bingolst.dat is left as it is.</source>
        <translation>Não foi possível ler o Hall da Fama. O bingolst.dat fica como está.</translation>
    </message>
    <message>
        <source>The hall of fame is read-only: bingolst.dat is left as it is, and no name can be added to it.</source>
        <translation>O Hall da Fama é somente leitura: o bingolst.dat fica como está e nenhum nome pode ser adicionado a ele.</translation>
    </message>
    <message>
        <source>bingolst.dat is too large to be a hall of fame: it is left as it is, and no name can be added to it.</source>
        <translation>O bingolst.dat é grande demais para ser um Hall da Fama: ele fica como está e nenhum nome pode ser adicionado a ele.</translation>
    </message>
    <message>
        <source>bingolst.dat is not a file but a folder, a pipe or a device: it is left as it is, and no name can be added to it.</source>
        <translation>O bingolst.dat não é um arquivo, e sim uma pasta, um pipe ou um dispositivo: ele fica como está e nenhum nome pode ser adicionado a ele.</translation>
    </message>
    <message>
        <source>bingolst.dat is a link that another user made: the game does not follow it, and no name can be added to the hall of fame.</source>
        <translation>O bingolst.dat é um link criado por outro usuário: o jogo não o segue e nenhum nome pode ser adicionado ao Hall da Fama.</translation>
    </message>
    <message>
        <source>The hall of fame&apos;s lock file, bingolst.dat.lock, is held by another user, %1: ask them to remove it.</source>
        <extracomment>%1 is the user&apos;s name.</extracomment>
        <translation>O arquivo de trava do Hall da Fama, bingolst.dat.lock, pertence a outro usuário, %1: peça a ele que o remova.</translation>
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
        <translation>Jogo</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Novo jogo</translation>
    </message>
    <message>
        <source>New Cards</source>
        <translation>Novas cartelas</translation>
    </message>
    <message>
        <source>Hall of Fame</source>
        <translation>Hall da Fama</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>Janelas</translation>
    </message>
    <message>
        <source>Reopen Info Window</source>
        <translation>Reabrir a janela Info</translation>
    </message>
    <message>
        <source>Reopen Cards Table Window</source>
        <translation>Reabrir a janela das cartelas</translation>
    </message>
    <message>
        <source>Tolva BINGO</source>
        <translation>Tolva BINGO</translation>
    </message>
    <message>
        <source>called</source>
        <translation>sorteado</translation>
    </message>
    <message>
        <source>not called</source>
        <translation>não sorteado</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>UnPause</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
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
        <translation>Há um jogo em andamento. Tem certeza de que quer sair?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Tolva BINGO Cards Table</source>
        <translation>Tolva BINGO: cartelas</translation>
    </message>
    <message>
        <source>Card %1, </source>
        <translation>Cartela %1, </translation>
    </message>
    <message>
        <source>chip</source>
        <translation>ficha</translation>
    </message>
    <message>
        <source>no chip</source>
        <translation>sem ficha</translation>
    </message>
    <message>
        <source>B I N G O</source>
        <translation>B I N G O</translation>
    </message>
    <message>
        <source>B I N G O, claim card %1</source>
        <translation>B I N G O, bater bingo com a cartela %1</translation>
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
        <translation>Pedra</translation>
    </message>
    <message>
        <source>Calls:</source>
        <translation>Pedras:</translation>
    </message>
    <message>
        <source>Credits:</source>
        <translation>Saldo:</translation>
    </message>
    <message>
        <source>The latest call</source>
        <translation>A última pedra</translation>
    </message>
    <message>
        <source>Calls made in this game</source>
        <translation>Pedras sorteadas neste jogo</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Game Not Running</source>
        <translation>Jogo parado</translation>
    </message>
    <message>
        <source>Enter Your Name in the Hall of Fame...</source>
        <translation>Registrar seu nome no Hall da Fama...</translation>
    </message>
    <message>
        <source>Got a bingo? Right-click in this window to enter your name in the Hall of Fame before you claim it.</source>
        <translation>Fez bingo? Clique com o botão direito nesta janela para registrar seu nome no Hall da Fama antes de bater.</translation>
    </message>
</context>
<context>
    <name>Form5</name>
    <message>
        <source>Hall Of Fame</source>
        <translation>Hall da Fama</translation>
    </message>
    <message>
        <source>Tolva Bingo</source>
        <translation>Tolva Bingo</translation>
    </message>
    <message>
        <source>Tolva Bingo Hall of Fame</source>
        <translation>Hall da Fama</translation>
    </message>
    <message>
        <source>Names and their number of calls</source>
        <translation>Nomes e o número de pedras de cada um</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source># of Calls</source>
        <translation>Pedras</translation>
    </message>
    <message>
        <source>Tolva Bingo 1.0</source>
        <translation>Tolva Bingo 1.0</translation>
    </message>
    <message>
        <source>Written for players who love a good call</source>
        <translation>Feito para quem adora um bom bingo</translation>
    </message>
    <message>
        <source>Voices by espeak-ng</source>
        <translation>Vozes do espeak-ng</translation>
    </message>
    <message>
        <source>Return to Tolva Bingo</source>
        <translation>Voltar ao Tolva Bingo</translation>
    </message>
</context>
<context>
    <name>Form6</name>
    <message>
        <source>Hall of Fame</source>
        <translation>Hall da Fama</translation>
    </message>
    <message>
        <source>Please enter your name to be recognized on the hall of fame.</source>
        <translation>Digite seu nome para entrar no Hall da Fama.</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Seu nome</translation>
    </message>
    <message>
        <source>Enter Me</source>
        <translation>Registrar</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>Game In Progress</source>
        <translation>Jogo em andamento</translation>
    </message>
    <message>
        <source>Game Not Running</source>
        <translation>Jogo parado</translation>
    </message>
    <message>
        <source>Sorry but this can only be done BEFORE starting a new game!  To use this feature start a new game.</source>
        <translation>Desculpe, isso só pode ser feito ANTES de iniciar o jogo!  Para usar este recurso, comece um novo jogo.</translation>
    </message>
    <message>
        <source>Sorry that window is open already</source>
        <translation>Desculpe, essa janela já está aberta</translation>
    </message>
    <message>
        <source>Congradulations you got a BINGO!</source>
        <translation>Parabéns, você fez BINGO!</translation>
    </message>
</context>
</TS>
