<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>quenby</name>
    <message>
        <source>%1 to %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>Not allowed: the %1 went back</source>
        <translation>Coup refusé&#xa0;: %1 retourne à sa place</translation>
    </message>
    <message>
        <source>The %1 went back</source>
        <translation>%1 retourne à sa place</translation>
    </message>
    <message>
        <source>Holding the %1</source>
        <translation>%1 en main</translation>
    </message>
    <message>
        <source>Holding the %1 and %2 more</source>
        <translation>%1 et %2 autres en main</translation>
    </message>
    <message>
        <source>1 card dealt</source>
        <translation>1 carte distribuée</translation>
    </message>
    <message>
        <source>%1 cards dealt</source>
        <translation>%1 cartes distribuées</translation>
    </message>
    <message>
        <source>The Waste turned back into the Stock</source>
        <translation>La défausse redevient le talon</translation>
    </message>
    <message>
        <source>The Stock is empty</source>
        <translation>Le talon est vide</translation>
    </message>
    <message>
        <source>Nothing to lift here</source>
        <translation>Rien à prendre ici</translation>
    </message>
    <message>
        <source>You won!</source>
        <translation>Vous avez gagné&#xa0;!</translation>
    </message>
    <message>
        <source>Foundation</source>
        <translation>Fondation</translation>
    </message>
    <message>
        <source>Tableau</source>
        <translation>Tableau</translation>
    </message>
    <message>
        <source>Reserve</source>
        <translation>Réserve</translation>
    </message>
    <message>
        <source>Waste</source>
        <translation>Défausse</translation>
    </message>
    <message>
        <source>Bed</source>
        <translation>Parterre</translation>
    </message>
    <message>
        <source>Bouquet</source>
        <translation>Bouquet</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Centre</translation>
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
        <translation>Colonne</translation>
    </message>
    <message>
        <source>Upper</source>
        <translation>Haut</translation>
    </message>
    <message>
        <source>Lower</source>
        <translation>Bas</translation>
    </message>
    <message>
        <source>Carpet</source>
        <translation>Tapis</translation>
    </message>
    <message>
        <source>Row</source>
        <translation>Rangée</translation>
    </message>
</context>
<context>
    <name>quenby::AboutDialog</name>
    <message>
        <source>About Quenby</source>
        <translation>À propos de Quenby</translation>
    </message>
    <message>
        <source>Quenby icon</source>
        <translation>Icône de Quenby</translation>
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
        <translatorcomment>Kept in English: the game has no established French name.</translatorcomment>
        <translation>&amp;Auld Lang Syne</translation>
    </message>
    <message>
        <source>Auld Lang Syne</source>
        <translatorcomment>Kept in English: the game has no established French name.</translatorcomment>
        <translation>Auld Lang Syne</translation>
    </message>
    <message>
        <source>&amp;Canfield</source>
        <translatorcomment>Kept in English: French players know the game by this name.</translatorcomment>
        <translation>&amp;Canfield</translation>
    </message>
    <message>
        <source>Canfield</source>
        <translatorcomment>Kept in English: French players know the game by this name.</translatorcomment>
        <translation>Canfield</translation>
    </message>
    <message>
        <source>&amp;Flower Garden</source>
        <translatorcomment>Kept in English: the game has no established French name.</translatorcomment>
        <translation>&amp;Flower Garden</translation>
    </message>
    <message>
        <source>Flower Garden</source>
        <translatorcomment>Kept in English: the game has no established French name.</translatorcomment>
        <translation>Flower Garden</translation>
    </message>
    <message>
        <source>&amp;Grannies Clock</source>
        <translatorcomment>Kept in English: French calls the plain clock patience &quot;l&apos;Horloge&quot;, but this game has no established French name of its own.</translatorcomment>
        <translation>&amp;Grannies Clock</translation>
    </message>
    <message>
        <source>Grannies Clock</source>
        <translatorcomment>Kept in English: French calls the plain clock patience &quot;l&apos;Horloge&quot;, but this game has no established French name of its own.</translatorcomment>
        <translation>Grannies Clock</translation>
    </message>
    <message>
        <source>&amp;Klondike</source>
        <translatorcomment>Kept in English: French players know the game by this name.</translatorcomment>
        <translation>&amp;Klondike</translation>
    </message>
    <message>
        <source>Klondike</source>
        <translatorcomment>Kept in English: French players know the game by this name.</translatorcomment>
        <translation>Klondike</translation>
    </message>
    <message>
        <source>&amp;Little Spider</source>
        <translatorcomment>Kept in English: the game has no established French name.</translatorcomment>
        <translation>&amp;Little Spider</translation>
    </message>
    <message>
        <source>Little Spider</source>
        <translatorcomment>Kept in English: the game has no established French name.</translatorcomment>
        <translation>Little Spider</translation>
    </message>
    <message>
        <source>&amp;Magic Carpet</source>
        <translatorcomment>Kept in English: the game has no established French name.</translatorcomment>
        <translation>&amp;Magic Carpet</translation>
    </message>
    <message>
        <source>Magic Carpet</source>
        <translatorcomment>Kept in English: the game has no established French name.</translatorcomment>
        <translation>Magic Carpet</translation>
    </message>
    <message>
        <source>&amp;Osmosis</source>
        <translatorcomment>Kept in English: the game has no established French name.</translatorcomment>
        <translation>&amp;Osmosis</translation>
    </message>
    <message>
        <source>Osmosis</source>
        <translatorcomment>Kept in English: the game has no established French name.</translatorcomment>
        <translation>Osmosis</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Jeu</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Decks</source>
        <translation>&amp;Dos des cartes</translation>
    </message>
    <message>
        <source>&amp;Background Color</source>
        <translation>&amp;Couleur du fond</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Son</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;About Quenby...</source>
        <translation>À &amp;propos de Quenby...</translation>
    </message>
</context>
<context>
    <name>quenby::CQuenbyDoc</name>
    <message>
        <source>Welcome</source>
        <translation>Bienvenue</translation>
    </message>
</context>
<context>
    <name>quenby::CQuenbyView</name>
    <message>
        <source>Table</source>
        <translation>Table</translation>
    </message>
</context>
<context>
    <name>quenby::DeckDialog</name>
    <message>
        <source>Decks</source>
        <translation>Dos des cartes</translation>
    </message>
    <message>
        <source>Card backs</source>
        <translation>Dos des cartes</translation>
    </message>
    <message>
        <source>Card back %1 of %2</source>
        <translation>Dos %1 sur %2</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
</TS>
