<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>Assistive</name>
    <message>
        <source>Column %1</source>
        <extracomment>A column of the board, counted from 1 at the left.</extracomment>
        <translation>Kolom %1</translation>
    </message>
    <message>
        <source>Row %1</source>
        <extracomment>A row of the board (a line of cells across it), counted from 1 at the bottom.</extracomment>
        <translation>Rij %1</translation>
    </message>
    <message>
        <source>Column %1, row %2: black</source>
        <translation>Kolom %1, rij %2: zwart</translation>
    </message>
    <message>
        <source>Column %1, row %2: red</source>
        <translation>Kolom %1, rij %2: rood</translation>
    </message>
    <message>
        <source>Column %1, row %2: empty</source>
        <translation>Kolom %1, rij %2: leeg</translation>
    </message>
    <message>
        <source>Column %1 is full. %2</source>
        <extracomment>Said when a press falls in a column that has no room left; %2 is the status line that follows.</extracomment>
        <translation>Kolom %1 is vol. %2</translation>
    </message>
    <message>
        <source>Board</source>
        <extracomment>The board&apos;s name as a screen reader says it.</extracomment>
        <translation>Speelbord</translation>
    </message>
    <message>
        <source>Seven columns of six cells, rows counted from the bottom. Click any cell of a column to drop a checker in that column.</source>
        <extracomment>How the board is played, as a screen reader says it.</extracomment>
        <translation>Zeven kolommen van zes vakjes, rijen geteld vanaf onderen. Klik op een willekeurig vakje van een kolom om een schijf in die kolom te laten vallen.</translation>
    </message>
</context>
<context>
    <name>FormWindow</name>
    <message>
        <source> Brindlow</source>
        <extracomment>The window&apos;s title, with its leading blank.</extracomment>
        <translation> Brindlow</translation>
    </message>
    <message>
        <source>Brindlow</source>
        <extracomment>The game&apos;s name as a screen reader says it.</extracomment>
        <translation>Brindlow</translation>
    </message>
    <message>
        <source>File</source>
        <extracomment>The File menu. In English it has no access key; a translation may give it one.</extracomment>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>File</source>
        <comment>spoken</comment>
        <extracomment>The File menu&apos;s name as a screen reader says it, without an access key.</extracomment>
        <translation>Bestand</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nieuw spel</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Help</source>
        <comment>spoken</comment>
        <extracomment>The Help menu&apos;s name as a screen reader says it, without an access key.</extracomment>
        <translation>Help</translation>
    </message>
    <message>
        <source>&amp;Rules of the Game</source>
        <translation>&amp;Spelregels</translation>
    </message>
    <message>
        <source>&amp;About the Program</source>
        <translation>&amp;Over het programma</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>Write RTL for a language written from right to left, LTR otherwise: it sets the direction of the menus, the status line and the boxes. The board is a picture and keeps its columns in every language.</extracomment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>frmBrindlow</name>
    <message>
        <source>%1&apos;s turn!  (Black)</source>
        <extracomment>The status line when player 1, who plays black, is to move; %1 is the name. The whole line is then upper-cased by the language&apos;s own rules.</extracomment>
        <translation>%1 aan zet!  (Zwart)</translation>
    </message>
    <message>
        <source>%1&apos;s turn!  (Red)</source>
        <extracomment>The status line when player 2, who plays red, is to move; %1 is the name, upper-cased with the rest.</extracomment>
        <translation>%1 aan zet!  (Rood)</translation>
    </message>
    <message>
        <source>Tie Game...you both LOSE!</source>
        <extracomment>The box shown when the board is full and nobody has four in a line.</extracomment>
        <translation>Gelijkspel...jullie VERLIEZEN allebei!</translation>
    </message>
    <message>
        <source>CAT&apos;S GAME</source>
        <extracomment>Title of the box for a full board without a winner: a game nobody wins.</extracomment>
        <translation>GEEN WINNAAR</translation>
    </message>
    <message>
        <source>%1 WINS!</source>
        <extracomment>The winner&apos;s box; %1 is the winner&apos;s name, already upper-cased.</extracomment>
        <translation>%1 WINT!</translation>
    </message>
    <message>
        <source>Winner</source>
        <extracomment>Title of the winner&apos;s box.</extracomment>
        <translation>Winnaar</translation>
    </message>
    <message>
        <source>The two players alternate turns, with the starting player controlling
the black checkers.  The first player to form a horizontal, vertical,
or diagonal line of four checkers of the same color is the winner.
To place a checker in a particular column, click anywhere in that
column.  Checkers will always fall as far as possible down each
column.</source>
        <extracomment>The rules box: six lines of about 70 characters, broken where a line of the box should end.</extracomment>
        <translation>De twee spelers zijn om beurten aan zet; wie begint, speelt met de
zwarte schijven.  Wie als eerste vier schijven van dezelfde kleur
op een horizontale, verticale of diagonale lijn heeft, wint. Om
een schijf in een bepaalde kolom te plaatsen, klik je ergens in
die kolom.  Schijven vallen in elke kolom altijd zo ver mogelijk
naar beneden.</translation>
    </message>
    <message>
        <source>Rules of the Game</source>
        <translation>Spelregels</translation>
    </message>
    <message>
        <source>Brindlow was written by the Brindlow Rules Team and
the Brindlow Window Team, December, 2026.

It was edited by the Brindlow Maintainers, December, 2026.</source>
        <extracomment>The credits box: keep its empty line, and the name Brindlow in the teams&apos; names.</extracomment>
        <translation>Brindlow is geschreven door het Brindlow-regelteam en
het Brindlow-vensterteam, december 2026.

Het is bewerkt door de Brindlow-beheerders, december 2026.</translation>
    </message>
    <message>
        <source>About the Program</source>
        <translation>Over het programma</translation>
    </message>
    <message>
        <source>New Players</source>
        <extracomment>Title of the boxes that ask for the players&apos; names.</extracomment>
        <translation>Nieuwe spelers</translation>
    </message>
    <message>
        <source>Player 1:</source>
        <extracomment>The prompt of the box that asks for the name of the player who plays black.</extracomment>
        <translation>Speler 1:</translation>
    </message>
    <message>
        <source>Player 2:</source>
        <extracomment>The prompt of the box that asks for the name of the player who plays red.</extracomment>
        <translation>Speler 2:</translation>
    </message>
    <message>
        <source>Do you want to keep the same names?</source>
        <translation>Willen jullie dezelfde namen houden?</translation>
    </message>
    <message>
        <source>New Game</source>
        <extracomment>Title of the question asked by File &gt; New Game.</extracomment>
        <translation>Nieuw spel</translation>
    </message>
</context>
</TS>
