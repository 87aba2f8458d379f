<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>Cards</name>
    <message>
        <source>Ace of Spades</source>
        <translation>As de pique</translation>
    </message>
    <message>
        <source>Two of Spades</source>
        <translation>Deux de pique</translation>
    </message>
    <message>
        <source>Three of Spades</source>
        <translation>Trois de pique</translation>
    </message>
    <message>
        <source>Four of Spades</source>
        <translation>Quatre de pique</translation>
    </message>
    <message>
        <source>Five of Spades</source>
        <translation>Cinq de pique</translation>
    </message>
    <message>
        <source>Six of Spades</source>
        <translation>Six de pique</translation>
    </message>
    <message>
        <source>Seven of Spades</source>
        <translation>Sept de pique</translation>
    </message>
    <message>
        <source>Eight of Spades</source>
        <translation>Huit de pique</translation>
    </message>
    <message>
        <source>Nine of Spades</source>
        <translation>Neuf de pique</translation>
    </message>
    <message>
        <source>Ten of Spades</source>
        <translation>Dix de pique</translation>
    </message>
    <message>
        <source>Jack of Spades</source>
        <translation>Valet de pique</translation>
    </message>
    <message>
        <source>Queen of Spades</source>
        <translation>Dame de pique</translation>
    </message>
    <message>
        <source>King of Spades</source>
        <translation>Roi de pique</translation>
    </message>
    <message>
        <source>Ace of Clubs</source>
        <translation>As de trèfle</translation>
    </message>
    <message>
        <source>Two of Clubs</source>
        <translation>Deux de trèfle</translation>
    </message>
    <message>
        <source>Three of Clubs</source>
        <translation>Trois de trèfle</translation>
    </message>
    <message>
        <source>Four of Clubs</source>
        <translation>Quatre de trèfle</translation>
    </message>
    <message>
        <source>Five of Clubs</source>
        <translation>Cinq de trèfle</translation>
    </message>
    <message>
        <source>Six of Clubs</source>
        <translation>Six de trèfle</translation>
    </message>
    <message>
        <source>Seven of Clubs</source>
        <translation>Sept de trèfle</translation>
    </message>
    <message>
        <source>Eight of Clubs</source>
        <translation>Huit de trèfle</translation>
    </message>
    <message>
        <source>Nine of Clubs</source>
        <translation>Neuf de trèfle</translation>
    </message>
    <message>
        <source>Ten of Clubs</source>
        <translation>Dix de trèfle</translation>
    </message>
    <message>
        <source>Jack of Clubs</source>
        <translation>Valet de trèfle</translation>
    </message>
    <message>
        <source>Queen of Clubs</source>
        <translation>Dame de trèfle</translation>
    </message>
    <message>
        <source>King of Clubs</source>
        <translation>Roi de trèfle</translation>
    </message>
    <message>
        <source>Ace of Diamonds</source>
        <translation>As de carreau</translation>
    </message>
    <message>
        <source>Two of Diamonds</source>
        <translation>Deux de carreau</translation>
    </message>
    <message>
        <source>Three of Diamonds</source>
        <translation>Trois de carreau</translation>
    </message>
    <message>
        <source>Four of Diamonds</source>
        <translation>Quatre de carreau</translation>
    </message>
    <message>
        <source>Five of Diamonds</source>
        <translation>Cinq de carreau</translation>
    </message>
    <message>
        <source>Six of Diamonds</source>
        <translation>Six de carreau</translation>
    </message>
    <message>
        <source>Seven of Diamonds</source>
        <translation>Sept de carreau</translation>
    </message>
    <message>
        <source>Eight of Diamonds</source>
        <translation>Huit de carreau</translation>
    </message>
    <message>
        <source>Nine of Diamonds</source>
        <translation>Neuf de carreau</translation>
    </message>
    <message>
        <source>Ten of Diamonds</source>
        <translation>Dix de carreau</translation>
    </message>
    <message>
        <source>Jack of Diamonds</source>
        <translation>Valet de carreau</translation>
    </message>
    <message>
        <source>Queen of Diamonds</source>
        <translation>Dame de carreau</translation>
    </message>
    <message>
        <source>King of Diamonds</source>
        <translation>Roi de carreau</translation>
    </message>
    <message>
        <source>Ace of Hearts</source>
        <translation>As de cœur</translation>
    </message>
    <message>
        <source>Two of Hearts</source>
        <translation>Deux de cœur</translation>
    </message>
    <message>
        <source>Three of Hearts</source>
        <translation>Trois de cœur</translation>
    </message>
    <message>
        <source>Four of Hearts</source>
        <translation>Quatre de cœur</translation>
    </message>
    <message>
        <source>Five of Hearts</source>
        <translation>Cinq de cœur</translation>
    </message>
    <message>
        <source>Six of Hearts</source>
        <translation>Six de cœur</translation>
    </message>
    <message>
        <source>Seven of Hearts</source>
        <translation>Sept de cœur</translation>
    </message>
    <message>
        <source>Eight of Hearts</source>
        <translation>Huit de cœur</translation>
    </message>
    <message>
        <source>Nine of Hearts</source>
        <translation>Neuf de cœur</translation>
    </message>
    <message>
        <source>Ten of Hearts</source>
        <translation>Dix de cœur</translation>
    </message>
    <message>
        <source>Jack of Hearts</source>
        <translation>Valet de cœur</translation>
    </message>
    <message>
        <source>Queen of Hearts</source>
        <translation>Dame de cœur</translation>
    </message>
    <message>
        <source>King of Hearts</source>
        <translation>Roi de cœur</translation>
    </message>
    <message>
        <source>empty column</source>
        <translation>colonne vide</translation>
    </message>
    <message>
        <source>face-down card</source>
        <translation>carte face cachée</translation>
    </message>
    <message>
        <source>card</source>
        <translation>carte</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Partie</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>&amp;Redo (no shuffle)</source>
        <translation>&amp;Rejouer (sans mélanger)</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Show &amp;Valid Moves</source>
        <translation>Afficher les coups &amp;valides</translation>
    </message>
    <message>
        <source>Show &amp;Number of Moves</source>
        <translation>Afficher le &amp;nombre de coups</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Debug</source>
        <translation>Débogage</translation>
    </message>
    <message>
        <source>Use Transparency</source>
        <translation>Utiliser la transparence</translation>
    </message>
    <message>
        <source>&amp;Center</source>
        <translation>&amp;Centrer</translation>
    </message>
    <message>
        <source>Give &amp;Hint (%1)</source>
        <extracomment>%1: the hints left in this game (3 at the start)</extracomment>
        <translation>Donner un &amp;indice (%1)</translation>
    </message>
    <message>
        <source>Select &amp;Deal...</source>
        <translation>Choisir une &amp;donne...</translation>
    </message>
    <message>
        <source>&amp;Keep the Game When Closing</source>
        <translation>&amp;Garder la partie à la fermeture</translation>
    </message>
    <message>
        <source>&amp;Tell Whether the Game Can Still Be Won</source>
        <translation>Indiquer si la partie peut &amp;encore être gagnée</translation>
    </message>
    <message>
        <source>Deal Only &amp;Winnable Games</source>
        <translation>Distribuer &amp;uniquement des donnes gagnables</translation>
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
        <translation>Aide rapide&#xa0;:

Empilez les cartes par ordre décroissant, dans la même couleur. Il faut déplacer toute la colonne (c.-à-d. aussi les cartes situées sous la carte déplacée). Seuls les rois peuvent être posés sur les emplacements vides. Cliquez sur «&#xa0;Donner un indice&#xa0;» dans le menu Options pour avoir une idée. La partie est gagnée quand il y a quatre piles, chacune du roi à l’as.</translation>
    </message>
    <message>
        <source>Are you SURE you want to clear the statistics?</source>
        <translation>Voulez-vous VRAIMENT effacer les statistiques&#xa0;?</translation>
    </message>
    <message>
        <source>Possible Moves:</source>
        <extracomment>Heads the list of every possible move, in the cards&apos; own codes (7H,8H), that a hidden switch shows</extracomment>
        <translation>Coups possibles&#xa0;:</translation>
    </message>
    <message>
        <source>Are you sure you want to start a new game?</source>
        <translation>Voulez-vous vraiment commencer une nouvelle partie&#xa0;?</translation>
    </message>
    <message>
        <source>No hints left!</source>
        <translation>Il ne reste plus aucun indice&#xa0;!</translation>
    </message>
    <message>
        <source>You Win!</source>
        <translation>Vous avez gagné&#xa0;!</translation>
    </message>
    <message>
        <source>No More Moves!</source>
        <translation>Plus aucun coup possible&#xa0;!</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>elle est endommagée</translation>
    </message>
    <message>
        <source>it was kept by another version of the game</source>
        <translation>elle a été gardée par une autre version du jeu</translation>
    </message>
    <message>
        <source>it holds cards laid out as no game could have left them</source>
        <translation>ses cartes sont disposées comme aucune partie n&apos;aurait pu les laisser</translation>
    </message>
    <message>
        <source>it is not an ordinary file that can be read</source>
        <translation>ce n&apos;est pas un fichier ordinaire lisible</translation>
    </message>
    <message>
        <source>The kept game &quot;%1&quot; cannot be restored: %2. The game starts as usual.</source>
        <extracomment>%1: the kept game&apos;s file; %2: why it cannot be restored (&quot;it is damaged&quot;)</extracomment>
        <translation>La partie gardée « %1 » ne peut pas être restaurée : %2. Le jeu démarre normalement.</translation>
    </message>
    <message>
        <source>The file has been moved to &quot;%1&quot;.</source>
        <extracomment>%1: the file&apos;s new name</extracomment>
        <translation>Le fichier a été déplacé vers « %1 ».</translation>
    </message>
    <message>
        <source>The options could not be saved to &quot;%1&quot;: %2.</source>
        <extracomment>%1: the file; %2: the reason, as the system gives it</extracomment>
        <translation>Les options n&apos;ont pas pu être enregistrées dans « %1 » : %2.</translation>
    </message>
    <message>
        <source>No deal that can be won was found in time: this one may not be winnable.</source>
        <translation>Aucune donne gagnable n&apos;a été trouvée à temps : celle-ci n&apos;est peut-être pas gagnable.</translation>
    </message>
    <message>
        <source>The game could not be kept in &quot;%1&quot;: %2.</source>
        <extracomment>%1: the file; %2: the reason, as the system gives it</extracomment>
        <translation>La partie n&apos;a pas pu être gardée dans « %1 » : %2.</translation>
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
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>Screen reader</name>
    <message>
        <source>reserve row, place %1</source>
        <translation>rangée de réserve, place %1</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>colonne %1</translation>
    </message>
    <message>
        <source>column %1, row %2</source>
        <translation>colonne %1, ligne %2</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Table de jeu</translation>
    </message>
    <message>
        <source>Arrow keys choose a card, Space or Enter picks it up and puts it down, Escape puts it back</source>
        <translation>Les flèches choisissent une carte, Espace ou Entrée la prend et la pose, Échap la remet en place</translation>
    </message>
</context>
<context>
    <name>Select Deal</name>
    <message>
        <source>Select Deal</source>
        <translation>Choisir une donne</translation>
    </message>
    <message>
        <source>Deal number (0 to 4294967295):</source>
        <translation>Numéro de la donne (de 0 à 4294967295) :</translation>
    </message>
    <message>
        <source>Enter a whole number from 0 to 4294967295.</source>
        <translation>Saisissez un nombre entier de 0 à 4294967295.</translation>
    </message>
</context>
<context>
    <name>Statistics</name>
    <message numerus="yes">
        <source>%n win(s)</source>
        <extracomment>The current streak, under &quot;Current&quot;: games won in a row</extracomment>
        <translation>
            <numerusform>%n victoire</numerusform>
            <numerusform>%n victoires</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n loss(es)</source>
        <extracomment>The current streak, under &quot;Current&quot;: games lost in a row</extracomment>
        <translation>
            <numerusform>%n défaite</numerusform>
            <numerusform>%n défaites</numerusform>
        </translation>
    </message>
    <message>
        <source>Game Statistics</source>
        <translation>Statistiques de jeu</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Wins:</source>
        <translation>Victoires&#xa0;:</translation>
    </message>
    <message>
        <source>Losses:</source>
        <translation>Défaites&#xa0;:</translation>
    </message>
    <message>
        <source>Streaks</source>
        <translation>Séries</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>En cours</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>Show All Moves</source>
        <translation>Afficher tous les coups</translation>
    </message>
    <message>
        <source>Number of Moves: %1</source>
        <extracomment>%1: how many moves can be made now</extracomment>
        <translation>Nombre de coups&#xa0;: %1</translation>
    </message>
    <message>
        <source>Finding out whether this game can still be won...</source>
        <translation>Vérification en cours : cette partie peut-elle encore être gagnée ?</translation>
    </message>
    <message>
        <source>This game can still be won</source>
        <translation>Cette partie peut encore être gagnée</translation>
    </message>
    <message>
        <source>This game can no longer be won</source>
        <translation>Cette partie ne peut plus être gagnée</translation>
    </message>
    <message>
        <source>Not known whether this game can still be won: the search gave up</source>
        <translation>On ne sait pas si cette partie peut encore être gagnée : la recherche a abandonné</translation>
    </message>
</context>
</TS>
