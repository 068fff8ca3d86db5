<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>platform::Cards</name>
    <message>
        <source>Ace</source>
        <translation>Asso</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Due</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Tre</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Quattro</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Cinque</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Sei</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>Sette</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Otto</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Nove</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>Dieci</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Fante</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Donna</translation>
    </message>
    <message>
        <source>King</source>
        <translation>Re</translation>
    </message>
    <message>
        <source>%1 of Clubs</source>
        <translation>%1 di fiori</translation>
    </message>
    <message>
        <source>%1 of Diamonds</source>
        <translation>%1 di quadri</translation>
    </message>
    <message>
        <source>%1 of Hearts</source>
        <translation>%1 di cuori</translation>
    </message>
    <message>
        <source>%1 of Spades</source>
        <translation>%1 di picche</translation>
    </message>
    <message>
        <source>face-down card</source>
        <translation>carta coperta</translation>
    </message>
    <message>
        <source>%1: empty</source>
        <translation>%1: nessuna carta</translation>
    </message>
    <message>
        <source>1 card</source>
        <translation>1 carta</translation>
    </message>
    <message>
        <source>%1 cards</source>
        <translation>%1 carte</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: %2 on top, %3</source>
        <translation>%1: %2 in cima, %3</translation>
    </message>
    <message>
        <source>, %1 face down</source>
        <translation>, coperte: %1</translation>
    </message>
</context>
<context>
    <name>platform::Colour</name>
    <message>
        <source>Hue and saturation</source>
        <translation>Tonalità e saturazione</translation>
    </message>
    <message>
        <source>Pick a hue across and a saturation down</source>
        <translation>Scegli la tonalità in orizzontale e la saturazione in verticale</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Luminosità</translation>
    </message>
    <message>
        <source>Pick how light the colour is</source>
        <translation>Scegli quanto è chiaro il colore</translation>
    </message>
    <message>
        <source>Chosen colour</source>
        <translation>Colore scelto</translation>
    </message>
    <message>
        <source>The colour as it is now chosen</source>
        <translation>Il colore così come è scelto ora</translation>
    </message>
</context>
<context>
    <name>platform::HelpWindow</name>
    <message>
        <source>%1 Help</source>
        <translation>Guida di %1</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommario</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Avanti</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(nessuno)</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Help is not available&lt;/h3&gt;&lt;p&gt;The help file &lt;b&gt;%1&lt;/b&gt; could not be found or could not be read.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;La guida non è disponibile&lt;/h3&gt;&lt;p&gt;Il file della guida &lt;b&gt;%1&lt;/b&gt; non è stato trovato o non è stato possibile leggerlo.&lt;/p&gt;</translation>
    </message>
</context>
</TS>
