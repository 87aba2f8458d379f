<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="en">
<context>
    <name>Cards</name>
    <message>
        <source>Ace of Spades</source>
        <translation>Schoppen aas</translation>
    </message>
    <message>
        <source>Two of Spades</source>
        <translation>Schoppen twee</translation>
    </message>
    <message>
        <source>Three of Spades</source>
        <translation>Schoppen drie</translation>
    </message>
    <message>
        <source>Four of Spades</source>
        <translation>Schoppen vier</translation>
    </message>
    <message>
        <source>Five of Spades</source>
        <translation>Schoppen vijf</translation>
    </message>
    <message>
        <source>Six of Spades</source>
        <translation>Schoppen zes</translation>
    </message>
    <message>
        <source>Seven of Spades</source>
        <translation>Schoppen zeven</translation>
    </message>
    <message>
        <source>Eight of Spades</source>
        <translation>Schoppen acht</translation>
    </message>
    <message>
        <source>Nine of Spades</source>
        <translation>Schoppen negen</translation>
    </message>
    <message>
        <source>Ten of Spades</source>
        <translation>Schoppen tien</translation>
    </message>
    <message>
        <source>Jack of Spades</source>
        <translation>Schoppen boer</translation>
    </message>
    <message>
        <source>Queen of Spades</source>
        <translation>Schoppen vrouw</translation>
    </message>
    <message>
        <source>King of Spades</source>
        <translation>Schoppen heer</translation>
    </message>
    <message>
        <source>Ace of Clubs</source>
        <translation>Klaveren aas</translation>
    </message>
    <message>
        <source>Two of Clubs</source>
        <translation>Klaveren twee</translation>
    </message>
    <message>
        <source>Three of Clubs</source>
        <translation>Klaveren drie</translation>
    </message>
    <message>
        <source>Four of Clubs</source>
        <translation>Klaveren vier</translation>
    </message>
    <message>
        <source>Five of Clubs</source>
        <translation>Klaveren vijf</translation>
    </message>
    <message>
        <source>Six of Clubs</source>
        <translation>Klaveren zes</translation>
    </message>
    <message>
        <source>Seven of Clubs</source>
        <translation>Klaveren zeven</translation>
    </message>
    <message>
        <source>Eight of Clubs</source>
        <translation>Klaveren acht</translation>
    </message>
    <message>
        <source>Nine of Clubs</source>
        <translation>Klaveren negen</translation>
    </message>
    <message>
        <source>Ten of Clubs</source>
        <translation>Klaveren tien</translation>
    </message>
    <message>
        <source>Jack of Clubs</source>
        <translation>Klaveren boer</translation>
    </message>
    <message>
        <source>Queen of Clubs</source>
        <translation>Klaveren vrouw</translation>
    </message>
    <message>
        <source>King of Clubs</source>
        <translation>Klaveren heer</translation>
    </message>
    <message>
        <source>Ace of Diamonds</source>
        <translation>Ruiten aas</translation>
    </message>
    <message>
        <source>Two of Diamonds</source>
        <translation>Ruiten twee</translation>
    </message>
    <message>
        <source>Three of Diamonds</source>
        <translation>Ruiten drie</translation>
    </message>
    <message>
        <source>Four of Diamonds</source>
        <translation>Ruiten vier</translation>
    </message>
    <message>
        <source>Five of Diamonds</source>
        <translation>Ruiten vijf</translation>
    </message>
    <message>
        <source>Six of Diamonds</source>
        <translation>Ruiten zes</translation>
    </message>
    <message>
        <source>Seven of Diamonds</source>
        <translation>Ruiten zeven</translation>
    </message>
    <message>
        <source>Eight of Diamonds</source>
        <translation>Ruiten acht</translation>
    </message>
    <message>
        <source>Nine of Diamonds</source>
        <translation>Ruiten negen</translation>
    </message>
    <message>
        <source>Ten of Diamonds</source>
        <translation>Ruiten tien</translation>
    </message>
    <message>
        <source>Jack of Diamonds</source>
        <translation>Ruiten boer</translation>
    </message>
    <message>
        <source>Queen of Diamonds</source>
        <translation>Ruiten vrouw</translation>
    </message>
    <message>
        <source>King of Diamonds</source>
        <translation>Ruiten heer</translation>
    </message>
    <message>
        <source>Ace of Hearts</source>
        <translation>Harten aas</translation>
    </message>
    <message>
        <source>Two of Hearts</source>
        <translation>Harten twee</translation>
    </message>
    <message>
        <source>Three of Hearts</source>
        <translation>Harten drie</translation>
    </message>
    <message>
        <source>Four of Hearts</source>
        <translation>Harten vier</translation>
    </message>
    <message>
        <source>Five of Hearts</source>
        <translation>Harten vijf</translation>
    </message>
    <message>
        <source>Six of Hearts</source>
        <translation>Harten zes</translation>
    </message>
    <message>
        <source>Seven of Hearts</source>
        <translation>Harten zeven</translation>
    </message>
    <message>
        <source>Eight of Hearts</source>
        <translation>Harten acht</translation>
    </message>
    <message>
        <source>Nine of Hearts</source>
        <translation>Harten negen</translation>
    </message>
    <message>
        <source>Ten of Hearts</source>
        <translation>Harten tien</translation>
    </message>
    <message>
        <source>Jack of Hearts</source>
        <translation>Harten boer</translation>
    </message>
    <message>
        <source>Queen of Hearts</source>
        <translation>Harten vrouw</translation>
    </message>
    <message>
        <source>King of Hearts</source>
        <translation>Harten heer</translation>
    </message>
    <message>
        <source>empty column</source>
        <translation>lege kolom</translation>
    </message>
    <message>
        <source>face-down card</source>
        <translation>gesloten kaart</translation>
    </message>
    <message>
        <source>card</source>
        <translation>kaart</translation>
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
        <translation>&amp;Nieuw</translation>
    </message>
    <message>
        <source>&amp;Redo (no shuffle)</source>
        <translation>&amp;Opnieuw delen (niet schudden)</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistieken</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opties</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Ongedaan maken</translation>
    </message>
    <message>
        <source>Show &amp;Valid Moves</source>
        <translation>&amp;Geldige zetten tonen</translation>
    </message>
    <message>
        <source>Show &amp;Number of Moves</source>
        <translation>&amp;Aantal zetten tonen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Debug</source>
        <translation>Foutopsporing</translation>
    </message>
    <message>
        <source>Use Transparency</source>
        <translation>Transparantie gebruiken</translation>
    </message>
    <message>
        <source>&amp;Center</source>
        <translation>&amp;Centreren</translation>
    </message>
    <message>
        <source>Give &amp;Hint (%1)</source>
        <extracomment>%1: the hints left in this game (3 at the start)</extracomment>
        <translation>&amp;Hint geven (%1)</translation>
    </message>
    <message>
        <source>Select &amp;Deal...</source>
        <translation>Spelnummer &amp;kiezen...</translation>
    </message>
    <message>
        <source>&amp;Keep the Game When Closing</source>
        <translation>Spel &amp;bewaren bij afsluiten</translation>
    </message>
    <message>
        <source>&amp;Tell Whether the Game Can Still Be Won</source>
        <translation>&amp;Tonen of het spel nog te winnen is</translation>
    </message>
    <message>
        <source>Deal Only &amp;Winnable Games</source>
        <translation>Alleen &amp;winbare spellen delen</translation>
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
        <translation>Snelle hulp:

Leg de kaarten aflopend op elkaar, in dezelfde kleur. Je moet steeds de hele kolom verplaatsen (dus ook alle kaarten onder de kaart die je verplaatst). Alleen heren mogen op lege plekken worden gelegd. Klik op ‘Hint geven’ in het menu Opties als je vastzit. Het spel is gewonnen als er vier stapels liggen, elk van heer tot aas.</translation>
    </message>
    <message>
        <source>Are you SURE you want to clear the statistics?</source>
        <translation>Weet je ZEKER dat je de statistieken wilt wissen?</translation>
    </message>
    <message>
        <source>Possible Moves:</source>
        <extracomment>Heads the list of every possible move, in the cards&apos; own codes (7H,8H), that a hidden switch shows</extracomment>
        <translation>Mogelijke zetten:</translation>
    </message>
    <message>
        <source>Are you sure you want to start a new game?</source>
        <translation>Weet je zeker dat je een nieuw spel wilt beginnen?</translation>
    </message>
    <message>
        <source>No hints left!</source>
        <translation>Geen hints meer over!</translation>
    </message>
    <message>
        <source>You Win!</source>
        <translation>Je hebt gewonnen!</translation>
    </message>
    <message>
        <source>No More Moves!</source>
        <translation>Geen zetten meer mogelijk!</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>het is beschadigd</translation>
    </message>
    <message>
        <source>it was kept by another version of the game</source>
        <translation>het is bewaard door een andere versie van het spel</translation>
    </message>
    <message>
        <source>it holds cards laid out as no game could have left them</source>
        <translation>de kaarten liggen zoals geen spel ze had kunnen achterlaten</translation>
    </message>
    <message>
        <source>it is not an ordinary file that can be read</source>
        <translation>het is geen gewoon bestand dat gelezen kan worden</translation>
    </message>
    <message>
        <source>The kept game &quot;%1&quot; cannot be restored: %2. The game starts as usual.</source>
        <extracomment>%1: the kept game&apos;s file; %2: why it cannot be restored (&quot;it is damaged&quot;)</extracomment>
        <translation>Het bewaarde spel &quot;%1&quot; kan niet worden hersteld: %2. Het spel start zoals gewoonlijk.</translation>
    </message>
    <message>
        <source>The file has been moved to &quot;%1&quot;.</source>
        <extracomment>%1: the file&apos;s new name</extracomment>
        <translation>Het bestand is verplaatst naar &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The options could not be saved to &quot;%1&quot;: %2.</source>
        <extracomment>%1: the file; %2: the reason, as the system gives it</extracomment>
        <translation>De opties konden niet worden opgeslagen in &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>No deal that can be won was found in time: this one may not be winnable.</source>
        <translation>Er is niet op tijd een winbaar spel gevonden: dit spel is misschien niet te winnen.</translation>
    </message>
    <message>
        <source>The game could not be kept in &quot;%1&quot;: %2.</source>
        <extracomment>%1: the file; %2: the reason, as the system gives it</extracomment>
        <translation>Het spel kon niet worden bewaard in &quot;%1&quot;: %2.</translation>
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
        <translation>&amp;Nee</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>Screen reader</name>
    <message>
        <source>reserve row, place %1</source>
        <translation>reserverij, plaats %1</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>kolom %1</translation>
    </message>
    <message>
        <source>column %1, row %2</source>
        <translation>kolom %1, rij %2</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Speeltafel</translation>
    </message>
    <message>
        <source>Arrow keys choose a card, Space or Enter picks it up and puts it down, Escape puts it back</source>
        <translation>Pijltjestoetsen kiezen een kaart, Spatie of Enter pakt hem op en legt hem neer, Escape legt hem terug</translation>
    </message>
</context>
<context>
    <name>Select Deal</name>
    <message>
        <source>Select Deal</source>
        <translation>Spelnummer kiezen</translation>
    </message>
    <message>
        <source>Deal number (0 to 4294967295):</source>
        <translation>Spelnummer (0 tot en met 4294967295):</translation>
    </message>
    <message>
        <source>Enter a whole number from 0 to 4294967295.</source>
        <translation>Voer een geheel getal van 0 tot en met 4294967295 in.</translation>
    </message>
</context>
<context>
    <name>Statistics</name>
    <message numerus="yes">
        <source>%n win(s)</source>
        <extracomment>The current streak, under &quot;Current&quot;: games won in a row</extracomment>
        <translation>
            <numerusform>%n overwinning</numerusform>
            <numerusform>%n overwinningen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n loss(es)</source>
        <extracomment>The current streak, under &quot;Current&quot;: games lost in a row</extracomment>
        <translation>
            <numerusform>%n nederlaag</numerusform>
            <numerusform>%n nederlagen</numerusform>
        </translation>
    </message>
    <message>
        <source>Game Statistics</source>
        <translation>Spelstatistieken</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistieken</translation>
    </message>
    <message>
        <source>Wins:</source>
        <translation>Gewonnen:</translation>
    </message>
    <message>
        <source>Losses:</source>
        <translation>Verloren:</translation>
    </message>
    <message>
        <source>Streaks</source>
        <translation>Reeksen</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Huidige</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wissen</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>Show All Moves</source>
        <translation>Alle zetten tonen</translation>
    </message>
    <message>
        <source>Number of Moves: %1</source>
        <extracomment>%1: how many moves can be made now</extracomment>
        <translation>Aantal zetten: %1</translation>
    </message>
    <message>
        <source>Finding out whether this game can still be won...</source>
        <translation>Nagaan of dit spel nog te winnen is...</translation>
    </message>
    <message>
        <source>This game can still be won</source>
        <translation>Dit spel is nog te winnen</translation>
    </message>
    <message>
        <source>This game can no longer be won</source>
        <translation>Dit spel is niet meer te winnen</translation>
    </message>
    <message>
        <source>Not known whether this game can still be won: the search gave up</source>
        <translation>Onbekend of dit spel nog te winnen is: het zoeken is opgegeven</translation>
    </message>
</context>
</TS>
