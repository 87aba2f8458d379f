<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv" sourcelanguage="en">
<context>
    <name>Cards</name>
    <message>
        <source>Ace of Spades</source>
        <translation>Spader ess</translation>
    </message>
    <message>
        <source>Two of Spades</source>
        <translation>Spader två</translation>
    </message>
    <message>
        <source>Three of Spades</source>
        <translation>Spader tre</translation>
    </message>
    <message>
        <source>Four of Spades</source>
        <translation>Spader fyra</translation>
    </message>
    <message>
        <source>Five of Spades</source>
        <translation>Spader fem</translation>
    </message>
    <message>
        <source>Six of Spades</source>
        <translation>Spader sex</translation>
    </message>
    <message>
        <source>Seven of Spades</source>
        <translation>Spader sju</translation>
    </message>
    <message>
        <source>Eight of Spades</source>
        <translation>Spader åtta</translation>
    </message>
    <message>
        <source>Nine of Spades</source>
        <translation>Spader nio</translation>
    </message>
    <message>
        <source>Ten of Spades</source>
        <translation>Spader tio</translation>
    </message>
    <message>
        <source>Jack of Spades</source>
        <translation>Spader knekt</translation>
    </message>
    <message>
        <source>Queen of Spades</source>
        <translation>Spader dam</translation>
    </message>
    <message>
        <source>King of Spades</source>
        <translation>Spader kung</translation>
    </message>
    <message>
        <source>Ace of Clubs</source>
        <translation>Klöver ess</translation>
    </message>
    <message>
        <source>Two of Clubs</source>
        <translation>Klöver två</translation>
    </message>
    <message>
        <source>Three of Clubs</source>
        <translation>Klöver tre</translation>
    </message>
    <message>
        <source>Four of Clubs</source>
        <translation>Klöver fyra</translation>
    </message>
    <message>
        <source>Five of Clubs</source>
        <translation>Klöver fem</translation>
    </message>
    <message>
        <source>Six of Clubs</source>
        <translation>Klöver sex</translation>
    </message>
    <message>
        <source>Seven of Clubs</source>
        <translation>Klöver sju</translation>
    </message>
    <message>
        <source>Eight of Clubs</source>
        <translation>Klöver åtta</translation>
    </message>
    <message>
        <source>Nine of Clubs</source>
        <translation>Klöver nio</translation>
    </message>
    <message>
        <source>Ten of Clubs</source>
        <translation>Klöver tio</translation>
    </message>
    <message>
        <source>Jack of Clubs</source>
        <translation>Klöver knekt</translation>
    </message>
    <message>
        <source>Queen of Clubs</source>
        <translation>Klöver dam</translation>
    </message>
    <message>
        <source>King of Clubs</source>
        <translation>Klöver kung</translation>
    </message>
    <message>
        <source>Ace of Diamonds</source>
        <translation>Ruter ess</translation>
    </message>
    <message>
        <source>Two of Diamonds</source>
        <translation>Ruter två</translation>
    </message>
    <message>
        <source>Three of Diamonds</source>
        <translation>Ruter tre</translation>
    </message>
    <message>
        <source>Four of Diamonds</source>
        <translation>Ruter fyra</translation>
    </message>
    <message>
        <source>Five of Diamonds</source>
        <translation>Ruter fem</translation>
    </message>
    <message>
        <source>Six of Diamonds</source>
        <translation>Ruter sex</translation>
    </message>
    <message>
        <source>Seven of Diamonds</source>
        <translation>Ruter sju</translation>
    </message>
    <message>
        <source>Eight of Diamonds</source>
        <translation>Ruter åtta</translation>
    </message>
    <message>
        <source>Nine of Diamonds</source>
        <translation>Ruter nio</translation>
    </message>
    <message>
        <source>Ten of Diamonds</source>
        <translation>Ruter tio</translation>
    </message>
    <message>
        <source>Jack of Diamonds</source>
        <translation>Ruter knekt</translation>
    </message>
    <message>
        <source>Queen of Diamonds</source>
        <translation>Ruter dam</translation>
    </message>
    <message>
        <source>King of Diamonds</source>
        <translation>Ruter kung</translation>
    </message>
    <message>
        <source>Ace of Hearts</source>
        <translation>Hjärter ess</translation>
    </message>
    <message>
        <source>Two of Hearts</source>
        <translation>Hjärter två</translation>
    </message>
    <message>
        <source>Three of Hearts</source>
        <translation>Hjärter tre</translation>
    </message>
    <message>
        <source>Four of Hearts</source>
        <translation>Hjärter fyra</translation>
    </message>
    <message>
        <source>Five of Hearts</source>
        <translation>Hjärter fem</translation>
    </message>
    <message>
        <source>Six of Hearts</source>
        <translation>Hjärter sex</translation>
    </message>
    <message>
        <source>Seven of Hearts</source>
        <translation>Hjärter sju</translation>
    </message>
    <message>
        <source>Eight of Hearts</source>
        <translation>Hjärter åtta</translation>
    </message>
    <message>
        <source>Nine of Hearts</source>
        <translation>Hjärter nio</translation>
    </message>
    <message>
        <source>Ten of Hearts</source>
        <translation>Hjärter tio</translation>
    </message>
    <message>
        <source>Jack of Hearts</source>
        <translation>Hjärter knekt</translation>
    </message>
    <message>
        <source>Queen of Hearts</source>
        <translation>Hjärter dam</translation>
    </message>
    <message>
        <source>King of Hearts</source>
        <translation>Hjärter kung</translation>
    </message>
    <message>
        <source>empty column</source>
        <translation>tom kolumn</translation>
    </message>
    <message>
        <source>face-down card</source>
        <translation>nedvänt kort</translation>
    </message>
    <message>
        <source>card</source>
        <translation>kort</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spel</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nytt spel</translation>
    </message>
    <message>
        <source>&amp;Redo (no shuffle)</source>
        <translation>Spela &amp;om (utan blandning)</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Avsluta</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Alternativ</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Ångra</translation>
    </message>
    <message>
        <source>Show &amp;Valid Moves</source>
        <translation>Visa &amp;giltiga drag</translation>
    </message>
    <message>
        <source>Show &amp;Number of Moves</source>
        <translation>Visa &amp;antal drag</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hjälp</translation>
    </message>
    <message>
        <source>Debug</source>
        <translation>Felsökning</translation>
    </message>
    <message>
        <source>Use Transparency</source>
        <translation>Använd genomskinlighet</translation>
    </message>
    <message>
        <source>&amp;Center</source>
        <translation>&amp;Centrera</translation>
    </message>
    <message>
        <source>Give &amp;Hint (%1)</source>
        <extracomment>%1: the hints left in this game (3 at the start)</extracomment>
        <translation>Ge &amp;tips (%1)</translation>
    </message>
    <message>
        <source>Select &amp;Deal...</source>
        <translation>&amp;Välj giv...</translation>
    </message>
    <message>
        <source>&amp;Keep the Game When Closing</source>
        <translation>&amp;Behåll spelet vid stängning</translation>
    </message>
    <message>
        <source>&amp;Tell Whether the Game Can Still Be Won</source>
        <translation>&amp;Visa om spelet fortfarande kan vinnas</translation>
    </message>
    <message>
        <source>Deal Only &amp;Winnable Games</source>
        <translation>Ge bara &amp;lösbara givar</translation>
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
        <translation>Snabbhjälp:

Lägg korten i fallande ordning i samma färg. Du måste flytta hela kolumnen (dvs. även alla kort under kortet du flyttar). Bara kungar får läggas på tomma platser. Klicka på ”Ge tips” i menyn Alternativ om du kört fast. Spelet är vunnet när det ligger fyra högar, var och en från kung till ess.</translation>
    </message>
    <message>
        <source>Are you SURE you want to clear the statistics?</source>
        <translation>Vill du VERKLIGEN rensa statistiken?</translation>
    </message>
    <message>
        <source>Possible Moves:</source>
        <extracomment>Heads the list of every possible move, in the cards&apos; own codes (7H,8H), that a hidden switch shows</extracomment>
        <translation>Möjliga drag:</translation>
    </message>
    <message>
        <source>Are you sure you want to start a new game?</source>
        <translation>Vill du verkligen starta ett nytt spel?</translation>
    </message>
    <message>
        <source>No hints left!</source>
        <translation>Inga tips kvar!</translation>
    </message>
    <message>
        <source>You Win!</source>
        <translation>Du vann!</translation>
    </message>
    <message>
        <source>No More Moves!</source>
        <translation>Inga fler drag!</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>det är skadat</translation>
    </message>
    <message>
        <source>it was kept by another version of the game</source>
        <translation>det sparades av en annan version av spelet</translation>
    </message>
    <message>
        <source>it holds cards laid out as no game could have left them</source>
        <translation>korten ligger så som inget spel kan ha lämnat dem</translation>
    </message>
    <message>
        <source>it is not an ordinary file that can be read</source>
        <translation>det är ingen vanlig fil som går att läsa</translation>
    </message>
    <message>
        <source>The kept game &quot;%1&quot; cannot be restored: %2. The game starts as usual.</source>
        <extracomment>%1: the kept game&apos;s file; %2: why it cannot be restored (&quot;it is damaged&quot;)</extracomment>
        <translation>Det sparade spelet &quot;%1&quot; kan inte återställas: %2. Spelet startar som vanligt.</translation>
    </message>
    <message>
        <source>The file has been moved to &quot;%1&quot;.</source>
        <extracomment>%1: the file&apos;s new name</extracomment>
        <translation>Filen har flyttats till &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The options could not be saved to &quot;%1&quot;: %2.</source>
        <extracomment>%1: the file; %2: the reason, as the system gives it</extracomment>
        <translation>Alternativen kunde inte sparas i &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>No deal that can be won was found in time: this one may not be winnable.</source>
        <translation>Ingen giv som går att vinna hittades i tid: den här kanske inte går att vinna.</translation>
    </message>
    <message>
        <source>The game could not be kept in &quot;%1&quot;: %2.</source>
        <extracomment>%1: the file; %2: the reason, as the system gives it</extracomment>
        <translation>Spelet kunde inte sparas i &quot;%1&quot;: %2.</translation>
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
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nej</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
</context>
<context>
    <name>Screen reader</name>
    <message>
        <source>reserve row, place %1</source>
        <translation>reservraden, plats %1</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>kolumn %1</translation>
    </message>
    <message>
        <source>column %1, row %2</source>
        <translation>kolumn %1, rad %2</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Bord</translation>
    </message>
    <message>
        <source>Arrow keys choose a card, Space or Enter picks it up and puts it down, Escape puts it back</source>
        <translation>Piltangenterna väljer ett kort, mellanslag eller Retur tar upp det och lägger ner det, Escape lägger tillbaka det</translation>
    </message>
</context>
<context>
    <name>Select Deal</name>
    <message>
        <source>Select Deal</source>
        <translation>Välj giv</translation>
    </message>
    <message>
        <source>Deal number (0 to 4294967295):</source>
        <translation>Givens nummer (0 till 4294967295):</translation>
    </message>
    <message>
        <source>Enter a whole number from 0 to 4294967295.</source>
        <translation>Ange ett heltal från 0 till 4294967295.</translation>
    </message>
</context>
<context>
    <name>Statistics</name>
    <message numerus="yes">
        <source>%n win(s)</source>
        <extracomment>The current streak, under &quot;Current&quot;: games won in a row</extracomment>
        <translation>
            <numerusform>%n vinst</numerusform>
            <numerusform>%n vinster</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n loss(es)</source>
        <extracomment>The current streak, under &quot;Current&quot;: games lost in a row</extracomment>
        <translation>
            <numerusform>%n förlust</numerusform>
            <numerusform>%n förluster</numerusform>
        </translation>
    </message>
    <message>
        <source>Game Statistics</source>
        <translation>Spelstatistik</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Wins:</source>
        <translation>Vinster:</translation>
    </message>
    <message>
        <source>Losses:</source>
        <translation>Förluster:</translation>
    </message>
    <message>
        <source>Streaks</source>
        <translation>Sviter</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Aktuell</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Rensa</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>Show All Moves</source>
        <translation>Visa alla drag</translation>
    </message>
    <message>
        <source>Number of Moves: %1</source>
        <extracomment>%1: how many moves can be made now</extracomment>
        <translation>Antal drag: %1</translation>
    </message>
    <message>
        <source>Finding out whether this game can still be won...</source>
        <translation>Tar reda på om spelet fortfarande kan vinnas...</translation>
    </message>
    <message>
        <source>This game can still be won</source>
        <translation>Det här spelet kan fortfarande vinnas</translation>
    </message>
    <message>
        <source>This game can no longer be won</source>
        <translation>Det här spelet kan inte längre vinnas</translation>
    </message>
    <message>
        <source>Not known whether this game can still be won: the search gave up</source>
        <translation>Okänt om det här spelet fortfarande kan vinnas: sökningen gav upp</translation>
    </message>
</context>
</TS>
