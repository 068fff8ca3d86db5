<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>platform::Cards</name>
    <message>
        <source>Ace</source>
        <translation>As</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Deux</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Trois</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Quatre</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Cinq</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Six</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>Sept</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Huit</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Neuf</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>Dix</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Valet</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Dame</translation>
    </message>
    <message>
        <source>King</source>
        <translation>Roi</translation>
    </message>
    <message>
        <source>%1 of Clubs</source>
        <translation>%1 de trèfle</translation>
    </message>
    <message>
        <source>%1 of Diamonds</source>
        <translation>%1 de carreau</translation>
    </message>
    <message>
        <source>%1 of Hearts</source>
        <translation>%1 de cœur</translation>
    </message>
    <message>
        <source>%1 of Spades</source>
        <translation>%1 de pique</translation>
    </message>
    <message>
        <source>face-down card</source>
        <translation>carte face cachée</translation>
    </message>
    <message>
        <source>%1: empty</source>
        <translation>%1&#xa0;: vide</translation>
    </message>
    <message>
        <source>1 card</source>
        <translation>1 carte</translation>
    </message>
    <message>
        <source>%1 cards</source>
        <translation>%1 cartes</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1: %2 on top, %3</source>
        <translation>%1&#xa0;: %2 au-dessus, %3</translation>
    </message>
    <message>
        <source>, %1 face down</source>
        <translation>, dont %1 face cachée</translation>
    </message>
</context>
<context>
    <name>platform::Colour</name>
    <message>
        <source>Hue and saturation</source>
        <translation>Teinte et saturation</translation>
    </message>
    <message>
        <source>Pick a hue across and a saturation down</source>
        <translation>Choisissez la teinte à l’horizontale et la saturation à la verticale</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Luminosité</translation>
    </message>
    <message>
        <source>Pick how light the colour is</source>
        <translation>Choisissez la clarté de la couleur</translation>
    </message>
    <message>
        <source>Chosen colour</source>
        <translation>Couleur choisie</translation>
    </message>
    <message>
        <source>The colour as it is now chosen</source>
        <translation>La couleur telle qu’elle est choisie</translation>
    </message>
</context>
<context>
    <name>platform::HelpWindow</name>
    <message>
        <source>%1 Help</source>
        <translation>Aide de %1</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommaire</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucun)</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Help is not available&lt;/h3&gt;&lt;p&gt;The help file &lt;b&gt;%1&lt;/b&gt; could not be found or could not be read.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;L’aide n’est pas disponible&lt;/h3&gt;&lt;p&gt;Le fichier d’aide &lt;b&gt;%1&lt;/b&gt; est introuvable ou n’a pas pu être lu.&lt;/p&gt;</translation>
    </message>
</context>
</TS>
