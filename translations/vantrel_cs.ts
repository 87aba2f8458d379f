<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs" sourcelanguage="en">
<context>
    <name>Cards</name>
    <message>
        <source>Ace of Spades</source>
        <translation>Pikové eso</translation>
    </message>
    <message>
        <source>Two of Spades</source>
        <translation>Piková dvojka</translation>
    </message>
    <message>
        <source>Three of Spades</source>
        <translation>Piková trojka</translation>
    </message>
    <message>
        <source>Four of Spades</source>
        <translation>Piková čtyřka</translation>
    </message>
    <message>
        <source>Five of Spades</source>
        <translation>Piková pětka</translation>
    </message>
    <message>
        <source>Six of Spades</source>
        <translation>Piková šestka</translation>
    </message>
    <message>
        <source>Seven of Spades</source>
        <translation>Piková sedmička</translation>
    </message>
    <message>
        <source>Eight of Spades</source>
        <translation>Piková osmička</translation>
    </message>
    <message>
        <source>Nine of Spades</source>
        <translation>Piková devítka</translation>
    </message>
    <message>
        <source>Ten of Spades</source>
        <translation>Piková desítka</translation>
    </message>
    <message>
        <source>Jack of Spades</source>
        <translation>Pikový kluk</translation>
    </message>
    <message>
        <source>Queen of Spades</source>
        <translation>Piková dáma</translation>
    </message>
    <message>
        <source>King of Spades</source>
        <translation>Pikový král</translation>
    </message>
    <message>
        <source>Ace of Clubs</source>
        <translation>Křížové eso</translation>
    </message>
    <message>
        <source>Two of Clubs</source>
        <translation>Křížová dvojka</translation>
    </message>
    <message>
        <source>Three of Clubs</source>
        <translation>Křížová trojka</translation>
    </message>
    <message>
        <source>Four of Clubs</source>
        <translation>Křížová čtyřka</translation>
    </message>
    <message>
        <source>Five of Clubs</source>
        <translation>Křížová pětka</translation>
    </message>
    <message>
        <source>Six of Clubs</source>
        <translation>Křížová šestka</translation>
    </message>
    <message>
        <source>Seven of Clubs</source>
        <translation>Křížová sedmička</translation>
    </message>
    <message>
        <source>Eight of Clubs</source>
        <translation>Křížová osmička</translation>
    </message>
    <message>
        <source>Nine of Clubs</source>
        <translation>Křížová devítka</translation>
    </message>
    <message>
        <source>Ten of Clubs</source>
        <translation>Křížová desítka</translation>
    </message>
    <message>
        <source>Jack of Clubs</source>
        <translation>Křížový kluk</translation>
    </message>
    <message>
        <source>Queen of Clubs</source>
        <translation>Křížová dáma</translation>
    </message>
    <message>
        <source>King of Clubs</source>
        <translation>Křížový král</translation>
    </message>
    <message>
        <source>Ace of Diamonds</source>
        <translation>Kárové eso</translation>
    </message>
    <message>
        <source>Two of Diamonds</source>
        <translation>Kárová dvojka</translation>
    </message>
    <message>
        <source>Three of Diamonds</source>
        <translation>Kárová trojka</translation>
    </message>
    <message>
        <source>Four of Diamonds</source>
        <translation>Kárová čtyřka</translation>
    </message>
    <message>
        <source>Five of Diamonds</source>
        <translation>Kárová pětka</translation>
    </message>
    <message>
        <source>Six of Diamonds</source>
        <translation>Kárová šestka</translation>
    </message>
    <message>
        <source>Seven of Diamonds</source>
        <translation>Kárová sedmička</translation>
    </message>
    <message>
        <source>Eight of Diamonds</source>
        <translation>Kárová osmička</translation>
    </message>
    <message>
        <source>Nine of Diamonds</source>
        <translation>Kárová devítka</translation>
    </message>
    <message>
        <source>Ten of Diamonds</source>
        <translation>Kárová desítka</translation>
    </message>
    <message>
        <source>Jack of Diamonds</source>
        <translation>Kárový kluk</translation>
    </message>
    <message>
        <source>Queen of Diamonds</source>
        <translation>Kárová dáma</translation>
    </message>
    <message>
        <source>King of Diamonds</source>
        <translation>Kárový král</translation>
    </message>
    <message>
        <source>Ace of Hearts</source>
        <translation>Srdcové eso</translation>
    </message>
    <message>
        <source>Two of Hearts</source>
        <translation>Srdcová dvojka</translation>
    </message>
    <message>
        <source>Three of Hearts</source>
        <translation>Srdcová trojka</translation>
    </message>
    <message>
        <source>Four of Hearts</source>
        <translation>Srdcová čtyřka</translation>
    </message>
    <message>
        <source>Five of Hearts</source>
        <translation>Srdcová pětka</translation>
    </message>
    <message>
        <source>Six of Hearts</source>
        <translation>Srdcová šestka</translation>
    </message>
    <message>
        <source>Seven of Hearts</source>
        <translation>Srdcová sedmička</translation>
    </message>
    <message>
        <source>Eight of Hearts</source>
        <translation>Srdcová osmička</translation>
    </message>
    <message>
        <source>Nine of Hearts</source>
        <translation>Srdcová devítka</translation>
    </message>
    <message>
        <source>Ten of Hearts</source>
        <translation>Srdcová desítka</translation>
    </message>
    <message>
        <source>Jack of Hearts</source>
        <translation>Srdcový kluk</translation>
    </message>
    <message>
        <source>Queen of Hearts</source>
        <translation>Srdcová dáma</translation>
    </message>
    <message>
        <source>King of Hearts</source>
        <translation>Srdcový král</translation>
    </message>
    <message>
        <source>empty column</source>
        <translation>prázdný sloupec</translation>
    </message>
    <message>
        <source>face-down card</source>
        <translation>karta lícem dolů</translation>
    </message>
    <message>
        <source>card</source>
        <translation>karta</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Hra</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nová hra</translation>
    </message>
    <message>
        <source>&amp;Redo (no shuffle)</source>
        <translation>&amp;Opakovat (bez míchání)</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistika</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Konec</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Možnosti</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Zpět</translation>
    </message>
    <message>
        <source>Show &amp;Valid Moves</source>
        <translation>Zobrazovat p&amp;latné tahy</translation>
    </message>
    <message>
        <source>Show &amp;Number of Moves</source>
        <translation>Zobrazovat &amp;počet tahů</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Nápověda</translation>
    </message>
    <message>
        <source>Debug</source>
        <translation>Ladění</translation>
    </message>
    <message>
        <source>Use Transparency</source>
        <translation>Použít průhlednost</translation>
    </message>
    <message>
        <source>&amp;Center</source>
        <translation>&amp;Vycentrovat</translation>
    </message>
    <message>
        <source>Give &amp;Hint (%1)</source>
        <extracomment>%1: the hints left in this game (3 at the start)</extracomment>
        <translation>&amp;Rada (%1)</translation>
    </message>
    <message>
        <source>Select &amp;Deal...</source>
        <translation>&amp;Vybrat rozdání...</translation>
    </message>
    <message>
        <source>&amp;Keep the Game When Closing</source>
        <translation>&amp;Uchovat hru při zavření</translation>
    </message>
    <message>
        <source>&amp;Tell Whether the Game Can Still Be Won</source>
        <translation>Ukazovat, zda lze hru ještě &amp;vyhrát</translation>
    </message>
    <message>
        <source>Deal Only &amp;Winnable Games</source>
        <translation>Rozdávat &amp;jen hry, které lze vyhrát</translation>
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
        <translation>Rychlá nápověda:

Skládejte karty sestupně ve stejné barvě. Přesouvá se vždy celý sloupec (tj. i všechny karty pod přesouvanou kartou). Na prázdná místa lze položit jen krále. Když nevíte kudy kam, klikněte na „Rada“ v nabídce Možnosti. Hra je vyhraná, když leží čtyři hromádky, každá od krále po eso.</translation>
    </message>
    <message>
        <source>Are you SURE you want to clear the statistics?</source>
        <translation>Opravdu CHCETE vymazat statistiku?</translation>
    </message>
    <message>
        <source>Possible Moves:</source>
        <extracomment>Heads the list of every possible move, in the cards&apos; own codes (7H,8H), that a hidden switch shows</extracomment>
        <translation>Možné tahy:</translation>
    </message>
    <message>
        <source>Are you sure you want to start a new game?</source>
        <translation>Opravdu chcete začít novou hru?</translation>
    </message>
    <message>
        <source>No hints left!</source>
        <translation>Už nezbývají žádné rady!</translation>
    </message>
    <message>
        <source>You Win!</source>
        <translation>Vyhráli jste!</translation>
    </message>
    <message>
        <source>No More Moves!</source>
        <translation>Už nejsou žádné tahy!</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>je poškozená</translation>
    </message>
    <message>
        <source>it was kept by another version of the game</source>
        <translation>uchovala ji jiná verze hry</translation>
    </message>
    <message>
        <source>it holds cards laid out as no game could have left them</source>
        <translation>její karty leží tak, jak by je žádná hra nemohla zanechat</translation>
    </message>
    <message>
        <source>it is not an ordinary file that can be read</source>
        <translation>není to běžný soubor, který lze přečíst</translation>
    </message>
    <message>
        <source>The kept game &quot;%1&quot; cannot be restored: %2. The game starts as usual.</source>
        <extracomment>%1: the kept game&apos;s file; %2: why it cannot be restored (&quot;it is damaged&quot;)</extracomment>
        <translation>Uchovanou hru „%1“ nelze obnovit: %2. Hra začíná jako obvykle.</translation>
    </message>
    <message>
        <source>The file has been moved to &quot;%1&quot;.</source>
        <extracomment>%1: the file&apos;s new name</extracomment>
        <translation>Soubor byl přesunut do „%1“.</translation>
    </message>
    <message>
        <source>The options could not be saved to &quot;%1&quot;: %2.</source>
        <extracomment>%1: the file; %2: the reason, as the system gives it</extracomment>
        <translation>Možnosti nelze uložit do „%1“: %2.</translation>
    </message>
    <message>
        <source>No deal that can be won was found in time: this one may not be winnable.</source>
        <translation>Včas se nenašlo žádné rozdání, které lze vyhrát: toto možná vyhrát nelze.</translation>
    </message>
    <message>
        <source>The game could not be kept in &quot;%1&quot;: %2.</source>
        <extracomment>%1: the file; %2: the reason, as the system gives it</extracomment>
        <translation>Hru nelze uchovat v „%1“: %2.</translation>
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
        <translation>&amp;Ano</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Ne</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
</context>
<context>
    <name>Screen reader</name>
    <message>
        <source>reserve row, place %1</source>
        <translation>řada rezervy, místo %1</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>sloupec %1</translation>
    </message>
    <message>
        <source>column %1, row %2</source>
        <translation>sloupec %1, řádek %2</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Stůl</translation>
    </message>
    <message>
        <source>Arrow keys choose a card, Space or Enter picks it up and puts it down, Escape puts it back</source>
        <translation>Šipky vybírají kartu, mezerník nebo Enter ji zvedne a položí, Escape ji vrátí zpět</translation>
    </message>
</context>
<context>
    <name>Select Deal</name>
    <message>
        <source>Select Deal</source>
        <translation>Vybrat rozdání</translation>
    </message>
    <message>
        <source>Deal number (0 to 4294967295):</source>
        <translation>Číslo rozdání (0 až 4294967295):</translation>
    </message>
    <message>
        <source>Enter a whole number from 0 to 4294967295.</source>
        <translation>Zadejte celé číslo od 0 do 4294967295.</translation>
    </message>
</context>
<context>
    <name>Statistics</name>
    <message numerus="yes">
        <source>%n win(s)</source>
        <extracomment>The current streak, under &quot;Current&quot;: games won in a row</extracomment>
        <translation>
            <numerusform>%n výhra</numerusform>
            <numerusform>%n výhry</numerusform>
            <numerusform>%n výher</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n loss(es)</source>
        <extracomment>The current streak, under &quot;Current&quot;: games lost in a row</extracomment>
        <translation>
            <numerusform>%n prohra</numerusform>
            <numerusform>%n prohry</numerusform>
            <numerusform>%n proher</numerusform>
        </translation>
    </message>
    <message>
        <source>Game Statistics</source>
        <translation>Statistika hry</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistika</translation>
    </message>
    <message>
        <source>Wins:</source>
        <translation>Výhry:</translation>
    </message>
    <message>
        <source>Losses:</source>
        <translation>Prohry:</translation>
    </message>
    <message>
        <source>Streaks</source>
        <translation>Série</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Aktuální</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vymazat</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>Show All Moves</source>
        <translation>Zobrazit všechny tahy</translation>
    </message>
    <message>
        <source>Number of Moves: %1</source>
        <extracomment>%1: how many moves can be made now</extracomment>
        <translation>Počet tahů: %1</translation>
    </message>
    <message>
        <source>Finding out whether this game can still be won...</source>
        <translation>Zjišťuje se, zda lze tuto hru ještě vyhrát...</translation>
    </message>
    <message>
        <source>This game can still be won</source>
        <translation>Tuto hru lze ještě vyhrát</translation>
    </message>
    <message>
        <source>This game can no longer be won</source>
        <translation>Tuto hru už nelze vyhrát</translation>
    </message>
    <message>
        <source>Not known whether this game can still be won: the search gave up</source>
        <translation>Není známo, zda lze tuto hru ještě vyhrát: hledání bylo vzdáno</translation>
    </message>
</context>
</TS>
