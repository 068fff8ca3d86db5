<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>quenby</name>
    <message>
        <source>%1 to %2</source>
        <translation>%1 su %2</translation>
    </message>
    <message>
        <source>Not allowed: the %1 went back</source>
        <translation>Non consentito: %1 torna al suo posto</translation>
    </message>
    <message>
        <source>The %1 went back</source>
        <translation>%1 torna al suo posto</translation>
    </message>
    <message>
        <source>Holding the %1</source>
        <translation>%1 in mano</translation>
    </message>
    <message>
        <source>Holding the %1 and %2 more</source>
        <translation>%1 e altre %2 in mano</translation>
    </message>
    <message>
        <source>1 card dealt</source>
        <translation>1 carta distribuita</translation>
    </message>
    <message>
        <source>%1 cards dealt</source>
        <translation>%1 carte distribuite</translation>
    </message>
    <message>
        <source>The Waste turned back into the Stock</source>
        <translation>Gli scarti tornano nel tallone</translation>
    </message>
    <message>
        <source>The Stock is empty</source>
        <translation>Il tallone è vuoto</translation>
    </message>
    <message>
        <source>Nothing to lift here</source>
        <translation>Qui non c’è niente da prendere</translation>
    </message>
    <message>
        <source>You won!</source>
        <translation>Hai vinto!</translation>
    </message>
    <message>
        <source>Foundation</source>
        <translation>Base</translation>
    </message>
    <message>
        <source>Tableau</source>
        <translation>Tableau</translation>
    </message>
    <message>
        <source>Reserve</source>
        <translation>Riserva</translation>
    </message>
    <message>
        <source>Waste</source>
        <translation>Scarti</translation>
    </message>
    <message>
        <source>Bed</source>
        <translation>Aiuola</translation>
    </message>
    <message>
        <source>Bouquet</source>
        <translation>Mazzolino</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Centro</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A pile&apos;s name and its number, as in &quot;Column 3&quot;.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Stock</source>
        <translation>Tallone</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>Colonna</translation>
    </message>
    <message>
        <source>Upper</source>
        <translation>Sopra</translation>
    </message>
    <message>
        <source>Lower</source>
        <translation>Sotto</translation>
    </message>
    <message>
        <source>Carpet</source>
        <translation>Tappeto</translation>
    </message>
    <message>
        <source>Row</source>
        <translation>Fila</translation>
    </message>
</context>
<context>
    <name>quenby::AboutDialog</name>
    <message>
        <source>About Quenby</source>
        <translation>Informazioni su Quenby</translation>
    </message>
    <message>
        <source>Quenby icon</source>
        <translation>Icona di Quenby</translation>
    </message>
    <message>
        <source>Version 2.0</source>
        <translation>Versione 2.0</translation>
    </message>
</context>
<context>
    <name>quenby::CMainFrame</name>
    <message>
        <source>&amp;Auld Lang Syne</source>
        <translatorcomment>Kept in English: the game has no established Italian name.</translatorcomment>
        <translation>&amp;Auld Lang Syne</translation>
    </message>
    <message>
        <source>Auld Lang Syne</source>
        <translatorcomment>Kept in English: the game has no established Italian name.</translatorcomment>
        <translation>Auld Lang Syne</translation>
    </message>
    <message>
        <source>&amp;Canfield</source>
        <translatorcomment>Kept in English: Italian players know the game by this name.</translatorcomment>
        <translation>&amp;Canfield</translation>
    </message>
    <message>
        <source>Canfield</source>
        <translatorcomment>Kept in English: Italian players know the game by this name.</translatorcomment>
        <translation>Canfield</translation>
    </message>
    <message>
        <source>&amp;Flower Garden</source>
        <translatorcomment>Kept in English: the game has no established Italian name.</translatorcomment>
        <translation>&amp;Flower Garden</translation>
    </message>
    <message>
        <source>Flower Garden</source>
        <translatorcomment>Kept in English: the game has no established Italian name.</translatorcomment>
        <translation>Flower Garden</translation>
    </message>
    <message>
        <source>&amp;Grannies Clock</source>
        <translatorcomment>Kept in English: Italian calls the plain clock patience &quot;l&apos;Orologio&quot;, but this game has no established Italian name of its own.</translatorcomment>
        <translation>&amp;Grannies Clock</translation>
    </message>
    <message>
        <source>Grannies Clock</source>
        <translatorcomment>Kept in English: Italian calls the plain clock patience &quot;l&apos;Orologio&quot;, but this game has no established Italian name of its own.</translatorcomment>
        <translation>Grannies Clock</translation>
    </message>
    <message>
        <source>&amp;Klondike</source>
        <translatorcomment>Kept in English: Italian players know the game by this name.</translatorcomment>
        <translation>&amp;Klondike</translation>
    </message>
    <message>
        <source>Klondike</source>
        <translatorcomment>Kept in English: Italian players know the game by this name.</translatorcomment>
        <translation>Klondike</translation>
    </message>
    <message>
        <source>&amp;Little Spider</source>
        <translatorcomment>Kept in English: the game has no established Italian name.</translatorcomment>
        <translation>&amp;Little Spider</translation>
    </message>
    <message>
        <source>Little Spider</source>
        <translatorcomment>Kept in English: the game has no established Italian name.</translatorcomment>
        <translation>Little Spider</translation>
    </message>
    <message>
        <source>&amp;Magic Carpet</source>
        <translatorcomment>Kept in English: the game has no established Italian name.</translatorcomment>
        <translation>&amp;Magic Carpet</translation>
    </message>
    <message>
        <source>Magic Carpet</source>
        <translatorcomment>Kept in English: the game has no established Italian name.</translatorcomment>
        <translation>Magic Carpet</translation>
    </message>
    <message>
        <source>&amp;Osmosis</source>
        <translatorcomment>Kept in English: the game has no established Italian name.</translatorcomment>
        <translation>&amp;Osmosis</translation>
    </message>
    <message>
        <source>Osmosis</source>
        <translatorcomment>Kept in English: the game has no established Italian name.</translatorcomment>
        <translation>Osmosis</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Gioco</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <source>&amp;Decks</source>
        <translation>&amp;Dorsi</translation>
    </message>
    <message>
        <source>&amp;Background Color</source>
        <translation>&amp;Colore di sfondo</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Suoni</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommario</translation>
    </message>
    <message>
        <source>&amp;About Quenby...</source>
        <translation>&amp;Informazioni su Quenby...</translation>
    </message>
</context>
<context>
    <name>quenby::CQuenbyDoc</name>
    <message>
        <source>Welcome</source>
        <translation>Benvenuto</translation>
    </message>
</context>
<context>
    <name>quenby::CQuenbyView</name>
    <message>
        <source>Table</source>
        <translation>Tavolo</translation>
    </message>
</context>
<context>
    <name>quenby::DeckDialog</name>
    <message>
        <source>Decks</source>
        <translation>Dorsi</translation>
    </message>
    <message>
        <source>Card backs</source>
        <translation>Dorsi delle carte</translation>
    </message>
    <message>
        <source>Card back %1 of %2</source>
        <translation>Dorso %1 di %2</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
</TS>
