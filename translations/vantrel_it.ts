<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>Cards</name>
    <message>
        <source>Ace of Spades</source>
        <translation>Asso di picche</translation>
    </message>
    <message>
        <source>Two of Spades</source>
        <translation>Due di picche</translation>
    </message>
    <message>
        <source>Three of Spades</source>
        <translation>Tre di picche</translation>
    </message>
    <message>
        <source>Four of Spades</source>
        <translation>Quattro di picche</translation>
    </message>
    <message>
        <source>Five of Spades</source>
        <translation>Cinque di picche</translation>
    </message>
    <message>
        <source>Six of Spades</source>
        <translation>Sei di picche</translation>
    </message>
    <message>
        <source>Seven of Spades</source>
        <translation>Sette di picche</translation>
    </message>
    <message>
        <source>Eight of Spades</source>
        <translation>Otto di picche</translation>
    </message>
    <message>
        <source>Nine of Spades</source>
        <translation>Nove di picche</translation>
    </message>
    <message>
        <source>Ten of Spades</source>
        <translation>Dieci di picche</translation>
    </message>
    <message>
        <source>Jack of Spades</source>
        <translation>Fante di picche</translation>
    </message>
    <message>
        <source>Queen of Spades</source>
        <translation>Donna di picche</translation>
    </message>
    <message>
        <source>King of Spades</source>
        <translation>Re di picche</translation>
    </message>
    <message>
        <source>Ace of Clubs</source>
        <translation>Asso di fiori</translation>
    </message>
    <message>
        <source>Two of Clubs</source>
        <translation>Due di fiori</translation>
    </message>
    <message>
        <source>Three of Clubs</source>
        <translation>Tre di fiori</translation>
    </message>
    <message>
        <source>Four of Clubs</source>
        <translation>Quattro di fiori</translation>
    </message>
    <message>
        <source>Five of Clubs</source>
        <translation>Cinque di fiori</translation>
    </message>
    <message>
        <source>Six of Clubs</source>
        <translation>Sei di fiori</translation>
    </message>
    <message>
        <source>Seven of Clubs</source>
        <translation>Sette di fiori</translation>
    </message>
    <message>
        <source>Eight of Clubs</source>
        <translation>Otto di fiori</translation>
    </message>
    <message>
        <source>Nine of Clubs</source>
        <translation>Nove di fiori</translation>
    </message>
    <message>
        <source>Ten of Clubs</source>
        <translation>Dieci di fiori</translation>
    </message>
    <message>
        <source>Jack of Clubs</source>
        <translation>Fante di fiori</translation>
    </message>
    <message>
        <source>Queen of Clubs</source>
        <translation>Donna di fiori</translation>
    </message>
    <message>
        <source>King of Clubs</source>
        <translation>Re di fiori</translation>
    </message>
    <message>
        <source>Ace of Diamonds</source>
        <translation>Asso di quadri</translation>
    </message>
    <message>
        <source>Two of Diamonds</source>
        <translation>Due di quadri</translation>
    </message>
    <message>
        <source>Three of Diamonds</source>
        <translation>Tre di quadri</translation>
    </message>
    <message>
        <source>Four of Diamonds</source>
        <translation>Quattro di quadri</translation>
    </message>
    <message>
        <source>Five of Diamonds</source>
        <translation>Cinque di quadri</translation>
    </message>
    <message>
        <source>Six of Diamonds</source>
        <translation>Sei di quadri</translation>
    </message>
    <message>
        <source>Seven of Diamonds</source>
        <translation>Sette di quadri</translation>
    </message>
    <message>
        <source>Eight of Diamonds</source>
        <translation>Otto di quadri</translation>
    </message>
    <message>
        <source>Nine of Diamonds</source>
        <translation>Nove di quadri</translation>
    </message>
    <message>
        <source>Ten of Diamonds</source>
        <translation>Dieci di quadri</translation>
    </message>
    <message>
        <source>Jack of Diamonds</source>
        <translation>Fante di quadri</translation>
    </message>
    <message>
        <source>Queen of Diamonds</source>
        <translation>Donna di quadri</translation>
    </message>
    <message>
        <source>King of Diamonds</source>
        <translation>Re di quadri</translation>
    </message>
    <message>
        <source>Ace of Hearts</source>
        <translation>Asso di cuori</translation>
    </message>
    <message>
        <source>Two of Hearts</source>
        <translation>Due di cuori</translation>
    </message>
    <message>
        <source>Three of Hearts</source>
        <translation>Tre di cuori</translation>
    </message>
    <message>
        <source>Four of Hearts</source>
        <translation>Quattro di cuori</translation>
    </message>
    <message>
        <source>Five of Hearts</source>
        <translation>Cinque di cuori</translation>
    </message>
    <message>
        <source>Six of Hearts</source>
        <translation>Sei di cuori</translation>
    </message>
    <message>
        <source>Seven of Hearts</source>
        <translation>Sette di cuori</translation>
    </message>
    <message>
        <source>Eight of Hearts</source>
        <translation>Otto di cuori</translation>
    </message>
    <message>
        <source>Nine of Hearts</source>
        <translation>Nove di cuori</translation>
    </message>
    <message>
        <source>Ten of Hearts</source>
        <translation>Dieci di cuori</translation>
    </message>
    <message>
        <source>Jack of Hearts</source>
        <translation>Fante di cuori</translation>
    </message>
    <message>
        <source>Queen of Hearts</source>
        <translation>Donna di cuori</translation>
    </message>
    <message>
        <source>King of Hearts</source>
        <translation>Re di cuori</translation>
    </message>
    <message>
        <source>empty column</source>
        <translation>colonna vuota</translation>
    </message>
    <message>
        <source>face-down card</source>
        <translation>carta coperta</translation>
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
        <translation>&amp;Partita</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuova partita</translation>
    </message>
    <message>
        <source>&amp;Redo (no shuffle)</source>
        <translation>&amp;Ripeti (senza mescolare)</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiche</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Show &amp;Valid Moves</source>
        <translation>Mostra mosse &amp;valide</translation>
    </message>
    <message>
        <source>Show &amp;Number of Moves</source>
        <translation>Mostra &amp;numero di mosse</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Guida</translation>
    </message>
    <message>
        <source>Debug</source>
        <translation>Debug</translation>
    </message>
    <message>
        <source>Use Transparency</source>
        <translation>Usa trasparenza</translation>
    </message>
    <message>
        <source>&amp;Center</source>
        <translation>&amp;Centra</translation>
    </message>
    <message>
        <source>Give &amp;Hint (%1)</source>
        <extracomment>%1: the hints left in this game (3 at the start)</extracomment>
        <translation>Dai un &amp;suggerimento (%1)</translation>
    </message>
    <message>
        <source>Select &amp;Deal...</source>
        <translation>Scegli la &amp;smazzata...</translation>
    </message>
    <message>
        <source>&amp;Keep the Game When Closing</source>
        <translation>&amp;Conserva la partita alla chiusura</translation>
    </message>
    <message>
        <source>&amp;Tell Whether the Game Can Still Be Won</source>
        <translation>&amp;Indica se la partita si può ancora vincere</translation>
    </message>
    <message>
        <source>Deal Only &amp;Winnable Games</source>
        <translation>&amp;Distribuisci solo partite vincibili</translation>
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
        <translation>Guida rapida:

Impila le carte in ordine decrescente e dello stesso seme. Devi spostare l’intera colonna (cioè anche tutte le carte sotto la carta che sposti). Solo i re possono essere messi negli spazi vuoti. Fai clic su “Dai un suggerimento” nel menu Opzioni per avere un’idea. La partita è vinta quando ci sono quattro pile, ognuna dal re all’asso.</translation>
    </message>
    <message>
        <source>Are you SURE you want to clear the statistics?</source>
        <translation>Vuoi DAVVERO azzerare le statistiche?</translation>
    </message>
    <message>
        <source>Possible Moves:</source>
        <extracomment>Heads the list of every possible move, in the cards&apos; own codes (7H,8H), that a hidden switch shows</extracomment>
        <translation>Mosse possibili:</translation>
    </message>
    <message>
        <source>Are you sure you want to start a new game?</source>
        <translation>Vuoi davvero iniziare una nuova partita?</translation>
    </message>
    <message>
        <source>No hints left!</source>
        <translation>Suggerimenti esauriti!</translation>
    </message>
    <message>
        <source>You Win!</source>
        <translation>Hai vinto!</translation>
    </message>
    <message>
        <source>No More Moves!</source>
        <translation>Non ci sono più mosse!</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>è danneggiata</translation>
    </message>
    <message>
        <source>it was kept by another version of the game</source>
        <translation>è stata conservata da un&apos;altra versione del gioco</translation>
    </message>
    <message>
        <source>it holds cards laid out as no game could have left them</source>
        <translation>le sue carte sono disposte come nessuna partita avrebbe potuto lasciarle</translation>
    </message>
    <message>
        <source>it is not an ordinary file that can be read</source>
        <translation>non è un file normale leggibile</translation>
    </message>
    <message>
        <source>The kept game &quot;%1&quot; cannot be restored: %2. The game starts as usual.</source>
        <extracomment>%1: the kept game&apos;s file; %2: why it cannot be restored (&quot;it is damaged&quot;)</extracomment>
        <translation>La partita conservata &quot;%1&quot; non può essere ripristinata: %2. Il gioco parte come sempre.</translation>
    </message>
    <message>
        <source>The file has been moved to &quot;%1&quot;.</source>
        <extracomment>%1: the file&apos;s new name</extracomment>
        <translation>Il file è stato spostato in &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The options could not be saved to &quot;%1&quot;: %2.</source>
        <extracomment>%1: the file; %2: the reason, as the system gives it</extracomment>
        <translation>Impossibile salvare le opzioni in &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>No deal that can be won was found in time: this one may not be winnable.</source>
        <translation>Non è stata trovata in tempo nessuna smazzata vincibile: questa potrebbe non esserlo.</translation>
    </message>
    <message>
        <source>The game could not be kept in &quot;%1&quot;: %2.</source>
        <extracomment>%1: the file; %2: the reason, as the system gives it</extracomment>
        <translation>Impossibile conservare la partita in &quot;%1&quot;: %2.</translation>
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
        <translation>&amp;Sì</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>Screen reader</name>
    <message>
        <source>reserve row, place %1</source>
        <translation>riga di riserva, posto %1</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>colonna %1</translation>
    </message>
    <message>
        <source>column %1, row %2</source>
        <translation>colonna %1, riga %2</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tavolo</translation>
    </message>
    <message>
        <source>Arrow keys choose a card, Space or Enter picks it up and puts it down, Escape puts it back</source>
        <translation>I tasti freccia scelgono una carta, Spazio o Invio la prende e la posa, Esc la rimette a posto</translation>
    </message>
</context>
<context>
    <name>Select Deal</name>
    <message>
        <source>Select Deal</source>
        <translation>Scegli la smazzata</translation>
    </message>
    <message>
        <source>Deal number (0 to 4294967295):</source>
        <translation>Numero della smazzata (da 0 a 4294967295):</translation>
    </message>
    <message>
        <source>Enter a whole number from 0 to 4294967295.</source>
        <translation>Inserisci un numero intero da 0 a 4294967295.</translation>
    </message>
</context>
<context>
    <name>Statistics</name>
    <message numerus="yes">
        <source>%n win(s)</source>
        <extracomment>The current streak, under &quot;Current&quot;: games won in a row</extracomment>
        <translation>
            <numerusform>%n vittoria</numerusform>
            <numerusform>%n vittorie</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n loss(es)</source>
        <extracomment>The current streak, under &quot;Current&quot;: games lost in a row</extracomment>
        <translation>
            <numerusform>%n sconfitta</numerusform>
            <numerusform>%n sconfitte</numerusform>
        </translation>
    </message>
    <message>
        <source>Game Statistics</source>
        <translation>Statistiche di gioco</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiche</translation>
    </message>
    <message>
        <source>Wins:</source>
        <translation>Vittorie:</translation>
    </message>
    <message>
        <source>Losses:</source>
        <translation>Sconfitte:</translation>
    </message>
    <message>
        <source>Streaks</source>
        <translation>Serie</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Attuale</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Azzera</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>Show All Moves</source>
        <translation>Mostra tutte le mosse</translation>
    </message>
    <message>
        <source>Number of Moves: %1</source>
        <extracomment>%1: how many moves can be made now</extracomment>
        <translation>Numero di mosse: %1</translation>
    </message>
    <message>
        <source>Finding out whether this game can still be won...</source>
        <translation>Verifica in corso: questa partita si può ancora vincere?</translation>
    </message>
    <message>
        <source>This game can still be won</source>
        <translation>Questa partita si può ancora vincere</translation>
    </message>
    <message>
        <source>This game can no longer be won</source>
        <translation>Questa partita non si può più vincere</translation>
    </message>
    <message>
        <source>Not known whether this game can still be won: the search gave up</source>
        <translation>Non si sa se questa partita si può ancora vincere: la ricerca si è arresa</translation>
    </message>
</context>
</TS>
