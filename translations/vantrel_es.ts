<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>Cards</name>
    <message>
        <source>Ace of Spades</source>
        <translation>As de picas</translation>
    </message>
    <message>
        <source>Two of Spades</source>
        <translation>Dos de picas</translation>
    </message>
    <message>
        <source>Three of Spades</source>
        <translation>Tres de picas</translation>
    </message>
    <message>
        <source>Four of Spades</source>
        <translation>Cuatro de picas</translation>
    </message>
    <message>
        <source>Five of Spades</source>
        <translation>Cinco de picas</translation>
    </message>
    <message>
        <source>Six of Spades</source>
        <translation>Seis de picas</translation>
    </message>
    <message>
        <source>Seven of Spades</source>
        <translation>Siete de picas</translation>
    </message>
    <message>
        <source>Eight of Spades</source>
        <translation>Ocho de picas</translation>
    </message>
    <message>
        <source>Nine of Spades</source>
        <translation>Nueve de picas</translation>
    </message>
    <message>
        <source>Ten of Spades</source>
        <translation>Diez de picas</translation>
    </message>
    <message>
        <source>Jack of Spades</source>
        <translation>Jota de picas</translation>
    </message>
    <message>
        <source>Queen of Spades</source>
        <translation>Reina de picas</translation>
    </message>
    <message>
        <source>King of Spades</source>
        <translation>Rey de picas</translation>
    </message>
    <message>
        <source>Ace of Clubs</source>
        <translation>As de tréboles</translation>
    </message>
    <message>
        <source>Two of Clubs</source>
        <translation>Dos de tréboles</translation>
    </message>
    <message>
        <source>Three of Clubs</source>
        <translation>Tres de tréboles</translation>
    </message>
    <message>
        <source>Four of Clubs</source>
        <translation>Cuatro de tréboles</translation>
    </message>
    <message>
        <source>Five of Clubs</source>
        <translation>Cinco de tréboles</translation>
    </message>
    <message>
        <source>Six of Clubs</source>
        <translation>Seis de tréboles</translation>
    </message>
    <message>
        <source>Seven of Clubs</source>
        <translation>Siete de tréboles</translation>
    </message>
    <message>
        <source>Eight of Clubs</source>
        <translation>Ocho de tréboles</translation>
    </message>
    <message>
        <source>Nine of Clubs</source>
        <translation>Nueve de tréboles</translation>
    </message>
    <message>
        <source>Ten of Clubs</source>
        <translation>Diez de tréboles</translation>
    </message>
    <message>
        <source>Jack of Clubs</source>
        <translation>Jota de tréboles</translation>
    </message>
    <message>
        <source>Queen of Clubs</source>
        <translation>Reina de tréboles</translation>
    </message>
    <message>
        <source>King of Clubs</source>
        <translation>Rey de tréboles</translation>
    </message>
    <message>
        <source>Ace of Diamonds</source>
        <translation>As de diamantes</translation>
    </message>
    <message>
        <source>Two of Diamonds</source>
        <translation>Dos de diamantes</translation>
    </message>
    <message>
        <source>Three of Diamonds</source>
        <translation>Tres de diamantes</translation>
    </message>
    <message>
        <source>Four of Diamonds</source>
        <translation>Cuatro de diamantes</translation>
    </message>
    <message>
        <source>Five of Diamonds</source>
        <translation>Cinco de diamantes</translation>
    </message>
    <message>
        <source>Six of Diamonds</source>
        <translation>Seis de diamantes</translation>
    </message>
    <message>
        <source>Seven of Diamonds</source>
        <translation>Siete de diamantes</translation>
    </message>
    <message>
        <source>Eight of Diamonds</source>
        <translation>Ocho de diamantes</translation>
    </message>
    <message>
        <source>Nine of Diamonds</source>
        <translation>Nueve de diamantes</translation>
    </message>
    <message>
        <source>Ten of Diamonds</source>
        <translation>Diez de diamantes</translation>
    </message>
    <message>
        <source>Jack of Diamonds</source>
        <translation>Jota de diamantes</translation>
    </message>
    <message>
        <source>Queen of Diamonds</source>
        <translation>Reina de diamantes</translation>
    </message>
    <message>
        <source>King of Diamonds</source>
        <translation>Rey de diamantes</translation>
    </message>
    <message>
        <source>Ace of Hearts</source>
        <translation>As de corazones</translation>
    </message>
    <message>
        <source>Two of Hearts</source>
        <translation>Dos de corazones</translation>
    </message>
    <message>
        <source>Three of Hearts</source>
        <translation>Tres de corazones</translation>
    </message>
    <message>
        <source>Four of Hearts</source>
        <translation>Cuatro de corazones</translation>
    </message>
    <message>
        <source>Five of Hearts</source>
        <translation>Cinco de corazones</translation>
    </message>
    <message>
        <source>Six of Hearts</source>
        <translation>Seis de corazones</translation>
    </message>
    <message>
        <source>Seven of Hearts</source>
        <translation>Siete de corazones</translation>
    </message>
    <message>
        <source>Eight of Hearts</source>
        <translation>Ocho de corazones</translation>
    </message>
    <message>
        <source>Nine of Hearts</source>
        <translation>Nueve de corazones</translation>
    </message>
    <message>
        <source>Ten of Hearts</source>
        <translation>Diez de corazones</translation>
    </message>
    <message>
        <source>Jack of Hearts</source>
        <translation>Jota de corazones</translation>
    </message>
    <message>
        <source>Queen of Hearts</source>
        <translation>Reina de corazones</translation>
    </message>
    <message>
        <source>King of Hearts</source>
        <translation>Rey de corazones</translation>
    </message>
    <message>
        <source>empty column</source>
        <translation>columna vacía</translation>
    </message>
    <message>
        <source>face-down card</source>
        <translation>carta boca abajo</translation>
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
        <translation>&amp;Juego</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nueva partida</translation>
    </message>
    <message>
        <source>&amp;Redo (no shuffle)</source>
        <translation>&amp;Repetir (sin barajar)</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>Show &amp;Valid Moves</source>
        <translation>Mostrar movimientos &amp;válidos</translation>
    </message>
    <message>
        <source>Show &amp;Number of Moves</source>
        <translation>Mostrar &amp;número de movimientos</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ayuda</translation>
    </message>
    <message>
        <source>Debug</source>
        <translation>Depuración</translation>
    </message>
    <message>
        <source>Use Transparency</source>
        <translation>Usar transparencia</translation>
    </message>
    <message>
        <source>&amp;Center</source>
        <translation>&amp;Centrar</translation>
    </message>
    <message>
        <source>Give &amp;Hint (%1)</source>
        <extracomment>%1: the hints left in this game (3 at the start)</extracomment>
        <translation>Dar una &amp;pista (%1)</translation>
    </message>
    <message>
        <source>Select &amp;Deal...</source>
        <translation>&amp;Elegir reparto...</translation>
    </message>
    <message>
        <source>&amp;Keep the Game When Closing</source>
        <translation>&amp;Guardar la partida al cerrar</translation>
    </message>
    <message>
        <source>&amp;Tell Whether the Game Can Still Be Won</source>
        <translation>&amp;Indicar si la partida aún se puede ganar</translation>
    </message>
    <message>
        <source>Deal Only &amp;Winnable Games</source>
        <translation>Repartir &amp;solo partidas que se puedan ganar</translation>
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
        <translation>Ayuda rápida:

Apila las cartas en orden descendente y del mismo palo. Hay que mover la columna entera (es decir, también todas las cartas que hay debajo de la que mueves). Solo los reyes pueden colocarse en los huecos vacíos. Haz clic en «Dar una pista» en el menú Opciones si no sabes cómo seguir. La partida se gana cuando hay cuatro montones, cada uno del rey al as.</translation>
    </message>
    <message>
        <source>Are you SURE you want to clear the statistics?</source>
        <translation>¿SEGURO que quieres borrar las estadísticas?</translation>
    </message>
    <message>
        <source>Possible Moves:</source>
        <extracomment>Heads the list of every possible move, in the cards&apos; own codes (7H,8H), that a hidden switch shows</extracomment>
        <translation>Movimientos posibles:</translation>
    </message>
    <message>
        <source>Are you sure you want to start a new game?</source>
        <translation>¿Seguro que quieres empezar una partida nueva?</translation>
    </message>
    <message>
        <source>No hints left!</source>
        <translation>¡No quedan pistas!</translation>
    </message>
    <message>
        <source>You Win!</source>
        <translation>¡Has ganado!</translation>
    </message>
    <message>
        <source>No More Moves!</source>
        <translation>¡No quedan movimientos!</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>está dañada</translation>
    </message>
    <message>
        <source>it was kept by another version of the game</source>
        <translation>la guardó otra versión del juego</translation>
    </message>
    <message>
        <source>it holds cards laid out as no game could have left them</source>
        <translation>sus cartas están colocadas como ninguna partida podría haberlas dejado</translation>
    </message>
    <message>
        <source>it is not an ordinary file that can be read</source>
        <translation>no es un archivo normal que se pueda leer</translation>
    </message>
    <message>
        <source>The kept game &quot;%1&quot; cannot be restored: %2. The game starts as usual.</source>
        <extracomment>%1: the kept game&apos;s file; %2: why it cannot be restored (&quot;it is damaged&quot;)</extracomment>
        <translation>La partida guardada «%1» no se puede restaurar: %2. El juego empieza como siempre.</translation>
    </message>
    <message>
        <source>The file has been moved to &quot;%1&quot;.</source>
        <extracomment>%1: the file&apos;s new name</extracomment>
        <translation>El archivo se ha movido a «%1».</translation>
    </message>
    <message>
        <source>The options could not be saved to &quot;%1&quot;: %2.</source>
        <extracomment>%1: the file; %2: the reason, as the system gives it</extracomment>
        <translation>No se pudieron guardar las opciones en «%1»: %2.</translation>
    </message>
    <message>
        <source>No deal that can be won was found in time: this one may not be winnable.</source>
        <translation>No se encontró a tiempo ningún reparto que se pueda ganar: puede que este no se pueda ganar.</translation>
    </message>
    <message>
        <source>The game could not be kept in &quot;%1&quot;: %2.</source>
        <extracomment>%1: the file; %2: the reason, as the system gives it</extracomment>
        <translation>No se pudo guardar la partida en «%1»: %2.</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <extracomment>Qt&apos;s own word for its standard button, used only where Qt&apos;s translations lack the language</extracomment>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sí</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
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
        <translation>fila de reserva, posición %1</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>columna %1</translation>
    </message>
    <message>
        <source>column %1, row %2</source>
        <translation>columna %1, fila %2</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Mesa</translation>
    </message>
    <message>
        <source>Arrow keys choose a card, Space or Enter picks it up and puts it down, Escape puts it back</source>
        <translation>Las flechas eligen una carta, Espacio o Intro la coge y la deja, Escape la devuelve a su sitio</translation>
    </message>
</context>
<context>
    <name>Select Deal</name>
    <message>
        <source>Select Deal</source>
        <translation>Elegir reparto</translation>
    </message>
    <message>
        <source>Deal number (0 to 4294967295):</source>
        <translation>Número de reparto (de 0 a 4294967295):</translation>
    </message>
    <message>
        <source>Enter a whole number from 0 to 4294967295.</source>
        <translation>Escriba un número entero de 0 a 4294967295.</translation>
    </message>
</context>
<context>
    <name>Statistics</name>
    <message numerus="yes">
        <source>%n win(s)</source>
        <extracomment>The current streak, under &quot;Current&quot;: games won in a row</extracomment>
        <translation>
            <numerusform>%n victoria</numerusform>
            <numerusform>%n victorias</numerusform>
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
        <translation>Estadísticas del juego</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>Wins:</source>
        <translation>Victorias:</translation>
    </message>
    <message>
        <source>Losses:</source>
        <translation>Derrotas:</translation>
    </message>
    <message>
        <source>Streaks</source>
        <translation>Rachas</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Actual</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>Show All Moves</source>
        <translation>Mostrar todos los movimientos</translation>
    </message>
    <message>
        <source>Number of Moves: %1</source>
        <extracomment>%1: how many moves can be made now</extracomment>
        <translation>Número de movimientos: %1</translation>
    </message>
    <message>
        <source>Finding out whether this game can still be won...</source>
        <translation>Comprobando si esta partida aún se puede ganar...</translation>
    </message>
    <message>
        <source>This game can still be won</source>
        <translation>Esta partida aún se puede ganar</translation>
    </message>
    <message>
        <source>This game can no longer be won</source>
        <translation>Esta partida ya no se puede ganar</translation>
    </message>
    <message>
        <source>Not known whether this game can still be won: the search gave up</source>
        <translation>No se sabe si esta partida aún se puede ganar: la búsqueda se ha rendido</translation>
    </message>
</context>
</TS>
