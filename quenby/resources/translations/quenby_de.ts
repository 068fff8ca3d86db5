<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>quenby</name>
    <message>
        <source>%1 to %2</source>
        <translation>%1 auf %2</translation>
    </message>
    <message>
        <source>Not allowed: the %1 went back</source>
        <translation>Nicht erlaubt: %1 geht zurück</translation>
    </message>
    <message>
        <source>The %1 went back</source>
        <translation>%1 geht zurück</translation>
    </message>
    <message>
        <source>Holding the %1</source>
        <translation>%1 aufgenommen</translation>
    </message>
    <message>
        <source>Holding the %1 and %2 more</source>
        <translation>%1 und %2 weitere aufgenommen</translation>
    </message>
    <message>
        <source>1 card dealt</source>
        <translation>1 Karte ausgeteilt</translation>
    </message>
    <message>
        <source>%1 cards dealt</source>
        <translation>%1 Karten ausgeteilt</translation>
    </message>
    <message>
        <source>The Waste turned back into the Stock</source>
        <translation>Der Abfallstapel wird wieder zum Talon</translation>
    </message>
    <message>
        <source>The Stock is empty</source>
        <translation>Der Talon ist leer</translation>
    </message>
    <message>
        <source>Nothing to lift here</source>
        <translation>Hier ist nichts aufzunehmen</translation>
    </message>
    <message>
        <source>You won!</source>
        <translation>Gewonnen!</translation>
    </message>
    <message>
        <source>Foundation</source>
        <translation>Ablagestapel</translation>
    </message>
    <message>
        <source>Tableau</source>
        <translation>Tableaustapel</translation>
    </message>
    <message>
        <source>Reserve</source>
        <translation>Reserve</translation>
    </message>
    <message>
        <source>Waste</source>
        <translation>Abfallstapel</translation>
    </message>
    <message>
        <source>Bed</source>
        <translation>Beet</translation>
    </message>
    <message>
        <source>Bouquet</source>
        <translation>Strauß</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Stunde</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Mitte</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A pile&apos;s name and its number, as in &quot;Column 3&quot;.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Stock</source>
        <translation>Talon</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>Spalte</translation>
    </message>
    <message>
        <source>Upper</source>
        <translation>Oben</translation>
    </message>
    <message>
        <source>Lower</source>
        <translation>Unten</translation>
    </message>
    <message>
        <source>Carpet</source>
        <translation>Teppich</translation>
    </message>
    <message>
        <source>Row</source>
        <translation>Ablagereihe</translation>
    </message>
</context>
<context>
    <name>quenby::AboutDialog</name>
    <message>
        <source>About Quenby</source>
        <translation>Info über Quenby</translation>
    </message>
    <message>
        <source>Quenby icon</source>
        <translation>Quenby-Symbol</translation>
    </message>
    <message>
        <source>Version 2.0</source>
        <translation>Version 2.0</translation>
    </message>
</context>
<context>
    <name>quenby::CMainFrame</name>
    <message>
        <source>&amp;Auld Lang Syne</source>
        <translatorcomment>Kept in English: the game has no established German name.</translatorcomment>
        <translation>&amp;Auld Lang Syne</translation>
    </message>
    <message>
        <source>Auld Lang Syne</source>
        <translatorcomment>Kept in English: the game has no established German name.</translatorcomment>
        <translation>Auld Lang Syne</translation>
    </message>
    <message>
        <source>&amp;Canfield</source>
        <translatorcomment>Kept in English: German players know the game by this name.</translatorcomment>
        <translation>&amp;Canfield</translation>
    </message>
    <message>
        <source>Canfield</source>
        <translatorcomment>Kept in English: German players know the game by this name.</translatorcomment>
        <translation>Canfield</translation>
    </message>
    <message>
        <source>&amp;Flower Garden</source>
        <translatorcomment>Kept in English: the game has no established German name.</translatorcomment>
        <translation>&amp;Flower Garden</translation>
    </message>
    <message>
        <source>Flower Garden</source>
        <translatorcomment>Kept in English: the game has no established German name.</translatorcomment>
        <translation>Flower Garden</translation>
    </message>
    <message>
        <source>&amp;Grannies Clock</source>
        <translatorcomment>Kept in English: German calls the plain clock patience &quot;Uhr&quot;, but this game has no established German name of its own.</translatorcomment>
        <translation>&amp;Grannies Clock</translation>
    </message>
    <message>
        <source>Grannies Clock</source>
        <translatorcomment>Kept in English: German calls the plain clock patience &quot;Uhr&quot;, but this game has no established German name of its own.</translatorcomment>
        <translation>Grannies Clock</translation>
    </message>
    <message>
        <source>&amp;Klondike</source>
        <translatorcomment>Kept in English: German players know the game by this name.</translatorcomment>
        <translation>&amp;Klondike</translation>
    </message>
    <message>
        <source>Klondike</source>
        <translatorcomment>Kept in English: German players know the game by this name.</translatorcomment>
        <translation>Klondike</translation>
    </message>
    <message>
        <source>&amp;Little Spider</source>
        <translatorcomment>Kept in English: the game has no established German name.</translatorcomment>
        <translation>&amp;Little Spider</translation>
    </message>
    <message>
        <source>Little Spider</source>
        <translatorcomment>Kept in English: the game has no established German name.</translatorcomment>
        <translation>Little Spider</translation>
    </message>
    <message>
        <source>&amp;Magic Carpet</source>
        <translatorcomment>Kept in English: the game has no established German name.</translatorcomment>
        <translation>&amp;Magic Carpet</translation>
    </message>
    <message>
        <source>Magic Carpet</source>
        <translatorcomment>Kept in English: the game has no established German name.</translatorcomment>
        <translation>Magic Carpet</translation>
    </message>
    <message>
        <source>&amp;Osmosis</source>
        <translatorcomment>Kept in English: the game has no established German name.</translatorcomment>
        <translation>&amp;Osmosis</translation>
    </message>
    <message>
        <source>Osmosis</source>
        <translatorcomment>Kept in English: the game has no established German name.</translatorcomment>
        <translation>Osmosis</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Decks</source>
        <translation>&amp;Kartenrücken</translation>
    </message>
    <message>
        <source>&amp;Background Color</source>
        <translation>&amp;Hintergrundfarbe</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Ton</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;About Quenby...</source>
        <translation>I&amp;nfo über Quenby...</translation>
    </message>
</context>
<context>
    <name>quenby::CQuenbyDoc</name>
    <message>
        <source>Welcome</source>
        <translation>Willkommen</translation>
    </message>
</context>
<context>
    <name>quenby::CQuenbyView</name>
    <message>
        <source>Table</source>
        <translation>Tisch</translation>
    </message>
</context>
<context>
    <name>quenby::DeckDialog</name>
    <message>
        <source>Decks</source>
        <translation>Kartenrücken</translation>
    </message>
    <message>
        <source>Card backs</source>
        <translation>Kartenrücken</translation>
    </message>
    <message>
        <source>Card back %1 of %2</source>
        <translation>Kartenrücken %1 von %2</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
</TS>
