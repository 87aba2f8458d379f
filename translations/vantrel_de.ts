<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>Cards</name>
    <message>
        <source>Ace of Spades</source>
        <translation>Pik-Ass</translation>
    </message>
    <message>
        <source>Two of Spades</source>
        <translation>Pik-Zwei</translation>
    </message>
    <message>
        <source>Three of Spades</source>
        <translation>Pik-Drei</translation>
    </message>
    <message>
        <source>Four of Spades</source>
        <translation>Pik-Vier</translation>
    </message>
    <message>
        <source>Five of Spades</source>
        <translation>Pik-Fünf</translation>
    </message>
    <message>
        <source>Six of Spades</source>
        <translation>Pik-Sechs</translation>
    </message>
    <message>
        <source>Seven of Spades</source>
        <translation>Pik-Sieben</translation>
    </message>
    <message>
        <source>Eight of Spades</source>
        <translation>Pik-Acht</translation>
    </message>
    <message>
        <source>Nine of Spades</source>
        <translation>Pik-Neun</translation>
    </message>
    <message>
        <source>Ten of Spades</source>
        <translation>Pik-Zehn</translation>
    </message>
    <message>
        <source>Jack of Spades</source>
        <translation>Pik-Bube</translation>
    </message>
    <message>
        <source>Queen of Spades</source>
        <translation>Pik-Dame</translation>
    </message>
    <message>
        <source>King of Spades</source>
        <translation>Pik-König</translation>
    </message>
    <message>
        <source>Ace of Clubs</source>
        <translation>Kreuz-Ass</translation>
    </message>
    <message>
        <source>Two of Clubs</source>
        <translation>Kreuz-Zwei</translation>
    </message>
    <message>
        <source>Three of Clubs</source>
        <translation>Kreuz-Drei</translation>
    </message>
    <message>
        <source>Four of Clubs</source>
        <translation>Kreuz-Vier</translation>
    </message>
    <message>
        <source>Five of Clubs</source>
        <translation>Kreuz-Fünf</translation>
    </message>
    <message>
        <source>Six of Clubs</source>
        <translation>Kreuz-Sechs</translation>
    </message>
    <message>
        <source>Seven of Clubs</source>
        <translation>Kreuz-Sieben</translation>
    </message>
    <message>
        <source>Eight of Clubs</source>
        <translation>Kreuz-Acht</translation>
    </message>
    <message>
        <source>Nine of Clubs</source>
        <translation>Kreuz-Neun</translation>
    </message>
    <message>
        <source>Ten of Clubs</source>
        <translation>Kreuz-Zehn</translation>
    </message>
    <message>
        <source>Jack of Clubs</source>
        <translation>Kreuz-Bube</translation>
    </message>
    <message>
        <source>Queen of Clubs</source>
        <translation>Kreuz-Dame</translation>
    </message>
    <message>
        <source>King of Clubs</source>
        <translation>Kreuz-König</translation>
    </message>
    <message>
        <source>Ace of Diamonds</source>
        <translation>Karo-Ass</translation>
    </message>
    <message>
        <source>Two of Diamonds</source>
        <translation>Karo-Zwei</translation>
    </message>
    <message>
        <source>Three of Diamonds</source>
        <translation>Karo-Drei</translation>
    </message>
    <message>
        <source>Four of Diamonds</source>
        <translation>Karo-Vier</translation>
    </message>
    <message>
        <source>Five of Diamonds</source>
        <translation>Karo-Fünf</translation>
    </message>
    <message>
        <source>Six of Diamonds</source>
        <translation>Karo-Sechs</translation>
    </message>
    <message>
        <source>Seven of Diamonds</source>
        <translation>Karo-Sieben</translation>
    </message>
    <message>
        <source>Eight of Diamonds</source>
        <translation>Karo-Acht</translation>
    </message>
    <message>
        <source>Nine of Diamonds</source>
        <translation>Karo-Neun</translation>
    </message>
    <message>
        <source>Ten of Diamonds</source>
        <translation>Karo-Zehn</translation>
    </message>
    <message>
        <source>Jack of Diamonds</source>
        <translation>Karo-Bube</translation>
    </message>
    <message>
        <source>Queen of Diamonds</source>
        <translation>Karo-Dame</translation>
    </message>
    <message>
        <source>King of Diamonds</source>
        <translation>Karo-König</translation>
    </message>
    <message>
        <source>Ace of Hearts</source>
        <translation>Herz-Ass</translation>
    </message>
    <message>
        <source>Two of Hearts</source>
        <translation>Herz-Zwei</translation>
    </message>
    <message>
        <source>Three of Hearts</source>
        <translation>Herz-Drei</translation>
    </message>
    <message>
        <source>Four of Hearts</source>
        <translation>Herz-Vier</translation>
    </message>
    <message>
        <source>Five of Hearts</source>
        <translation>Herz-Fünf</translation>
    </message>
    <message>
        <source>Six of Hearts</source>
        <translation>Herz-Sechs</translation>
    </message>
    <message>
        <source>Seven of Hearts</source>
        <translation>Herz-Sieben</translation>
    </message>
    <message>
        <source>Eight of Hearts</source>
        <translation>Herz-Acht</translation>
    </message>
    <message>
        <source>Nine of Hearts</source>
        <translation>Herz-Neun</translation>
    </message>
    <message>
        <source>Ten of Hearts</source>
        <translation>Herz-Zehn</translation>
    </message>
    <message>
        <source>Jack of Hearts</source>
        <translation>Herz-Bube</translation>
    </message>
    <message>
        <source>Queen of Hearts</source>
        <translation>Herz-Dame</translation>
    </message>
    <message>
        <source>King of Hearts</source>
        <translation>Herz-König</translation>
    </message>
    <message>
        <source>empty column</source>
        <translation>leere Spalte</translation>
    </message>
    <message>
        <source>face-down card</source>
        <translation>verdeckte Karte</translation>
    </message>
    <message>
        <source>card</source>
        <translation>Karte</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Redo (no shuffle)</source>
        <translation>&amp;Wiederholen (ohne Mischen)</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Show &amp;Valid Moves</source>
        <translation>&amp;Gültige Züge zeigen</translation>
    </message>
    <message>
        <source>Show &amp;Number of Moves</source>
        <translation>&amp;Anzahl der Züge zeigen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Debug</source>
        <translation>Fehlersuche</translation>
    </message>
    <message>
        <source>Use Transparency</source>
        <translation>Transparenz verwenden</translation>
    </message>
    <message>
        <source>&amp;Center</source>
        <translation>&amp;Zentrieren</translation>
    </message>
    <message>
        <source>Give &amp;Hint (%1)</source>
        <extracomment>%1: the hints left in this game (3 at the start)</extracomment>
        <translation>&amp;Tipp geben (%1)</translation>
    </message>
    <message>
        <source>Select &amp;Deal...</source>
        <translation>&amp;Spielnummer wählen...</translation>
    </message>
    <message>
        <source>&amp;Keep the Game When Closing</source>
        <translation>Spiel beim Schließen &amp;behalten</translation>
    </message>
    <message>
        <source>&amp;Tell Whether the Game Can Still Be Won</source>
        <translation>&amp;Zeigen, ob das Spiel noch zu gewinnen ist</translation>
    </message>
    <message>
        <source>Deal Only &amp;Winnable Games</source>
        <translation>Nur &amp;lösbare Spiele austeilen</translation>
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
        <translation>Kurzhilfe:

Legen Sie die Karten in absteigender Folge in derselben Farbe ab. Es wird immer die ganze Reihe bewegt (also auch alle Karten, die unter der bewegten Karte liegen). Auf freie Plätze dürfen nur Könige gelegt werden. Klicken Sie im Menü „Optionen“ auf „Tipp geben“, wenn Sie nicht weiterwissen. Das Spiel ist gewonnen, wenn vier Stapel vom König bis zum Ass liegen.</translation>
    </message>
    <message>
        <source>Are you SURE you want to clear the statistics?</source>
        <translation>Möchten Sie die Statistik WIRKLICH löschen?</translation>
    </message>
    <message>
        <source>Possible Moves:</source>
        <extracomment>Heads the list of every possible move, in the cards&apos; own codes (7H,8H), that a hidden switch shows</extracomment>
        <translation>Mögliche Züge:</translation>
    </message>
    <message>
        <source>Are you sure you want to start a new game?</source>
        <translation>Möchten Sie wirklich ein neues Spiel beginnen?</translation>
    </message>
    <message>
        <source>No hints left!</source>
        <translation>Keine Tipps mehr übrig!</translation>
    </message>
    <message>
        <source>You Win!</source>
        <translation>Sie haben gewonnen!</translation>
    </message>
    <message>
        <source>No More Moves!</source>
        <translation>Keine Züge mehr möglich!</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>es ist beschädigt</translation>
    </message>
    <message>
        <source>it was kept by another version of the game</source>
        <translation>es wurde von einer anderen Version des Spiels aufbewahrt</translation>
    </message>
    <message>
        <source>it holds cards laid out as no game could have left them</source>
        <translation>seine Karten liegen so, wie kein Spiel sie hinterlassen haben kann</translation>
    </message>
    <message>
        <source>it is not an ordinary file that can be read</source>
        <translation>es ist keine gewöhnliche Datei, die sich lesen lässt</translation>
    </message>
    <message>
        <source>The kept game &quot;%1&quot; cannot be restored: %2. The game starts as usual.</source>
        <extracomment>%1: the kept game&apos;s file; %2: why it cannot be restored (&quot;it is damaged&quot;)</extracomment>
        <translation>Das aufbewahrte Spiel „%1“ kann nicht wiederhergestellt werden: %2. Das Spiel beginnt wie gewohnt.</translation>
    </message>
    <message>
        <source>The file has been moved to &quot;%1&quot;.</source>
        <extracomment>%1: the file&apos;s new name</extracomment>
        <translation>Die Datei wurde nach „%1“ verschoben.</translation>
    </message>
    <message>
        <source>The options could not be saved to &quot;%1&quot;: %2.</source>
        <extracomment>%1: the file; %2: the reason, as the system gives it</extracomment>
        <translation>Die Optionen konnten nicht in „%1“ gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>No deal that can be won was found in time: this one may not be winnable.</source>
        <translation>In der verfügbaren Zeit wurde kein lösbares Spiel gefunden: Dieses ist womöglich nicht zu gewinnen.</translation>
    </message>
    <message>
        <source>The game could not be kept in &quot;%1&quot;: %2.</source>
        <extracomment>%1: the file; %2: the reason, as the system gives it</extracomment>
        <translation>Das Spiel konnte nicht in „%1“ aufbewahrt werden: %2.</translation>
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
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>Screen reader</name>
    <message>
        <source>reserve row, place %1</source>
        <translation>Reservereihe, Platz %1</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>Spalte %1</translation>
    </message>
    <message>
        <source>column %1, row %2</source>
        <translation>Spalte %1, Zeile %2</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Spieltisch</translation>
    </message>
    <message>
        <source>Arrow keys choose a card, Space or Enter picks it up and puts it down, Escape puts it back</source>
        <translation>Pfeiltasten wählen eine Karte, Leertaste oder Eingabetaste nimmt sie auf und legt sie ab, Escape legt sie zurück</translation>
    </message>
</context>
<context>
    <name>Select Deal</name>
    <message>
        <source>Select Deal</source>
        <translation>Spielnummer wählen</translation>
    </message>
    <message>
        <source>Deal number (0 to 4294967295):</source>
        <translation>Spielnummer (0 bis 4294967295):</translation>
    </message>
    <message>
        <source>Enter a whole number from 0 to 4294967295.</source>
        <translation>Geben Sie eine ganze Zahl von 0 bis 4294967295 ein.</translation>
    </message>
</context>
<context>
    <name>Statistics</name>
    <message numerus="yes">
        <source>%n win(s)</source>
        <extracomment>The current streak, under &quot;Current&quot;: games won in a row</extracomment>
        <translation>
            <numerusform>%n Sieg</numerusform>
            <numerusform>%n Siege</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n loss(es)</source>
        <extracomment>The current streak, under &quot;Current&quot;: games lost in a row</extracomment>
        <translation>
            <numerusform>%n Niederlage</numerusform>
            <numerusform>%n Niederlagen</numerusform>
        </translation>
    </message>
    <message>
        <source>Game Statistics</source>
        <translation>Spielstatistik</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
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
        <translation>Serien</translation>
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
        <translation>Löschen</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>Show All Moves</source>
        <translation>Alle Züge zeigen</translation>
    </message>
    <message>
        <source>Number of Moves: %1</source>
        <extracomment>%1: how many moves can be made now</extracomment>
        <translation>Anzahl der Züge: %1</translation>
    </message>
    <message>
        <source>Finding out whether this game can still be won...</source>
        <translation>Es wird geprüft, ob dieses Spiel noch zu gewinnen ist...</translation>
    </message>
    <message>
        <source>This game can still be won</source>
        <translation>Dieses Spiel kann noch gewonnen werden</translation>
    </message>
    <message>
        <source>This game can no longer be won</source>
        <translation>Dieses Spiel kann nicht mehr gewonnen werden</translation>
    </message>
    <message>
        <source>Not known whether this game can still be won: the search gave up</source>
        <translation>Unbekannt, ob dieses Spiel noch zu gewinnen ist: Die Suche wurde aufgegeben</translation>
    </message>
</context>
</TS>
