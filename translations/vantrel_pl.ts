<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>Cards</name>
    <message>
        <source>Ace of Spades</source>
        <translation>As pik</translation>
    </message>
    <message>
        <source>Two of Spades</source>
        <translation>Dwójka pik</translation>
    </message>
    <message>
        <source>Three of Spades</source>
        <translation>Trójka pik</translation>
    </message>
    <message>
        <source>Four of Spades</source>
        <translation>Czwórka pik</translation>
    </message>
    <message>
        <source>Five of Spades</source>
        <translation>Piątka pik</translation>
    </message>
    <message>
        <source>Six of Spades</source>
        <translation>Szóstka pik</translation>
    </message>
    <message>
        <source>Seven of Spades</source>
        <translation>Siódemka pik</translation>
    </message>
    <message>
        <source>Eight of Spades</source>
        <translation>Ósemka pik</translation>
    </message>
    <message>
        <source>Nine of Spades</source>
        <translation>Dziewiątka pik</translation>
    </message>
    <message>
        <source>Ten of Spades</source>
        <translation>Dziesiątka pik</translation>
    </message>
    <message>
        <source>Jack of Spades</source>
        <translation>Walet pik</translation>
    </message>
    <message>
        <source>Queen of Spades</source>
        <translation>Dama pik</translation>
    </message>
    <message>
        <source>King of Spades</source>
        <translation>Król pik</translation>
    </message>
    <message>
        <source>Ace of Clubs</source>
        <translation>As trefl</translation>
    </message>
    <message>
        <source>Two of Clubs</source>
        <translation>Dwójka trefl</translation>
    </message>
    <message>
        <source>Three of Clubs</source>
        <translation>Trójka trefl</translation>
    </message>
    <message>
        <source>Four of Clubs</source>
        <translation>Czwórka trefl</translation>
    </message>
    <message>
        <source>Five of Clubs</source>
        <translation>Piątka trefl</translation>
    </message>
    <message>
        <source>Six of Clubs</source>
        <translation>Szóstka trefl</translation>
    </message>
    <message>
        <source>Seven of Clubs</source>
        <translation>Siódemka trefl</translation>
    </message>
    <message>
        <source>Eight of Clubs</source>
        <translation>Ósemka trefl</translation>
    </message>
    <message>
        <source>Nine of Clubs</source>
        <translation>Dziewiątka trefl</translation>
    </message>
    <message>
        <source>Ten of Clubs</source>
        <translation>Dziesiątka trefl</translation>
    </message>
    <message>
        <source>Jack of Clubs</source>
        <translation>Walet trefl</translation>
    </message>
    <message>
        <source>Queen of Clubs</source>
        <translation>Dama trefl</translation>
    </message>
    <message>
        <source>King of Clubs</source>
        <translation>Król trefl</translation>
    </message>
    <message>
        <source>Ace of Diamonds</source>
        <translation>As karo</translation>
    </message>
    <message>
        <source>Two of Diamonds</source>
        <translation>Dwójka karo</translation>
    </message>
    <message>
        <source>Three of Diamonds</source>
        <translation>Trójka karo</translation>
    </message>
    <message>
        <source>Four of Diamonds</source>
        <translation>Czwórka karo</translation>
    </message>
    <message>
        <source>Five of Diamonds</source>
        <translation>Piątka karo</translation>
    </message>
    <message>
        <source>Six of Diamonds</source>
        <translation>Szóstka karo</translation>
    </message>
    <message>
        <source>Seven of Diamonds</source>
        <translation>Siódemka karo</translation>
    </message>
    <message>
        <source>Eight of Diamonds</source>
        <translation>Ósemka karo</translation>
    </message>
    <message>
        <source>Nine of Diamonds</source>
        <translation>Dziewiątka karo</translation>
    </message>
    <message>
        <source>Ten of Diamonds</source>
        <translation>Dziesiątka karo</translation>
    </message>
    <message>
        <source>Jack of Diamonds</source>
        <translation>Walet karo</translation>
    </message>
    <message>
        <source>Queen of Diamonds</source>
        <translation>Dama karo</translation>
    </message>
    <message>
        <source>King of Diamonds</source>
        <translation>Król karo</translation>
    </message>
    <message>
        <source>Ace of Hearts</source>
        <translation>As kier</translation>
    </message>
    <message>
        <source>Two of Hearts</source>
        <translation>Dwójka kier</translation>
    </message>
    <message>
        <source>Three of Hearts</source>
        <translation>Trójka kier</translation>
    </message>
    <message>
        <source>Four of Hearts</source>
        <translation>Czwórka kier</translation>
    </message>
    <message>
        <source>Five of Hearts</source>
        <translation>Piątka kier</translation>
    </message>
    <message>
        <source>Six of Hearts</source>
        <translation>Szóstka kier</translation>
    </message>
    <message>
        <source>Seven of Hearts</source>
        <translation>Siódemka kier</translation>
    </message>
    <message>
        <source>Eight of Hearts</source>
        <translation>Ósemka kier</translation>
    </message>
    <message>
        <source>Nine of Hearts</source>
        <translation>Dziewiątka kier</translation>
    </message>
    <message>
        <source>Ten of Hearts</source>
        <translation>Dziesiątka kier</translation>
    </message>
    <message>
        <source>Jack of Hearts</source>
        <translation>Walet kier</translation>
    </message>
    <message>
        <source>Queen of Hearts</source>
        <translation>Dama kier</translation>
    </message>
    <message>
        <source>King of Hearts</source>
        <translation>Król kier</translation>
    </message>
    <message>
        <source>empty column</source>
        <translation>pusta kolumna</translation>
    </message>
    <message>
        <source>face-down card</source>
        <translation>zakryta karta</translation>
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
        <translation>&amp;Gra</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nowa gra</translation>
    </message>
    <message>
        <source>&amp;Redo (no shuffle)</source>
        <translation>&amp;Powtórz (bez tasowania)</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statystyki</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opcje</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Cofnij</translation>
    </message>
    <message>
        <source>Show &amp;Valid Moves</source>
        <translation>Pokazuj &amp;dozwolone ruchy</translation>
    </message>
    <message>
        <source>Show &amp;Number of Moves</source>
        <translation>Pokazuj &amp;liczbę ruchów</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Pomoc</translation>
    </message>
    <message>
        <source>Debug</source>
        <translation>Debugowanie</translation>
    </message>
    <message>
        <source>Use Transparency</source>
        <translation>Użyj przezroczystości</translation>
    </message>
    <message>
        <source>&amp;Center</source>
        <translation>&amp;Wyśrodkuj</translation>
    </message>
    <message>
        <source>Give &amp;Hint (%1)</source>
        <extracomment>%1: the hints left in this game (3 at the start)</extracomment>
        <translation>&amp;Podpowiedź (%1)</translation>
    </message>
    <message>
        <source>Select &amp;Deal...</source>
        <translation>&amp;Wybierz rozdanie...</translation>
    </message>
    <message>
        <source>&amp;Keep the Game When Closing</source>
        <translation>&amp;Zachowaj grę przy zamykaniu</translation>
    </message>
    <message>
        <source>&amp;Tell Whether the Game Can Still Be Won</source>
        <translation>Pokazuj, czy grę można jeszcze &amp;wygrać</translation>
    </message>
    <message>
        <source>Deal Only &amp;Winnable Games</source>
        <translation>Rozdawaj tylko gry &amp;możliwe do wygrania</translation>
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
        <translation>Szybka pomoc:

Układaj karty w porządku malejącym, w tym samym kolorze. Przenosi się zawsze całą kolumnę (tzn. także wszystkie karty leżące pod przenoszoną kartą). Na puste miejsca można kłaść tylko króle. Kliknij „Podpowiedź” w menu Opcje, aby dostać wskazówkę. Gra jest wygrana, gdy powstaną cztery stosy, każdy od króla do asa.</translation>
    </message>
    <message>
        <source>Are you SURE you want to clear the statistics?</source>
        <translation>Czy NA PEWNO chcesz wyczyścić statystyki?</translation>
    </message>
    <message>
        <source>Possible Moves:</source>
        <extracomment>Heads the list of every possible move, in the cards&apos; own codes (7H,8H), that a hidden switch shows</extracomment>
        <translation>Możliwe ruchy:</translation>
    </message>
    <message>
        <source>Are you sure you want to start a new game?</source>
        <translation>Czy na pewno chcesz rozpocząć nową grę?</translation>
    </message>
    <message>
        <source>No hints left!</source>
        <translation>Nie ma już podpowiedzi!</translation>
    </message>
    <message>
        <source>You Win!</source>
        <translation>Wygrana!</translation>
    </message>
    <message>
        <source>No More Moves!</source>
        <translation>Brak możliwych ruchów!</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>jest uszkodzona</translation>
    </message>
    <message>
        <source>it was kept by another version of the game</source>
        <translation>została zachowana przez inną wersję gry</translation>
    </message>
    <message>
        <source>it holds cards laid out as no game could have left them</source>
        <translation>jej karty leżą tak, jak żadna gra nie mogła ich zostawić</translation>
    </message>
    <message>
        <source>it is not an ordinary file that can be read</source>
        <translation>nie jest zwykłym plikiem, który da się odczytać</translation>
    </message>
    <message>
        <source>The kept game &quot;%1&quot; cannot be restored: %2. The game starts as usual.</source>
        <extracomment>%1: the kept game&apos;s file; %2: why it cannot be restored (&quot;it is damaged&quot;)</extracomment>
        <translation>Zachowanej gry „%1” nie można przywrócić: %2. Gra zaczyna się jak zwykle.</translation>
    </message>
    <message>
        <source>The file has been moved to &quot;%1&quot;.</source>
        <extracomment>%1: the file&apos;s new name</extracomment>
        <translation>Plik przeniesiono do „%1”.</translation>
    </message>
    <message>
        <source>The options could not be saved to &quot;%1&quot;: %2.</source>
        <extracomment>%1: the file; %2: the reason, as the system gives it</extracomment>
        <translation>Nie udało się zapisać opcji w „%1”: %2.</translation>
    </message>
    <message>
        <source>No deal that can be won was found in time: this one may not be winnable.</source>
        <translation>Nie znaleziono na czas rozdania możliwego do wygrania: tego być może nie da się wygrać.</translation>
    </message>
    <message>
        <source>The game could not be kept in &quot;%1&quot;: %2.</source>
        <extracomment>%1: the file; %2: the reason, as the system gives it</extracomment>
        <translation>Nie udało się zachować gry w „%1”: %2.</translation>
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
        <translation>&amp;Tak</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nie</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>Screen reader</name>
    <message>
        <source>reserve row, place %1</source>
        <translation>rząd rezerwy, miejsce %1</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>kolumna %1</translation>
    </message>
    <message>
        <source>column %1, row %2</source>
        <translation>kolumna %1, rząd %2</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Stół</translation>
    </message>
    <message>
        <source>Arrow keys choose a card, Space or Enter picks it up and puts it down, Escape puts it back</source>
        <translation>Klawisze strzałek wybierają kartę, Spacja lub Enter podnosi ją i odkłada, Escape odkłada ją z powrotem</translation>
    </message>
</context>
<context>
    <name>Select Deal</name>
    <message>
        <source>Select Deal</source>
        <translation>Wybierz rozdanie</translation>
    </message>
    <message>
        <source>Deal number (0 to 4294967295):</source>
        <translation>Numer rozdania (od 0 do 4294967295):</translation>
    </message>
    <message>
        <source>Enter a whole number from 0 to 4294967295.</source>
        <translation>Wpisz liczbę całkowitą od 0 do 4294967295.</translation>
    </message>
</context>
<context>
    <name>Statistics</name>
    <message numerus="yes">
        <source>%n win(s)</source>
        <extracomment>The current streak, under &quot;Current&quot;: games won in a row</extracomment>
        <translation>
            <numerusform>%n wygrana</numerusform>
            <numerusform>%n wygrane</numerusform>
            <numerusform>%n wygranych</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n loss(es)</source>
        <extracomment>The current streak, under &quot;Current&quot;: games lost in a row</extracomment>
        <translation>
            <numerusform>%n przegrana</numerusform>
            <numerusform>%n przegrane</numerusform>
            <numerusform>%n przegranych</numerusform>
        </translation>
    </message>
    <message>
        <source>Game Statistics</source>
        <translation>Statystyki gry</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statystyki</translation>
    </message>
    <message>
        <source>Wins:</source>
        <translation>Wygrane:</translation>
    </message>
    <message>
        <source>Losses:</source>
        <translation>Przegrane:</translation>
    </message>
    <message>
        <source>Streaks</source>
        <translation>Serie</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Bieżąca</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wyczyść</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>Show All Moves</source>
        <translation>Pokaż wszystkie ruchy</translation>
    </message>
    <message>
        <source>Number of Moves: %1</source>
        <extracomment>%1: how many moves can be made now</extracomment>
        <translation>Liczba ruchów: %1</translation>
    </message>
    <message>
        <source>Finding out whether this game can still be won...</source>
        <translation>Sprawdzanie, czy tę grę można jeszcze wygrać...</translation>
    </message>
    <message>
        <source>This game can still be won</source>
        <translation>Tę grę można jeszcze wygrać</translation>
    </message>
    <message>
        <source>This game can no longer be won</source>
        <translation>Tej gry nie można już wygrać</translation>
    </message>
    <message>
        <source>Not known whether this game can still be won: the search gave up</source>
        <translation>Nie wiadomo, czy tę grę można jeszcze wygrać: wyszukiwanie przerwano</translation>
    </message>
</context>
</TS>
