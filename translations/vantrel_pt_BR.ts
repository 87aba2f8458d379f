<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>Cards</name>
    <message>
        <source>Ace of Spades</source>
        <translation>Ás de espadas</translation>
    </message>
    <message>
        <source>Two of Spades</source>
        <translation>Dois de espadas</translation>
    </message>
    <message>
        <source>Three of Spades</source>
        <translation>Três de espadas</translation>
    </message>
    <message>
        <source>Four of Spades</source>
        <translation>Quatro de espadas</translation>
    </message>
    <message>
        <source>Five of Spades</source>
        <translation>Cinco de espadas</translation>
    </message>
    <message>
        <source>Six of Spades</source>
        <translation>Seis de espadas</translation>
    </message>
    <message>
        <source>Seven of Spades</source>
        <translation>Sete de espadas</translation>
    </message>
    <message>
        <source>Eight of Spades</source>
        <translation>Oito de espadas</translation>
    </message>
    <message>
        <source>Nine of Spades</source>
        <translation>Nove de espadas</translation>
    </message>
    <message>
        <source>Ten of Spades</source>
        <translation>Dez de espadas</translation>
    </message>
    <message>
        <source>Jack of Spades</source>
        <translation>Valete de espadas</translation>
    </message>
    <message>
        <source>Queen of Spades</source>
        <translation>Dama de espadas</translation>
    </message>
    <message>
        <source>King of Spades</source>
        <translation>Rei de espadas</translation>
    </message>
    <message>
        <source>Ace of Clubs</source>
        <translation>Ás de paus</translation>
    </message>
    <message>
        <source>Two of Clubs</source>
        <translation>Dois de paus</translation>
    </message>
    <message>
        <source>Three of Clubs</source>
        <translation>Três de paus</translation>
    </message>
    <message>
        <source>Four of Clubs</source>
        <translation>Quatro de paus</translation>
    </message>
    <message>
        <source>Five of Clubs</source>
        <translation>Cinco de paus</translation>
    </message>
    <message>
        <source>Six of Clubs</source>
        <translation>Seis de paus</translation>
    </message>
    <message>
        <source>Seven of Clubs</source>
        <translation>Sete de paus</translation>
    </message>
    <message>
        <source>Eight of Clubs</source>
        <translation>Oito de paus</translation>
    </message>
    <message>
        <source>Nine of Clubs</source>
        <translation>Nove de paus</translation>
    </message>
    <message>
        <source>Ten of Clubs</source>
        <translation>Dez de paus</translation>
    </message>
    <message>
        <source>Jack of Clubs</source>
        <translation>Valete de paus</translation>
    </message>
    <message>
        <source>Queen of Clubs</source>
        <translation>Dama de paus</translation>
    </message>
    <message>
        <source>King of Clubs</source>
        <translation>Rei de paus</translation>
    </message>
    <message>
        <source>Ace of Diamonds</source>
        <translation>Ás de ouros</translation>
    </message>
    <message>
        <source>Two of Diamonds</source>
        <translation>Dois de ouros</translation>
    </message>
    <message>
        <source>Three of Diamonds</source>
        <translation>Três de ouros</translation>
    </message>
    <message>
        <source>Four of Diamonds</source>
        <translation>Quatro de ouros</translation>
    </message>
    <message>
        <source>Five of Diamonds</source>
        <translation>Cinco de ouros</translation>
    </message>
    <message>
        <source>Six of Diamonds</source>
        <translation>Seis de ouros</translation>
    </message>
    <message>
        <source>Seven of Diamonds</source>
        <translation>Sete de ouros</translation>
    </message>
    <message>
        <source>Eight of Diamonds</source>
        <translation>Oito de ouros</translation>
    </message>
    <message>
        <source>Nine of Diamonds</source>
        <translation>Nove de ouros</translation>
    </message>
    <message>
        <source>Ten of Diamonds</source>
        <translation>Dez de ouros</translation>
    </message>
    <message>
        <source>Jack of Diamonds</source>
        <translation>Valete de ouros</translation>
    </message>
    <message>
        <source>Queen of Diamonds</source>
        <translation>Dama de ouros</translation>
    </message>
    <message>
        <source>King of Diamonds</source>
        <translation>Rei de ouros</translation>
    </message>
    <message>
        <source>Ace of Hearts</source>
        <translation>Ás de copas</translation>
    </message>
    <message>
        <source>Two of Hearts</source>
        <translation>Dois de copas</translation>
    </message>
    <message>
        <source>Three of Hearts</source>
        <translation>Três de copas</translation>
    </message>
    <message>
        <source>Four of Hearts</source>
        <translation>Quatro de copas</translation>
    </message>
    <message>
        <source>Five of Hearts</source>
        <translation>Cinco de copas</translation>
    </message>
    <message>
        <source>Six of Hearts</source>
        <translation>Seis de copas</translation>
    </message>
    <message>
        <source>Seven of Hearts</source>
        <translation>Sete de copas</translation>
    </message>
    <message>
        <source>Eight of Hearts</source>
        <translation>Oito de copas</translation>
    </message>
    <message>
        <source>Nine of Hearts</source>
        <translation>Nove de copas</translation>
    </message>
    <message>
        <source>Ten of Hearts</source>
        <translation>Dez de copas</translation>
    </message>
    <message>
        <source>Jack of Hearts</source>
        <translation>Valete de copas</translation>
    </message>
    <message>
        <source>Queen of Hearts</source>
        <translation>Dama de copas</translation>
    </message>
    <message>
        <source>King of Hearts</source>
        <translation>Rei de copas</translation>
    </message>
    <message>
        <source>empty column</source>
        <translation>coluna vazia</translation>
    </message>
    <message>
        <source>face-down card</source>
        <translation>carta virada para baixo</translation>
    </message>
    <message>
        <source>card</source>
        <translation>carta</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Jogo</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Novo jogo</translation>
    </message>
    <message>
        <source>&amp;Redo (no shuffle)</source>
        <translation>&amp;Repetir (sem embaralhar)</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estatísticas</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Desfazer</translation>
    </message>
    <message>
        <source>Show &amp;Valid Moves</source>
        <translation>Mostrar jogadas &amp;válidas</translation>
    </message>
    <message>
        <source>Show &amp;Number of Moves</source>
        <translation>Mostrar &amp;número de jogadas</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ajuda</translation>
    </message>
    <message>
        <source>Debug</source>
        <translation>Depuração</translation>
    </message>
    <message>
        <source>Use Transparency</source>
        <translation>Usar transparência</translation>
    </message>
    <message>
        <source>&amp;Center</source>
        <translation>&amp;Centralizar</translation>
    </message>
    <message>
        <source>Give &amp;Hint (%1)</source>
        <extracomment>%1: the hints left in this game (3 at the start)</extracomment>
        <translation>&amp;Mostrar dica (%1)</translation>
    </message>
    <message>
        <source>Select &amp;Deal...</source>
        <translation>&amp;Escolher partida...</translation>
    </message>
    <message>
        <source>&amp;Keep the Game When Closing</source>
        <translation>&amp;Guardar o jogo ao fechar</translation>
    </message>
    <message>
        <source>&amp;Tell Whether the Game Can Still Be Won</source>
        <translation>&amp;Informar se o jogo ainda pode ser vencido</translation>
    </message>
    <message>
        <source>Deal Only &amp;Winnable Games</source>
        <translation>Distribuir &amp;apenas jogos que podem ser vencidos</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Quick Help:

Stack the cards in descending, same suit order. You have
to move the whole column (ie; all cards under the card
you&apos;re moving too). Only Kings can be played on blank spots.
Click &quot;Give Hint&quot; in the Options menu to get an idea. The
game is won when there are four piles, all King down to Ace.</source>
        <extracomment>Name the Options menu and its Give Hint item as the menus call them. The line breaks are the English text&apos;s own: a translation may leave them out and let the box wrap its lines.</extracomment>
        <translation>Ajuda rápida:

Empilhe as cartas em ordem decrescente, do mesmo naipe. É preciso mover a coluna inteira (ou seja, também todas as cartas abaixo da carta que você move). Só reis podem ser colocados nos espaços vazios. Clique em “Mostrar dica” no menu Opções para ter uma ideia. O jogo está ganho quando há quatro pilhas, cada uma do rei ao ás.</translation>
    </message>
    <message>
        <source>Are you SURE you want to clear the statistics?</source>
        <translation>Tem CERTEZA de que deseja limpar as estatísticas?</translation>
    </message>
    <message>
        <source>Possible Moves:</source>
        <extracomment>Heads the list of every possible move, in the cards&apos; own codes (7H,8H), that a hidden switch shows</extracomment>
        <translation>Jogadas possíveis:</translation>
    </message>
    <message>
        <source>Are you sure you want to start a new game?</source>
        <translation>Tem certeza de que deseja iniciar um novo jogo?</translation>
    </message>
    <message>
        <source>No hints left!</source>
        <translation>Não há mais dicas!</translation>
    </message>
    <message>
        <source>You Win!</source>
        <translation>Você venceu!</translation>
    </message>
    <message>
        <source>No More Moves!</source>
        <translation>Não há mais jogadas!</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>está danificado</translation>
    </message>
    <message>
        <source>it was kept by another version of the game</source>
        <translation>foi guardado por outra versão do jogo</translation>
    </message>
    <message>
        <source>it holds cards laid out as no game could have left them</source>
        <translation>suas cartas estão dispostas de um jeito que nenhum jogo poderia ter deixado</translation>
    </message>
    <message>
        <source>it is not an ordinary file that can be read</source>
        <translation>não é um arquivo comum que possa ser lido</translation>
    </message>
    <message>
        <source>The kept game &quot;%1&quot; cannot be restored: %2. The game starts as usual.</source>
        <extracomment>%1: the kept game&apos;s file; %2: why it cannot be restored (&quot;it is damaged&quot;)</extracomment>
        <translation>O jogo guardado &quot;%1&quot; não pode ser restaurado: %2. O jogo começa normalmente.</translation>
    </message>
    <message>
        <source>The file has been moved to &quot;%1&quot;.</source>
        <extracomment>%1: the file&apos;s new name</extracomment>
        <translation>O arquivo foi movido para &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The options could not be saved to &quot;%1&quot;: %2.</source>
        <extracomment>%1: the file; %2: the reason, as the system gives it</extracomment>
        <translation>Não foi possível salvar as opções em &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>No deal that can be won was found in time: this one may not be winnable.</source>
        <translation>Nenhuma partida que possa ser vencida foi encontrada a tempo: esta talvez não possa ser vencida.</translation>
    </message>
    <message>
        <source>The game could not be kept in &quot;%1&quot;: %2.</source>
        <extracomment>%1: the file; %2: the reason, as the system gives it</extracomment>
        <translation>Não foi possível guardar o jogo em &quot;%1&quot;: %2.</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <extracomment>Qt&apos;s own word for its standard button, used only where Qt&apos;s translations lack the language</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sim</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Não</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>Screen reader</name>
    <message>
        <source>reserve row, place %1</source>
        <translation>fileira de reserva, posição %1</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>coluna %1</translation>
    </message>
    <message>
        <source>column %1, row %2</source>
        <translation>coluna %1, linha %2</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Mesa</translation>
    </message>
    <message>
        <source>Arrow keys choose a card, Space or Enter picks it up and puts it down, Escape puts it back</source>
        <translation>As setas escolhem uma carta, Espaço ou Enter a pega e a solta, Esc a devolve ao lugar</translation>
    </message>
</context>
<context>
    <name>Select Deal</name>
    <message>
        <source>Select Deal</source>
        <translation>Escolher partida</translation>
    </message>
    <message>
        <source>Deal number (0 to 4294967295):</source>
        <translation>Número da partida (de 0 a 4294967295):</translation>
    </message>
    <message>
        <source>Enter a whole number from 0 to 4294967295.</source>
        <translation>Digite um número inteiro de 0 a 4294967295.</translation>
    </message>
</context>
<context>
    <name>Statistics</name>
    <message numerus="yes">
        <source>%n win(s)</source>
        <extracomment>The current streak, under &quot;Current&quot;: games won in a row</extracomment>
        <translation>
            <numerusform>%n vitória</numerusform>
            <numerusform>%n vitórias</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n loss(es)</source>
        <extracomment>The current streak, under &quot;Current&quot;: games lost in a row</extracomment>
        <translation>
            <numerusform>%n derrota</numerusform>
            <numerusform>%n derrotas</numerusform>
        </translation>
    </message>
    <message>
        <source>Game Statistics</source>
        <translation>Estatísticas do jogo</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estatísticas</translation>
    </message>
    <message>
        <source>Wins:</source>
        <translation>Vitórias:</translation>
    </message>
    <message>
        <source>Losses:</source>
        <translation>Derrotas:</translation>
    </message>
    <message>
        <source>Streaks</source>
        <translation>Sequências</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Atual</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>Show All Moves</source>
        <translation>Mostrar todas as jogadas</translation>
    </message>
    <message>
        <source>Number of Moves: %1</source>
        <extracomment>%1: how many moves can be made now</extracomment>
        <translation>Número de jogadas: %1</translation>
    </message>
    <message>
        <source>Finding out whether this game can still be won...</source>
        <translation>Verificando se este jogo ainda pode ser vencido...</translation>
    </message>
    <message>
        <source>This game can still be won</source>
        <translation>Este jogo ainda pode ser vencido</translation>
    </message>
    <message>
        <source>This game can no longer be won</source>
        <translation>Este jogo não pode mais ser vencido</translation>
    </message>
    <message>
        <source>Not known whether this game can still be won: the search gave up</source>
        <translation>Não se sabe se este jogo ainda pode ser vencido: a busca desistiu</translation>
    </message>
</context>
</TS>
