<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>Cards</name>
    <message>
        <source>Ace of Spades</source>
        <translation>Туз пик</translation>
    </message>
    <message>
        <source>Two of Spades</source>
        <translation>Двойка пик</translation>
    </message>
    <message>
        <source>Three of Spades</source>
        <translation>Тройка пик</translation>
    </message>
    <message>
        <source>Four of Spades</source>
        <translation>Четвёрка пик</translation>
    </message>
    <message>
        <source>Five of Spades</source>
        <translation>Пятёрка пик</translation>
    </message>
    <message>
        <source>Six of Spades</source>
        <translation>Шестёрка пик</translation>
    </message>
    <message>
        <source>Seven of Spades</source>
        <translation>Семёрка пик</translation>
    </message>
    <message>
        <source>Eight of Spades</source>
        <translation>Восьмёрка пик</translation>
    </message>
    <message>
        <source>Nine of Spades</source>
        <translation>Девятка пик</translation>
    </message>
    <message>
        <source>Ten of Spades</source>
        <translation>Десятка пик</translation>
    </message>
    <message>
        <source>Jack of Spades</source>
        <translation>Валет пик</translation>
    </message>
    <message>
        <source>Queen of Spades</source>
        <translation>Дама пик</translation>
    </message>
    <message>
        <source>King of Spades</source>
        <translation>Король пик</translation>
    </message>
    <message>
        <source>Ace of Clubs</source>
        <translation>Туз треф</translation>
    </message>
    <message>
        <source>Two of Clubs</source>
        <translation>Двойка треф</translation>
    </message>
    <message>
        <source>Three of Clubs</source>
        <translation>Тройка треф</translation>
    </message>
    <message>
        <source>Four of Clubs</source>
        <translation>Четвёрка треф</translation>
    </message>
    <message>
        <source>Five of Clubs</source>
        <translation>Пятёрка треф</translation>
    </message>
    <message>
        <source>Six of Clubs</source>
        <translation>Шестёрка треф</translation>
    </message>
    <message>
        <source>Seven of Clubs</source>
        <translation>Семёрка треф</translation>
    </message>
    <message>
        <source>Eight of Clubs</source>
        <translation>Восьмёрка треф</translation>
    </message>
    <message>
        <source>Nine of Clubs</source>
        <translation>Девятка треф</translation>
    </message>
    <message>
        <source>Ten of Clubs</source>
        <translation>Десятка треф</translation>
    </message>
    <message>
        <source>Jack of Clubs</source>
        <translation>Валет треф</translation>
    </message>
    <message>
        <source>Queen of Clubs</source>
        <translation>Дама треф</translation>
    </message>
    <message>
        <source>King of Clubs</source>
        <translation>Король треф</translation>
    </message>
    <message>
        <source>Ace of Diamonds</source>
        <translation>Туз бубен</translation>
    </message>
    <message>
        <source>Two of Diamonds</source>
        <translation>Двойка бубен</translation>
    </message>
    <message>
        <source>Three of Diamonds</source>
        <translation>Тройка бубен</translation>
    </message>
    <message>
        <source>Four of Diamonds</source>
        <translation>Четвёрка бубен</translation>
    </message>
    <message>
        <source>Five of Diamonds</source>
        <translation>Пятёрка бубен</translation>
    </message>
    <message>
        <source>Six of Diamonds</source>
        <translation>Шестёрка бубен</translation>
    </message>
    <message>
        <source>Seven of Diamonds</source>
        <translation>Семёрка бубен</translation>
    </message>
    <message>
        <source>Eight of Diamonds</source>
        <translation>Восьмёрка бубен</translation>
    </message>
    <message>
        <source>Nine of Diamonds</source>
        <translation>Девятка бубен</translation>
    </message>
    <message>
        <source>Ten of Diamonds</source>
        <translation>Десятка бубен</translation>
    </message>
    <message>
        <source>Jack of Diamonds</source>
        <translation>Валет бубен</translation>
    </message>
    <message>
        <source>Queen of Diamonds</source>
        <translation>Дама бубен</translation>
    </message>
    <message>
        <source>King of Diamonds</source>
        <translation>Король бубен</translation>
    </message>
    <message>
        <source>Ace of Hearts</source>
        <translation>Туз червей</translation>
    </message>
    <message>
        <source>Two of Hearts</source>
        <translation>Двойка червей</translation>
    </message>
    <message>
        <source>Three of Hearts</source>
        <translation>Тройка червей</translation>
    </message>
    <message>
        <source>Four of Hearts</source>
        <translation>Четвёрка червей</translation>
    </message>
    <message>
        <source>Five of Hearts</source>
        <translation>Пятёрка червей</translation>
    </message>
    <message>
        <source>Six of Hearts</source>
        <translation>Шестёрка червей</translation>
    </message>
    <message>
        <source>Seven of Hearts</source>
        <translation>Семёрка червей</translation>
    </message>
    <message>
        <source>Eight of Hearts</source>
        <translation>Восьмёрка червей</translation>
    </message>
    <message>
        <source>Nine of Hearts</source>
        <translation>Девятка червей</translation>
    </message>
    <message>
        <source>Ten of Hearts</source>
        <translation>Десятка червей</translation>
    </message>
    <message>
        <source>Jack of Hearts</source>
        <translation>Валет червей</translation>
    </message>
    <message>
        <source>Queen of Hearts</source>
        <translation>Дама червей</translation>
    </message>
    <message>
        <source>King of Hearts</source>
        <translation>Король червей</translation>
    </message>
    <message>
        <source>empty column</source>
        <translation>пустой столбец</translation>
    </message>
    <message>
        <source>face-down card</source>
        <translation>закрытая карта</translation>
    </message>
    <message>
        <source>card</source>
        <translation>карта</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Игра</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Новая игра</translation>
    </message>
    <message>
        <source>&amp;Redo (no shuffle)</source>
        <translation>&amp;Повторить расклад (без перемешивания)</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Статистика</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Параметры</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Отменить ход</translation>
    </message>
    <message>
        <source>Show &amp;Valid Moves</source>
        <translation>Показывать &amp;допустимые ходы</translation>
    </message>
    <message>
        <source>Show &amp;Number of Moves</source>
        <translation>Показывать &amp;число ходов</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>Debug</source>
        <translation>Отладка</translation>
    </message>
    <message>
        <source>Use Transparency</source>
        <translation>Использовать прозрачность</translation>
    </message>
    <message>
        <source>&amp;Center</source>
        <translation>По &amp;центру</translation>
    </message>
    <message>
        <source>Give &amp;Hint (%1)</source>
        <extracomment>%1: the hints left in this game (3 at the start)</extracomment>
        <translation>&amp;Подсказка (%1)</translation>
    </message>
    <message>
        <source>Select &amp;Deal...</source>
        <translation>Выбрать &amp;расклад...</translation>
    </message>
    <message>
        <source>&amp;Keep the Game When Closing</source>
        <translation>&amp;Сохранять игру при закрытии</translation>
    </message>
    <message>
        <source>&amp;Tell Whether the Game Can Still Be Won</source>
        <translation>Показывать, можно ли ещё &amp;выиграть игру</translation>
    </message>
    <message>
        <source>Deal Only &amp;Winnable Games</source>
        <translation>Сдавать только &amp;решаемые расклады</translation>
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
        <translation>Краткая справка:

Складывайте карты одной масти по убыванию. Перемещать нужно весь столбец (т. е. и все карты, лежащие под перемещаемой картой). На пустые места можно класть только королей. Если не знаете, как ходить, выберите «Подсказка» в меню «Параметры». Игра выиграна, когда сложены четыре стопки, каждая от короля до туза.</translation>
    </message>
    <message>
        <source>Are you SURE you want to clear the statistics?</source>
        <translation>Вы ДЕЙСТВИТЕЛЬНО хотите очистить статистику?</translation>
    </message>
    <message>
        <source>Possible Moves:</source>
        <extracomment>Heads the list of every possible move, in the cards&apos; own codes (7H,8H), that a hidden switch shows</extracomment>
        <translation>Возможные ходы:</translation>
    </message>
    <message>
        <source>Are you sure you want to start a new game?</source>
        <translation>Вы действительно хотите начать новую игру?</translation>
    </message>
    <message>
        <source>No hints left!</source>
        <translation>Подсказок больше нет!</translation>
    </message>
    <message>
        <source>You Win!</source>
        <translation>Вы выиграли!</translation>
    </message>
    <message>
        <source>No More Moves!</source>
        <translation>Ходов больше нет!</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>она повреждена</translation>
    </message>
    <message>
        <source>it was kept by another version of the game</source>
        <translation>она сохранена другой версией игры</translation>
    </message>
    <message>
        <source>it holds cards laid out as no game could have left them</source>
        <translation>карты в ней лежат так, как их не могла оставить ни одна игра</translation>
    </message>
    <message>
        <source>it is not an ordinary file that can be read</source>
        <translation>это не обычный файл, который можно прочитать</translation>
    </message>
    <message>
        <source>The kept game &quot;%1&quot; cannot be restored: %2. The game starts as usual.</source>
        <extracomment>%1: the kept game&apos;s file; %2: why it cannot be restored (&quot;it is damaged&quot;)</extracomment>
        <translation>Сохранённую игру «%1» нельзя восстановить: %2. Игра начинается как обычно.</translation>
    </message>
    <message>
        <source>The file has been moved to &quot;%1&quot;.</source>
        <extracomment>%1: the file&apos;s new name</extracomment>
        <translation>Файл перемещён в «%1».</translation>
    </message>
    <message>
        <source>The options could not be saved to &quot;%1&quot;: %2.</source>
        <extracomment>%1: the file; %2: the reason, as the system gives it</extracomment>
        <translation>Не удалось сохранить параметры в «%1»: %2.</translation>
    </message>
    <message>
        <source>No deal that can be won was found in time: this one may not be winnable.</source>
        <translation>Решаемый расклад не найден вовремя: этот расклад, возможно, нельзя выиграть.</translation>
    </message>
    <message>
        <source>The game could not be kept in &quot;%1&quot;: %2.</source>
        <extracomment>%1: the file; %2: the reason, as the system gives it</extracomment>
        <translation>Не удалось сохранить игру в «%1»: %2.</translation>
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
        <translation>&amp;Да</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Нет</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>Screen reader</name>
    <message>
        <source>reserve row, place %1</source>
        <translation>резервный ряд, место %1</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>столбец %1</translation>
    </message>
    <message>
        <source>column %1, row %2</source>
        <translation>столбец %1, ряд %2</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Стол</translation>
    </message>
    <message>
        <source>Arrow keys choose a card, Space or Enter picks it up and puts it down, Escape puts it back</source>
        <translation>Стрелки выбирают карту, Пробел или Enter берёт её и кладёт, Escape возвращает её на место</translation>
    </message>
</context>
<context>
    <name>Select Deal</name>
    <message>
        <source>Select Deal</source>
        <translation>Выбор расклада</translation>
    </message>
    <message>
        <source>Deal number (0 to 4294967295):</source>
        <translation>Номер расклада (от 0 до 4294967295):</translation>
    </message>
    <message>
        <source>Enter a whole number from 0 to 4294967295.</source>
        <translation>Введите целое число от 0 до 4294967295.</translation>
    </message>
</context>
<context>
    <name>Statistics</name>
    <message numerus="yes">
        <source>%n win(s)</source>
        <extracomment>The current streak, under &quot;Current&quot;: games won in a row</extracomment>
        <translation>
            <numerusform>%n победа</numerusform>
            <numerusform>%n победы</numerusform>
            <numerusform>%n побед</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n loss(es)</source>
        <extracomment>The current streak, under &quot;Current&quot;: games lost in a row</extracomment>
        <translation>
            <numerusform>%n поражение</numerusform>
            <numerusform>%n поражения</numerusform>
            <numerusform>%n поражений</numerusform>
        </translation>
    </message>
    <message>
        <source>Game Statistics</source>
        <translation>Статистика игры</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Статистика</translation>
    </message>
    <message>
        <source>Wins:</source>
        <translation>Победы:</translation>
    </message>
    <message>
        <source>Losses:</source>
        <translation>Поражения:</translation>
    </message>
    <message>
        <source>Streaks</source>
        <translation>Серии</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Текущая</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>Show All Moves</source>
        <translation>Показать все ходы</translation>
    </message>
    <message>
        <source>Number of Moves: %1</source>
        <extracomment>%1: how many moves can be made now</extracomment>
        <translation>Число ходов: %1</translation>
    </message>
    <message>
        <source>Finding out whether this game can still be won...</source>
        <translation>Проверяется, можно ли ещё выиграть эту игру...</translation>
    </message>
    <message>
        <source>This game can still be won</source>
        <translation>Эту игру ещё можно выиграть</translation>
    </message>
    <message>
        <source>This game can no longer be won</source>
        <translation>Эту игру уже нельзя выиграть</translation>
    </message>
    <message>
        <source>Not known whether this game can still be won: the search gave up</source>
        <translation>Неизвестно, можно ли ещё выиграть эту игру: поиск прекращён</translation>
    </message>
</context>
</TS>
